#include "CSoundEngine.h"

#include "CModuleLoader.h"

CSoundEngine* CSoundEngine::Get()
{
    // Looked for once: a missing library is not looked for again at every sound.
    static CSoundEngine* const engine =
        CModuleLoader::Load<CSoundEngine>(QStringLiteral("sound"), kSoundEngineEntry);
    return engine;
}
