// The print module's one entry: the program loads libtutorama-print.so on its first print
// and asks it for the printing service.

#include "CLinkedPrintService.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT CPrintService* TutoramaPrintService()
{
    return &CLinkedPrintService::Instance();
}
