#pragma once

#include <QHash>
#include <QString>

#include <optional>

// The machine-wide registry where speech engines are registered, reduced to
// what the engine check needs: open a key by its path and read its values.
class CSpeechRegistry
{
public:
    using Values = QHash<QString, QString>;

    virtual ~CSpeechRegistry() = default;

    // The values of the key, or nothing when the key does not exist.
    virtual std::optional<Values> OpenKey(const QString& path) const = 0;
};

// Whoever asks about speech engines also needs the machine's own registry and the check.
#include "CSystemSpeechRegistry.h"
#include "IsSpeechEngineInstalled.h"
