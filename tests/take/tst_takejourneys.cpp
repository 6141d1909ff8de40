#include "CActorSvr.h"
#include "CFlashCardIntroPage.h"
#include "CPictureButton.h"
#include "CQuizIntroPage.h"
#include "CQuizSheet.h"
#include "CRecordingOutput.h"
#include "CScorePage.h"
#include "CSheetHarness.h"
#include "CSoundPlayer.h"
#include "CSpellingTakePage.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

// Whole runs of each kind of quiz, from Take Quiz on the welcome page to the
// score page and on to Retake, Review and Back, as a pupil meets them.
class TestTakeJourneys : public QObject
{
    Q_OBJECT

private:
    using Item = CTakeDriver::Item;
    using Action = CTakeDriver::Action;

    // Synthesised speech: long enough for a word and not all silence.
    static bool SoundsLikeSpeech(const QByteArray& pcm)
    {
        constexpr int kLoud = 1000;
        const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
        const auto count = pcm.size() / qsizetype(sizeof(qint16));
        return count > 2000 &&
               std::any_of(samples, samples + count, [](qint16 s) { return std::abs(s) > kLoud; });
    }

    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString Questions(int answered, int left, const char* singular, const char* plural,
                             const QString& pattern)
    {
        return pattern.arg(answered)
            .arg(answered == 1 ? singular : plural)
            .arg(left)
            .arg(left == 1 ? singular : plural);
    }

    static QString TrueFalseProgress(int answered, int left)
    {
        return Questions(answered, left, "question", "questions",
                         QStringLiteral("So far, you have answered %1 %2.\nAfter you answer this "
                                        "question, you will have %3 %4 left."));
    }

    static QString CardProgress(int answered, int left)
    {
        return QStringLiteral("So far, you have completed %1 %2.\nAfter you complete this card, "
                              "you will have %3 %4 left")
            .arg(answered)
            .arg(answered == 1 ? "card" : "cards")
            .arg(left)
            .arg(left == 1 ? "card" : "cards");
    }

    static QString WordProgress(int answered, int left)
    {
        return QStringLiteral("So far, you have spelled %1 %2.\nAfter you spell this word, you "
                              "will have %3 %4 left.")
            .arg(answered)
            .arg(answered == 1 ? "word" : "words")
            .arg(left)
            .arg(left == 1 ? "word" : "words");
    }

    static QString ProblemProgress(int answered, int left)
    {
        return QStringLiteral("So far, you have completed %1 %2.\nAfter you answer this problem, "
                              "you will have %3 %4 left.")
            .arg(answered)
            .arg(answered == 1 ? "problem" : "problems")
            .arg(left)
            .arg(left == 1 ? "problem" : "problems");
    }

    static QString Score(int correct, int count, const char* percent)
    {
        return QStringLiteral("You answered %1 out of %2 correctly. That equals %3%.")
            .arg(correct)
            .arg(count)
            .arg(QLatin1String(percent));
    }

    static QString ScoreText(CSheetHarness& harness)
    {
        auto* page = qobject_cast<CScorePage*>(harness.PageWidget());
        return page ? page->ScoreText() : QString();
    }

    static int LastWave(CSheetHarness& harness) { return harness.Context().m_pSound->LastPlayed(); }

    // The true/false answer the author gave to the statement on screen.
    static int AnswerOf(const QList<Item>& items, const QString& shown)
    {
        for (const Item& item : items)
            if (item.question == shown)
                return item.answer;
        return -1;
    }

    static QString BackOf(const QList<Item>& items, const QString& front)
    {
        for (const Item& item : items)
            if (item.question == front)
                return item.back;
        return {};
    }

    static QString Expected(const QList<Item>& items, const QString& shown)
    {
        for (const Item& item : items)
            if (item.question == shown)
                return item.back;
        return {};
    }

