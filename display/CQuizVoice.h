#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The language a quiz's words are spoken in. It is the program's language unless a pupil or a
// teacher chose another for that quiz file (a German pupil practising English words chooses
// English). The choice is kept in the user's settings under the file's canonical path, so the
// quiz file itself never changes. A language the speech engine has no voice for is spoken in
// English, and its name in a choice says so.
//
// Whatever speaks a quiz's words asks SpokenLanguage() and hands it to CActorSvr::SetLanguage.
class CQuizVoice
{
public:
    // settingsFile: where the choices are kept; empty for the user's own settings.
    explicit CQuizVoice(const QString& settingsFile = QString());
    ~CQuizVoice();
    CQuizVoice(const CQuizVoice&) = delete;
    CQuizVoice& operator=(const CQuizVoice&) = delete;

    // The language chosen for the quiz file, else the program's language.
    QString Language(const QString& quizPath) const;
    // Whether a language was chosen for the quiz file.
    bool IsChosen(const QString& quizPath) const;
    // Keeps a language for the quiz file. A quiz not yet saved to a file keeps nothing.
    void Choose(const QString& quizPath, const QString& language);
    // The language the voice speaks for the quiz: Language(), or English without a voice for it.
    QString SpokenLanguage(const QString& quizPath) const;

    // The languages offered: every language with a voice, the program's language and English.
    static QStringList Languages();
    // The language's own name for a pupil to pick ("Deutsch"); one without a voice adds that
    // English is spoken instead.
    static QString DisplayName(const QString& language);

private:
    static QString Key(const QString& quizPath);

    std::unique_ptr<QSettings> m_pSettings;
};
