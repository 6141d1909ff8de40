#include "CSoundEngine.h"

#include "CModuleLoader.h"

CSoundEngine* CSoundEngine::Get()
{
    // Looked for once: a missing library is not looked for again at every sound.
    static CSoundEngine* const engine = [] {
        const auto entry = reinterpret_cast<SoundEngineEntry>(
            CModuleLoader::Resolve(QStringLiteral("sound"), kSoundEngineEntry));
        return entry ? entry() : nullptr;
    }();
    return engine;
}