    static void Choose(CSheetHarness& harness, int choice)
    {
        harness.PressPicture(choice == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
    }

    const QString kRight = QStringLiteral("Correct. You got it right!");
    const QString kWrong = QStringLiteral("No. That is not correct.");

private slots:
    void trueFalseJourney()
    {
        const QList<Item> items{{QStringLiteral("The Sun is a star."), 0, {}},
                                {QStringLiteral("Fish can fly."), 1, {}},
                                {QStringLiteral("Ice is cold."), 0, {}},
                                {QStringLiteral("Two and two make five."), 1, {}}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        const QString path = harness.PathOf(QStringLiteral("Animals and Things.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_TRUE_FALSE, items);
        const QByteArray written = FileBytes(path);

        take.OpenForTaking(path);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_TRUE_FALSE));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama: Animals and Things.qiz"));
        auto* intro = qobject_cast<CQuizIntroPage*>(harness.PageWidget());
        QCOMPARE(intro->CountText(), QStringLiteral("This quiz has 4 statement(s)."));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QCOMPARE(harness.Button(IDCANCEL)->text(), QStringLiteral("Cancel"));
        harness.Click(ID_WIZNEXT);

        // First statement: nothing chosen, so neither Next nor Finish works yet.
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama: ") + path);
        QCOMPARE(take.Progress(), TrueFalseProgress(0, 3));
        QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(!harness.Button(ID_SHEET_FINISH)->isEnabled());
        QCOMPARE(harness.Button(IDCANCEL)->text(), QStringLiteral("Skip ?"));
        const QString first = take.ShownQuestion();
        Choose(harness, AnswerOf(items, first));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        CTakeDriver::Seen seen = take.NextWithFeedback();
        QCOMPARE(seen.dialog, QStringLiteral("trueFalseFeedbackDlg"));
        QCOMPARE(seen.title, QStringLiteral("Tutorama Feedback"));
        QCOMPARE(seen.message, kRight);

        // A wrong choice names the right one.
        QCOMPARE(take.Progress(), TrueFalseProgress(1, 2));
        const QString second = take.ShownQuestion();
        QVERIFY(second != first);
        const int secondAnswer = AnswerOf(items, second);
        Choose(harness, 1 - secondAnswer);
        seen = take.NextWithFeedback();
        QCOMPARE(seen.message, secondAnswer == 1
                                   ? QStringLiteral("No. The correct answer is False.")
                                   : QStringLiteral("No. The correct answer is True."));

        // Back shows the earlier statement with its choice; this time it is right.
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        QCOMPARE(take.ShownQuestion(), second);
        QCOMPARE(take.Progress(), TrueFalseProgress(1, 2));
        QVERIFY(harness
                    .Find<CPictureButton>(
                        QStringLiteral("pictureButton%1")
                            .arg(secondAnswer == 1 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON))
                    ->IsPressed());
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        Choose(harness, secondAnswer);
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Put the third off (Yes) and give the fourth up (No): the third comes back.
        const QString third = take.ShownQuestion();
        harness.m_prompt.QueueYesNo(true);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.m_prompt.m_questions.last(),
                 QStringLiteral("Do you want to try this question later?"));
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        QCOMPARE(take.Progress(), TrueFalseProgress(2, 1));
        const QString fourth = take.ShownQuestion();
        QVERIFY(fourth != third);
        harness.m_prompt.QueueYesNo(false);
        harness.Click(IDCANCEL);
        QCOMPARE(take.ShownQuestion(), third);
        QCOMPARE(take.Progress(), TrueFalseProgress(3, 0));
        Choose(harness, AnswerOf(items, third));
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Three right, the fourth given up.
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScoreText(harness), Score(3, 4, "75"));
        QCOMPARE(LastWave(harness), int(IDW_SCORE));
        QCOMPARE(harness.Button(IDCANCEL)->text(), QStringLiteral("Close"));
        QVERIFY(!harness.Button(ID_WIZNEXT)->isVisible());

        // Back: the last position is asked again; answering it right makes it perfect.
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        QCOMPARE(take.ShownQuestion(), fourth);
        Choose(harness, AnswerOf(items, fourth));
        QCOMPARE(take.NextWithFeedback().message, kRight);
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScoreText(harness), Score(4, 4, "100"));
        QCOMPARE(LastWave(harness), int(IDW_PERFECT_SCORE));

        // Retake starts a fresh run from the introduction.
        harness.ClickPageButton(QStringLiteral("Retake Quiz"));
        QCOMPARE(harness.Index(), IntroPage(QUIZ_TRUE_FALSE));
        harness.Click(ID_WIZNEXT);
        QCOMPARE(take.Progress(), TrueFalseProgress(0, 3));
        for (int i = 0; i < items.size(); ++i) {
            Choose(harness, 1 - AnswerOf(items, take.ShownQuestion()));
            QVERIFY(take.NextWithFeedback().message.startsWith(QStringLiteral("No. ")));
        }
        QCOMPARE(ScoreText(harness), Score(0, 4, "0"));

