#pragma once

#include <QList>
#include <QString>

#include <functional>

class CSheetHarness;
class CTU_QuizDoc;

// Drives the taking of a quiz through the real sheet: writes quizzes to disk,
// opens them with Take Quiz, and answers the feedback dialogs that Next opens
// (they are real modal dialogs: a timer finds the open one and clicks in it).
class CTakeDriver
{
public:
    // One question of a quiz on disk: text, the true/false answer, the card back.
    struct Item
    {
        QString question;
        int answer = 0;
        QString back;
    };

    // What the pupil saw in a feedback dialog.
    struct Seen
    {
        QString dialog; // the dialog's object name, empty when none opened
        QString title;
        QString message;
        QString messageAfterView; // after "View Correct Answer"
        int pictureId = 0;
        bool tryAgainEnabled = false;
        bool viewAnswerEnabled = false;
    };

    enum class Action
    {
        Next,
        TryAgain,
        ViewThenNext,
        ViewThenTryAgain,
        PressEnter,
        PressEscape
    };

    explicit CTakeDriver(CSheetHarness& harness);

    static void WriteQuiz(const QString& path, int type, const QList<Item>& items);
    // A random source that counts up from 0, so runs repeat exactly.
    static void MakeDeterministic(CTU_QuizDoc* doc, QList<unsigned>* seeds = nullptr);

    // Take Quiz on the welcome page with this file chosen in the open dialog.
    void OpenForTaking(const QString& path);
    // Clicks the sheet's Next and deals with the feedback dialog it opens.
    Seen NextWithFeedback(Action action = Action::Next);
    // The question text on the current question page.
    QString ShownQuestion() const;
    // Types into the current page's answer box (replacing what it holds).
    void TypeAnswer(const QString& text);
    QString AnswerBoxText() const;
    QString Progress() const;

private:
    CSheetHarness& m_harness;
};
