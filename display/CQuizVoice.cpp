#include "CQuizVoice.h"

#include "CProgramLanguage.h"
#include "CSpeechSynthesizer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QUrl>

CQuizVoice::CQuizVoice(const QString& settingsFile)
    : m_pSettings(settingsFile.isEmpty()
                      ? std::make_unique<QSettings>()
                      : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat))
{
}

CQuizVoice::~CQuizVoice() = default;

QString CQuizVoice::Key(const QString& quizPath)
{
    // The same file reached by another path (a link, "..") is the same quiz; a file that does
    // not exist has no key. Slashes would make groups of the settings: the path is encoded.
    const QString canonical = QFileInfo(quizPath).canonicalFilePath();
    if (canonical.isEmpty())
        return QString();
    return QStringLiteral("QuizVoices/") + QString::fromLatin1(QUrl::toPercentEncoding(canonical));
}

QString CQuizVoice::Language(const QString& quizPath) const
{
    const QString key = Key(quizPath);
    const QString chosen = key.isEmpty() ? QString() : m_pSettings->value(key).toString();
    return chosen.isEmpty() ? CProgramLanguage::Code() : chosen;
}

bool CQuizVoice::IsChosen(const QString& quizPath) const
{
    const QString key = Key(quizPath);
    return !key.isEmpty() && m_pSettings->contains(key);
}

void CQuizVoice::Choose(const QString& quizPath, const QString& language)
{
    const QString key = Key(quizPath);
    if (key.isEmpty() || language.isEmpty())
        return;
    m_pSettings->setValue(key, language);
    m_pSettings->sync();
}

QString CQuizVoice::SpokenLanguage(const QString& quizPath) const
{
    const QString language = Language(quizPath);
    return CSpeechSynthesizer::HasVoice(language) ? language
                                                  : CSpeechSynthesizer::DefaultLanguage();
}

QStringList CQuizVoice::Languages()
{
    QStringList languages = CSpeechSynthesizer::VoiceLanguages();
    for (const QString& always : {CProgramLanguage::Code(), CSpeechSynthesizer::DefaultLanguage()})
        if (!languages.contains(always))
            languages.append(always);
    return languages;
}

QString CQuizVoice::DisplayName(const QString& language)
{
    const QLocale locale(language);
    // Qt names English after a country ("American English"); the voice is plain English.
    QString name = locale.language() == QLocale::C         ? language
                   : locale.language() == QLocale::English ? QStringLiteral("English")
                                                           : locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper(); // "français" starts a line in a list
    if (CSpeechSynthesizer::HasVoice(language))
        return name;
    return QCoreApplication::translate("CQuizVoice", "%1 (no voice here: English is spoken)")
        .arg(name);
}
