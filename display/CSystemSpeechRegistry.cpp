#include "CSystemSpeechRegistry.h"

#include "IsSpeechEngineInstalled.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace {

const QString kEngineFileName = QStringLiteral("phontab");

// Where Debian and other distributions put the data when the library's own
// idea of it is not usable.
const QStringList kKnownDataFolders{
    QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data"),
    QStringLiteral("/usr/lib/aarch64-linux-gnu/espeak-ng-data"),
    QStringLiteral("/usr/lib/espeak-ng-data"),
    QStringLiteral("/usr/share/espeak-ng-data"),
    QStringLiteral("/usr/local/share/espeak-ng-data"),
};

QString LibraryDataFolder()
{
    // Finds the data as the engine itself will (ESPEAK_DATA_PATH, else the
    // folder it was built for) without loading any of it.
    espeak_ng_InitializePath(nullptr);
    const char* path = nullptr;
    espeak_Info(&path);
    return path ? QString::fromLocal8Bit(path) : QString();
}

} // namespace

QString CSystemSpeechRegistry::EspeakDataFolder()
{
    const QString library = LibraryDataFolder();
    if (!library.isEmpty() && QFileInfo::exists(QDir(library).filePath(kEngineFileName)))
        return library;
    for (const QString& folder : kKnownDataFolders) {
        if (QFileInfo::exists(QDir(folder).filePath(kEngineFileName)))
            return folder;
    }
    return library;
}

QString CSystemSpeechRegistry::EngineFile()
{
    return QDir(EspeakDataFolder()).filePath(kEngineFileName);
}

std::optional<CSpeechRegistry::Values> CSystemSpeechRegistry::OpenKey(const QString& path) const
{
    if (path != QLatin1String(kSpeechEngineKeys.front()))
        return std::nullopt;
    return Values{{QString::fromLatin1(kSpeechEnginePathValue), EngineFile()}};
}
