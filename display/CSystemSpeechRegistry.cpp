#include "CSystemSpeechRegistry.h"

#include "IsSpeechEngineInstalled.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

bool IsFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

// Finds the data as the engine itself will, without loading the engine (it is in the
// sound library, loaded on the first word): ESPEAK_DATA_PATH, holding an "espeak-ng-data"
// folder or being that folder; else an "espeak-ng-data" folder in the home folder; else
// the folder Debian's engine was built for.
QString LibraryDataFolder()
{
    const QString variable = qEnvironmentVariable("ESPEAK_DATA_PATH");
    if (!variable.isEmpty()) {
        const QString inside = QDir(variable).filePath(QStringLiteral("espeak-ng-data"));
        if (IsFolder(inside))
            return inside;
        if (IsFolder(variable))
            return variable;
    }
    const QString home =
        QDir(qEnvironmentVariable("HOME")).filePath(QStringLiteral("espeak-ng-data"));
    if (!qEnvironmentVariableIsEmpty("HOME") && IsFolder(home))
        return home;
    return kKnownDataFolders.front();
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
