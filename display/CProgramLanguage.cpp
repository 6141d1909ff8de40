#include "CProgramLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

QString CProgramLanguage::Code()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QStringLiteral("en");
    // "de_AT" and "de_DE" are both German.
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

QString CProgramLanguage::FileIn(const QString& dir, const QString& name, const QString& code)
{
    const QDir folder(dir);
    const QString translated = folder.filePath(code + QLatin1Char('/') + name);
    if (!code.isEmpty() && QFileInfo::exists(translated))
        return translated;
    return folder.filePath(name);
}