        // Review opens the question manager; taking never touched the file.
        harness.ClickPageButton(QStringLiteral("Review Quiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(FileBytes(path), written);
        QVERIFY(harness.m_prompt.m_unanswered.isEmpty());
    }

    void flashCardJourney()
    {
        const QList<Item> items{{QStringLiteral("Dog"), 0, QStringLiteral("Hund")},
                                {QStringLiteral("Cat"), 0, QStringLiteral("Katze")},
                                {QStringLiteral("House"), 0, QStringLiteral("Haus")},
                                {QStringLiteral("Tree"), 0, QStringLiteral("Baum")},
                                {QStringLiteral("Sun"), 0, QStringLiteral("Sonne")}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        const QString path = harness.PathOf(QStringLiteral("German Words.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_FLASH_CARD, items);
        const QByteArray written = FileBytes(path);

        take.OpenForTaking(path);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_FLASH_CARD));
        auto* intro = qobject_cast<CQuizIntroPage*>(harness.PageWidget());
        QCOMPARE(intro->CountText(), QStringLiteral("This quiz has 5 flash cards(s)."));
        QVERIFY(harness.Find<QAbstractButton>(QStringLiteral("showFronts"))->isChecked());
        harness.Click(ID_WIZNEXT);

        // Fronts shown; Next waits for an answer typed in the back box.
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_FLASH_CARD));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama: ") + path);
        QCOMPARE(take.Progress(), CardProgress(0, 4));
        QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());
        take.TypeAnswer(BackOf(items, take.ShownQuestion()).toLower());
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        CTakeDriver::Seen seen = take.NextWithFeedback();
        QCOMPARE(seen.dialog, QStringLiteral("feedbackDlg"));
        QCOMPARE(seen.message, kRight);
        QVERIFY(!seen.tryAgainEnabled && !seen.viewAnswerEnabled);

        // Wrong, Try Again with the answer still there, wrong again: the answer is named.
        QCOMPARE(take.Progress(), CardProgress(1, 3));
        const QString second = take.ShownQuestion();
        take.TypeAnswer(QStringLiteral("Maus"));
        seen = take.NextWithFeedback(Action::TryAgain);
        QCOMPARE(seen.message, kWrong);
        QVERIFY(seen.tryAgainEnabled && seen.viewAnswerEnabled);
        QCOMPARE(take.ShownQuestion(), second);
        QCOMPARE(take.AnswerBoxText(), QStringLiteral("Maus"));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QCOMPARE(take.Progress(), CardProgress(1, 3));
        take.TypeAnswer(QStringLiteral("Mouse"));
        seen = take.NextWithFeedback();
        QCOMPARE(seen.message,
                 kWrong + QStringLiteral("  The correct answer is %1.").arg(BackOf(items, second)));
        QVERIFY(!seen.tryAgainEnabled && !seen.viewAnswerEnabled);

