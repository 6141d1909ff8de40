#include "CModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

#ifndef TUTORAMA_MODULE_DIR
#define TUTORAMA_MODULE_DIR "/usr/lib/tutorama"
#endif
#ifndef TUTORAMA_MODULE_RELDIR
#define TUTORAMA_MODULE_RELDIR "../lib/tutorama"
#endif

QStringList CModuleLoader::Folders()
{
    QStringList folders;
    const QString programFolder = QCoreApplication::applicationDirPath();
#if defined(TUTORAMA_BUILD_DIR) && defined(TUTORAMA_BUILD_MODULE_DIR)
    // Only a program of the build tree (the program, a test, a benchmark) looks there: an
    // installed one never loads code from the folder it happened to be built in.
    const QString buildFolder = QDir::cleanPath(QStringLiteral(TUTORAMA_BUILD_DIR));
    if (programFolder == buildFolder || programFolder.startsWith(buildFolder + QLatin1Char('/')))
        folders << QStringLiteral(TUTORAMA_BUILD_MODULE_DIR);
#endif
    // Under the prefix the program is installed in, wherever that is; then where it was meant to
    // go.
    folders << QDir::cleanPath(programFolder + QStringLiteral("/" TUTORAMA_MODULE_RELDIR))
            << QStringLiteral(TUTORAMA_MODULE_DIR);
    folders.removeDuplicates();
    return folders;
}

QFunctionPointer CModuleLoader::Resolve(const QString& module, const char* entry)
{
    const QString fileName = QStringLiteral("libtutorama-%1.so").arg(module);
    QString reasons;
    for (const QString& folder : Folders()) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (QFunctionPointer function = library.resolve(entry))
            return function; // the library object goes, the library stays loaded
        reasons += library.errorString() + QLatin1Char('\n');
    }
    qWarning().noquote() << "Tutorama:" << fileName << "could not be loaded from"
                         << Folders().join(QLatin1String(", ")) << reasons.trimmed();
    return nullptr;
}
