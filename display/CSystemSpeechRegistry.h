#pragma once

#include "CSpeechRegistry.h"

// The speech registry of this machine: the espeak-ng engine the program speaks
// with is registered under the first engine key, its "Path" naming the
// engine's phoneme table, so the engine counts as installed exactly when its
// data is on disk.
class CSystemSpeechRegistry : public CSpeechRegistry
{
public:
    std::optional<Values> OpenKey(const QString& path) const override;

    // The folder of the installed espeak-ng data (it may not exist). The engine
    // check and the voice both use it: spelling is offered exactly when it speaks.
    static QString EspeakDataFolder();
    static QString EngineFile();
};
