#include "CPrintModule.h"

#include "CModuleLoader.h"
#include "CPrintService.h"

CPrintService* CPrintModule::Get()
{
    // Looked for once: a missing module is not looked for again at every print.
    static CPrintService* const service =
        CModuleLoader::Load<CPrintService>(QStringLiteral("print"), kPrintServiceEntry);
    return service;
}