        // Back to that card: its last answer is there; now it is put right.
        harness.Click(ID_WIZBACK);
        QCOMPARE(take.ShownQuestion(), second);
        QCOMPARE(take.AnswerBoxText(), QStringLiteral("Mouse"));
        take.TypeAnswer(BackOf(items, second));
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // View Correct Answer, then Try Again, then right.
        const QString third = take.ShownQuestion();
        take.TypeAnswer(QStringLiteral("Garten"));
        seen = take.NextWithFeedback(Action::ViewThenTryAgain);
        QCOMPARE(seen.messageAfterView,
                 QStringLiteral(" The correct answer is %1.").arg(BackOf(items, third)));
        QVERIFY(seen.tryAgainEnabled);
        take.TypeAnswer(BackOf(items, third).toUpper());
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Skip Yes, then skip No on the last card: the put-off card comes back.
        const QString fourth = take.ShownQuestion();
        harness.m_prompt.QueueYesNo(true);
        harness.Click(IDCANCEL);
        QCOMPARE(take.Progress(), CardProgress(3, 1));
        harness.m_prompt.QueueYesNo(false);
        harness.Click(IDCANCEL);
        QCOMPARE(take.ShownQuestion(), fourth);
        QCOMPARE(take.AnswerBoxText(), QString());
        QCOMPARE(take.Progress(), CardProgress(4, 0));
        take.TypeAnswer(BackOf(items, fourth));
        QCOMPARE(take.NextWithFeedback().message, kRight);

        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScoreText(harness), Score(4, 5, "80"));

        // Retake showing the backs: the fronts are typed, capitals do not matter.
        harness.ClickPageButton(QStringLiteral("Retake Quiz"));
        QCOMPARE(harness.Index(), IntroPage(QUIZ_FLASH_CARD));
        harness.ClickPageButton(QStringLiteral("Show Backs"));
        QVERIFY(!harness.Doc()->m_bShowFronts);
        harness.Click(ID_WIZNEXT);
        const QString back = take.ShownQuestion();
        QString front;
        for (const Item& item : items)
            if (item.back == back)
                front = item.question;
        take.TypeAnswer(front.toUpper());
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Quitting asks first; No keeps the card.
        const QString shown = take.ShownQuestion();
        harness.m_prompt.QueueYesNo(false);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.m_prompt.m_questions.last(),
                 QStringLiteral("Are you sure you want to quit the quiz?"));
        QCOMPARE(take.ShownQuestion(), shown);
        harness.m_prompt.QueueYesNo(true);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));

        // The author's capitals are still in the file.
        QCOMPARE(FileBytes(path), written);
        CTU_QuizDoc reread;
        QVERIFY(reread.OnOpenDocument(path));
        QCOMPARE(reread.Question(0)->m_strAnswer, QStringLiteral("Hund"));
        QVERIFY(harness.m_prompt.m_unanswered.isEmpty());
    }

    void spellingJourney()
    {
        const QList<Item> items{{QStringLiteral("Beautiful"), 0, {}},
                                {QStringLiteral("friend"), 0, {}},
                                {QStringLiteral("Because"), 0, {}}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        QList<QByteArray> spoken;
        auto* page =
            qobject_cast<CSpellingTakePage*>(harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)));
        page->SetActor(std::make_unique<CActorSvr>(std::make_unique<CRecordingOutput>(&spoken)));
        const QString path = harness.PathOf(QStringLiteral("Week 3.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_SPELLING, items);
        const QByteArray written = FileBytes(path);

        take.OpenForTaking(path);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_SPELLING));
        QCOMPARE(qobject_cast<CQuizIntroPage*>(harness.PageWidget())->CountText(),
                 QStringLiteral("This quiz has 3 word(s)."));
        harness.Click(ID_WIZNEXT);

        // The word is said as the page opens, through the real speech engine.
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_SPELLING));
        QCOMPARE(take.Progress(), WordProgress(0, 2));
        QCOMPARE(spoken.size(), 1);
        const QString first = page->Actor()->Text();
        QVERIFY(SoundsLikeSpeech(spoken[0]));
        // The engine's output varies a little from call to call; the word's length does not.
        QVERIFY(qAbs(spoken[0].size() - CActorSvr::Synthesize(first).Pcm().size()) <
                spoken[0].size() / 10);
        QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());

        // The speaker says it again; the typing shows as capitals.
        harness.PressPicture(IDB_SPEAKER_BUTTON);
        QCOMPARE(spoken.size(), 2);
        QVERIFY(qAbs(spoken[1].size() - spoken[0].size()) < spoken[0].size() / 10);
        take.TypeAnswer(first.toLower());
        QCOMPARE(take.AnswerBoxText(), first.toUpper());
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Wrong, Try Again: the word is said once more, the answer stays.
        QCOMPARE(spoken.size(), 3);
        const QString second = page->Actor()->Text();
        QVERIFY(second != first);
        take.TypeAnswer(second + QLatin1Char('x'));
        CTakeDriver::Seen seen = take.NextWithFeedback(Action::TryAgain);
        QCOMPARE(seen.message, kWrong);
        QCOMPARE(spoken.size(), 4);
        QCOMPARE(page->Actor()->Text(), second);
        QCOMPARE(take.AnswerBoxText(), (second + QLatin1Char('x')).toUpper());
        take.TypeAnswer(second);
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // The last word is given up.
        const QString third = page->Actor()->Text();
        QCOMPARE(take.Progress(), WordProgress(2, 0));
        harness.m_prompt.QueueYesNo(false);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScoreText(harness), Score(2, 3, "67"));

        // Back asks the last word again; spelled right it completes the quiz.
        harness.Click(ID_WIZBACK);
        QCOMPARE(page->Actor()->Text(), third);
        take.TypeAnswer(third);
        QCOMPARE(take.NextWithFeedback().message, kRight);
        QCOMPARE(ScoreText(harness), Score(3, 3, "100"));

        harness.ClickPageButton(QStringLiteral("Review Quiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(harness.Doc()->Question(0)->m_strQuestion, QStringLiteral("Beautiful"));
        QCOMPARE(FileBytes(path), written);
    }

    void mathJourney()
    {
        const QList<Item> items{{QStringLiteral("57 + 41"), 0, {}},
                                {QStringLiteral("10 / 4"), 0, {}},
                                {QStringLiteral("1 / 3"), 0, {}},
                                {QStringLiteral("6 * 7"), 0, {}}};
        const QHash<QString, QString> answers{{QStringLiteral("57 + 41"), QStringLiteral("98")},
                                              {QStringLiteral("10 / 4"), QStringLiteral("2.50")},
                                              {QStringLiteral("1 / 3"), QStringLiteral("0.333")},
                                              {QStringLiteral("6 * 7"), QStringLiteral("42")}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        const QString path = harness.PathOf(QStringLiteral("Sums.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_MATH, items);
        const QByteArray written = FileBytes(path);

        take.OpenForTaking(path);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_MATH));
        QCOMPARE(qobject_cast<CQuizIntroPage*>(harness.PageWidget())->CountText(),
                 QStringLiteral("This quiz has 4 equation(s)."));
        harness.Click(ID_WIZNEXT);

        // Letters are refused before any judging.
        QCOMPARE(take.Progress(), ProblemProgress(0, 3));
        take.TypeAnswer(QStringLiteral("ninety"));
        QCOMPARE(take.NextWithFeedback().dialog, QString());
        QCOMPARE(harness.m_prompt.m_messages.last(),
                 QStringLiteral("You Must Enter A Valid Number"));
        QCOMPARE(harness.Doc()->m_nAnswered, 0);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));
        take.TypeAnswer(answers.value(take.ShownQuestion()));
        QCOMPARE(take.NextWithFeedback().message, kRight);

        // Wrong twice: the value is shown with two decimals.
        QCOMPARE(take.Progress(), ProblemProgress(1, 2));
        const QString second = take.ShownQuestion();
        take.TypeAnswer(QStringLiteral("1"));
        QCOMPARE(take.NextWithFeedback(Action::TryAgain).message, kWrong);
        QCOMPARE(take.AnswerBoxText(), QStringLiteral("1"));
        CTakeDriver::Seen seen = take.NextWithFeedback();
        const double value = harness.Doc()->EvaluateProblem(second);
        QCOMPARE(seen.message,
                 kWrong + QStringLiteral("  The correct answer is %1 = %2.  Although this answer "
                                         "display shows two decimal places, the Tutorama accepts "
                                         "any correct answer rounded to two or more decimal "
                                         "places.")
                              .arg(second, QString::number(value, 'f', 2)));

        // Put one off, answer the last, and the put-off one returns.
        const QString third = take.ShownQuestion();
        harness.m_prompt.QueueYesNo(true);
        harness.Click(IDCANCEL);
        take.TypeAnswer(answers.value(take.ShownQuestion()));
        QCOMPARE(take.NextWithFeedback(Action::PressEnter).message, kRight);
        QCOMPARE(take.ShownQuestion(), third);
        QCOMPARE(take.Progress(), ProblemProgress(3, 0));
        take.TypeAnswer(answers.value(third));
        QCOMPARE(take.NextWithFeedback(Action::PressEscape).message, kRight);

        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScoreText(harness), Score(3, 4, "75"));

        // Back, then Next on the last question: the feedback runs and the score returns.
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(!take.NextWithFeedback().message.isEmpty());
        QCOMPARE(harness.Index(), int(PAGE_SCORE));

        harness.ClickPageButton(QStringLiteral("Retake Quiz"));
        QCOMPARE(harness.Index(), IntroPage(QUIZ_MATH));
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QCOMPARE(FileBytes(path), written);
    }
};

QTEST_MAIN(TestTakeJourneys)
#include "tst_takejourneys.moc"
