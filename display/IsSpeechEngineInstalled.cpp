#include "IsSpeechEngineInstalled.h"

#include "CSystemSpeechRegistry.h"

#include <QFileInfo>

bool IsSpeechEngineInstalled(const CSpeechRegistry& registry)
{
    for (const char* key : kSpeechEngineKeys) {
        const std::optional<CSpeechRegistry::Values> values = registry.OpenKey(QLatin1String(key));
        if (!values)
            continue;
        const auto path = values->constFind(QString::fromLatin1(kSpeechEnginePathValue));
        if (path == values->constEnd())
            return false;
        const QByteArray bytes = path->toLocal8Bit();
        if (bytes.size() + 1 > kSpeechEnginePathBufferSize)
            return false;
        return !path->isEmpty() && QFileInfo::exists(*path);
    }
    return false;
}

bool IsSpeechEngineInstalled()
{
    return IsSpeechEngineInstalled(CSystemSpeechRegistry());
}
