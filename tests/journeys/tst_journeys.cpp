#include "CActorSvr.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CRecordingOutput.h"
#include "CScorePage.h"
#include "CSheetHarness.h"
#include "CSpellingTakePage.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

// Whole journeys as a pupil makes them: a new quiz is made page by page,
// taken at once, scored, and reviewed in the question manager.
class TestJourneys : public QObject
{
    Q_OBJECT

private:
    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void Press(CSheetHarness& harness, const QString& name)
    {
        auto* button = harness.Find<QAbstractButton>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
        CSheetHarness::Settle();
    }

    // New quiz, its kind chosen, and the editor of that kind opened from the manager.
    static void MakeQuiz(CSheetHarness& harness, const QString& file, int type)
    {
        harness.StartNewQuiz(file);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        Press(harness, QStringLiteral("formatRadio%1").arg(type));
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        Press(harness, QStringLiteral("addButton"));
        QCOMPARE(harness.Index(), EditorPage(type));
    }

    // The manager's Finish, "Do you want to take this quiz now?" Yes.
    static void TakeNow(CSheetHarness& harness, int type)
    {
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        harness.m_prompt.QueueYesNo(true);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.m_prompt.m_questions.last(),
                 QStringLiteral("Do you want to take this quiz now?"));
        QCOMPARE(harness.Index(), IntroPage(type));
    }

    static QStringList ManagerLines(CSheetHarness& harness)
    {
        QStringList lines;
        auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
        for (int row = 0; list && row < list->model()->rowCount(); ++row)
            lines.append(list->model()->index(row, 0).data().toString());
        return lines;
    }

    using Action = CTakeDriver::Action;

    // What a journey needs to know of a kind while the quiz is taken.
    struct Taker
    {
        std::function<QString()> shown;                        // the question asked now
        std::function<QString(const QString&)> right;          // a right answer to it, as typed
        std::function<QString(const QString&)> wrong;          // a wrong one
        std::function<QString(const QString&)> answerSentence; // after "View Correct Answer"
    };

    static QString RightMessage() { return QStringLiteral("Correct. You got it right!"); }
    static QString WrongMessage() { return QStringLiteral("No. That is not correct."); }

    static QString ScoreLine(int correct, int count, int percent)
    {
        return QStringLiteral("You answered %1 out of %2 correctly. That equals %3%.")
            .arg(correct)
            .arg(count)
            .arg(percent);
    }

    static void TypeInto(QWidget* edit, const QString& text)
    {
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClicks(edit, text);
        // Editors ask the sheet to enable its buttons by posted messages; they
        // land when the event loop next runs, as it does before any next click.
        CSheetHarness::Settle();
    }

    // The editor's "New ?" (or "New Word") for every question but the last, Finish for that.
    static void StoreQuestion(CSheetHarness& harness, bool last)
    {
        const int id = last ? ID_SHEET_FINISH : ID_WIZNEXT;
        QVERIFY2(harness.IsShownEnabled(id), qPrintable(harness.Button(id)->text()));
        harness.Click(id);
        if (!last)
            QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled()); // a fresh, empty question
    }

    // Five questions taken with every move a pupil has: right; wrong, Try Again, right; wrong
    // with "View Correct Answer"; put off (Skip, Yes); given up (Skip, No), after which the
    // put-off one comes back and is answered right. Three of the five count as right.
    static void TakeWithEveryMove(CSheetHarness& harness, CTakeDriver& take, const Taker& taker,
                                  QStringList* asked)
    {
        const QString first = taker.shown();
        asked->append(first);
        take.TypeAnswer(taker.right(first));
        CTakeDriver::Seen seen = take.NextWithFeedback();
        QCOMPARE(seen.dialog, QStringLiteral("feedbackDlg"));
        QCOMPARE(seen.message, RightMessage());

        const QString second = taker.shown();
        asked->append(second);
        QVERIFY(second != first);
        take.TypeAnswer(taker.wrong(second));
        seen = take.NextWithFeedback(Action::TryAgain);
        QCOMPARE(seen.message, WrongMessage());
        QVERIFY(seen.tryAgainEnabled && seen.viewAnswerEnabled);
        QCOMPARE(taker.shown(), second);
        take.TypeAnswer(taker.right(second));
        QCOMPARE(take.NextWithFeedback().message, RightMessage());

        const QString third = taker.shown();
        asked->append(third);
        take.TypeAnswer(taker.wrong(third));
        seen = take.NextWithFeedback(Action::ViewThenNext);
        QCOMPARE(seen.message, WrongMessage());
        QCOMPARE(seen.messageAfterView, taker.answerSentence(third));

        const QString fourth = taker.shown();
        asked->append(fourth);
        harness.m_prompt.QueueYesNo(true);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.m_prompt.m_questions.last(),
                 QStringLiteral("Do you want to try this question later?"));
        const QString fifth = taker.shown();
        asked->append(fifth);
        QVERIFY(fifth != fourth);
        harness.m_prompt.QueueYesNo(false);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), QuestionPage(harness.Doc()->m_nQuizType));
        QCOMPARE(taker.shown(), fourth);
        take.TypeAnswer(taker.right(fourth));
        QCOMPARE(take.NextWithFeedback().message, RightMessage());

        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(qobject_cast<CScorePage*>(harness.PageWidget())->ScoreText(), ScoreLine(3, 5, 60));
    }

    // Review: the manager lists what was written, nothing asked left unanswered.
    static void ReviewShows(CSheetHarness& harness, const QStringList& lines)
    {
        harness.ClickPageButton(QStringLiteral("Review Quiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(ManagerLines(harness), lines);
        QVERIFY(harness.m_prompt.m_unanswered.isEmpty());
    }

    // The quiz as a fresh document reads it from disk; null when it cannot.
    static std::unique_ptr<CTU_QuizDoc> Reread(const QString& path)
    {
        auto doc = std::make_unique<CTU_QuizDoc>();
        return doc->OnOpenDocument(path) ? std::move(doc) : nullptr;
    }

    static QStringList Numbered(const QStringList& texts)
    {
        QStringList lines;
        for (int i = 0; i < texts.size(); ++i)
            lines.append(QStringLiteral("%1. %2").arg(i + 1).arg(texts[i]));
        return lines;
    }

private slots:
    void makeThenTakeTrueFalse()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        MakeQuiz(harness, QStringLiteral("Pets.qiz"), QUIZ_TRUE_FALSE);
        const QStringList statements{QStringLiteral("Cats can Purr."),
                                     QStringLiteral("Dogs lay eggs.")};
        for (int i = 0; i < statements.size(); ++i) {
            auto* edit = harness.Find<QPlainTextEdit>(QStringLiteral("statementEdit"));
            QTest::keyClicks(edit, statements[i]);
            Press(harness, i == 0 ? QStringLiteral("trueRadio") : QStringLiteral("falseRadio"));
            harness.Click(i + 1 < statements.size() ? ID_WIZNEXT : ID_SHEET_FINISH);
        }
        const QString path = harness.PathOf(QStringLiteral("Pets.qiz"));
        const QByteArray made = FileBytes(path);
        QVERIFY(!made.isEmpty());
        TakeNow(harness, QUIZ_TRUE_FALSE);

        harness.Click(ID_WIZNEXT);
        for (int i = 0; i < statements.size(); ++i) {
            const int answer = harness.Doc()->CurrentQuestion()->m_nAnswer;
            harness.PressPicture(answer == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
            QCOMPARE(take.NextWithFeedback().message, QStringLiteral("Correct. You got it right!"));
        }
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(qobject_cast<CScorePage*>(harness.PageWidget())->ScoreText(),
                 QStringLiteral("You answered 2 out of 2 correctly. That equals 100%."));
        harness.ClickPageButton(QStringLiteral("Review Quiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QVERIFY(ManagerLines(harness).join(QLatin1Char('\n')).contains(statements[0]));
        QCOMPARE(FileBytes(path), made);
    }
    void makeThenTakeFlashCards()
    {
        const QList<QPair<QString, QString>> cards{
            {QStringLiteral("Dog"), QStringLiteral("Hund")},
            {QStringLiteral("Cat"), QStringLiteral("Katze")},
            {QStringLiteral("the House"), QStringLiteral("das Haus")},
            {QStringLiteral("Tree"), QStringLiteral("Baum")},
            {QStringLiteral("Sun"), QStringLiteral("Sonne")}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        MakeQuiz(harness, QStringLiteral("German.qiz"), QUIZ_FLASH_CARD);
        QStringList lines;
        QHash<QString, QString> backs;
        for (int i = 0; i < cards.size(); ++i) {
            QCOMPARE(harness.Title(), QStringLiteral("Tutorama: Question %1 of %1").arg(i + 1));
            auto* card = harness.Find<QPlainTextEdit>(QStringLiteral("cardEdit"));
            TypeInto(card, cards[i].first);
            QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled()); // a front alone is no card
            Press(harness, QStringLiteral("flipButton"));
            QCOMPARE(card->toPlainText(), QString());
            TypeInto(card, cards[i].second);
            StoreQuestion(harness, i + 1 == cards.size());
            lines.append(
                QStringLiteral("%1. F: %2  B: %3").arg(i + 1).arg(cards[i].first, cards[i].second));
            backs.insert(cards[i].first, cards[i].second);
        }
        QCOMPARE(ManagerLines(harness), lines);
        const QString path = harness.PathOf(QStringLiteral("German.qiz"));
        const QByteArray made = FileBytes(path);
        TakeNow(harness, QUIZ_FLASH_CARD);
        QVERIFY(harness.Find<QAbstractButton>(QStringLiteral("showFronts"))->isChecked());
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_FLASH_CARD));

        const Taker taker{
            [&take] { return take.ShownQuestion(); },
            // Capitals do not matter to the judge.
            [&backs](const QString& front) { return backs.value(front).toLower(); },
            [](const QString&) { return QStringLiteral("Maus"); },
            [&backs](const QString& front) {
                return QStringLiteral(" The correct answer is %1.").arg(backs.value(front));
            }};
        QStringList asked;
        TakeWithEveryMove(harness, take, taker, &asked);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QSet<QString>(asked.begin(), asked.end()).size(), cards.size());
        ReviewShows(harness, lines);

        QCOMPARE(FileBytes(path), made);
        const std::unique_ptr<CTU_QuizDoc> reread = Reread(path);
        QVERIFY(reread);
        QCOMPARE(reread->m_nQuizType, int(QUIZ_FLASH_CARD));
        QCOMPARE(int(reread->Questions().size()), cards.size());
        for (int i = 0; i < cards.size(); ++i) {
            QCOMPARE(reread->Question(i)->m_strQuestion, cards[i].first);
            QCOMPARE(reread->Question(i)->m_strAnswer, cards[i].second);
        }
    }

    void makeThenTakeSpelling()
    {
        // Typed as a pupil might, with capitals; the word box keeps words in lower case.
        const QStringList typed{QStringLiteral("Beautiful"), QStringLiteral("friend"),
                                QStringLiteral("BECAUSE"), QStringLiteral("Island"),
                                QStringLiteral("necessary")};
        QStringList words;
        for (const QString& word : typed)
            words.append(word.toLower());
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        QList<QByteArray> spoken;
        auto* takePage =
            qobject_cast<CSpellingTakePage*>(harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)));
        QVERIFY(takePage);
        takePage->SetActor(
            std::make_unique<CActorSvr>(std::make_unique<CRecordingOutput>(&spoken)));
        MakeQuiz(harness, QStringLiteral("Week 4.qiz"), QUIZ_SPELLING);
        for (int i = 0; i < typed.size(); ++i) {
            QCOMPARE(harness.Button(ID_WIZNEXT)->text(), QStringLiteral("&New Word"));
            QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());
            QVERIFY(!harness.Button(ID_SHEET_FINISH)->isEnabled());
            auto* word = harness.Find<QLineEdit>(QStringLiteral("wordEdit"));
            TypeInto(word, typed[i]);
            QCOMPARE(word->text(), words[i]);
            QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
            StoreQuestion(harness, i + 1 == typed.size());
        }
        QCOMPARE(ManagerLines(harness), Numbered(words));
        const QString path = harness.PathOf(QStringLiteral("Week 4.qiz"));
        const QByteArray made = FileBytes(path);
        TakeNow(harness, QUIZ_SPELLING);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_SPELLING));
        QCOMPARE(spoken.size(), 1); // the word is said as the page opens

        const Taker taker{[takePage] { return takePage->Actor()->Text(); },
                          [](const QString& word) { return word; },
                          // One letter left out.
                          [](const QString& word) { return word.left(word.size() - 1); },
                          [](const QString& word) {
                              return QStringLiteral(" The correct answer is %1.").arg(word);
                          }};
        QStringList asked;
        TakeWithEveryMove(harness, take, taker, &asked);
        if (QTest::currentTestFailed())
            return;
        QStringList sortedAsked = asked;
        QStringList sortedWords = words;
        sortedAsked.sort();
        sortedWords.sort();
        QCOMPARE(sortedAsked, sortedWords);
        ReviewShows(harness, Numbered(words));

        QCOMPARE(FileBytes(path), made);
        const std::unique_ptr<CTU_QuizDoc> reread = Reread(path);
        QVERIFY(reread);
        QCOMPARE(reread->m_nQuizType, int(QUIZ_SPELLING));
        QCOMPARE(int(reread->Questions().size()), words.size());
        for (int i = 0; i < words.size(); ++i)
            QCOMPARE(reread->Question(i)->m_strQuestion, words[i]);
    }

    void makeThenTakeMath()
    {
        // The keys pressed on the keypad, the problem they make, and its answer.
        struct Problem
        {
            QString keys;
            QString text;
            QString answer;
            QString shown; // as the feedback shows the correct answer
        };
        const QList<Problem> problems{{QStringLiteral("57+41"), QStringLiteral("57 + 41"),
                                       QStringLiteral("98"), QStringLiteral("98.00")},
                                      {QStringLiteral("6*7"), QStringLiteral("6 * 7"),
                                       QStringLiteral("42"), QStringLiteral("42.00")},
                                      {QStringLiteral("10/4"), QStringLiteral("10 / 4"),
                                       QStringLiteral("2.5"), QStringLiteral("2.50")},
                                      {QStringLiteral("9-3"), QStringLiteral("9 - 3"),
                                       QStringLiteral("6"), QStringLiteral("6.00")},
                                      {QStringLiteral("1.5+2"), QStringLiteral("1.5 + 2"),
                                       QStringLiteral("3.50"), QStringLiteral("3.50")}};
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        MakeQuiz(harness, QStringLiteral("Sums.qiz"), QUIZ_MATH);
        QStringList texts;
        QHash<QString, QString> answers;
        QHash<QString, QString> shown;
        for (int i = 0; i < problems.size(); ++i) {
            for (const QChar key : problems[i].keys) {
                auto* button = harness.Find<QPushButton>(QStringLiteral("key%1").arg(key));
                QVERIFY2(button, qPrintable(QString(key)));
                QTest::mouseClick(button, Qt::LeftButton);
            }
            CSheetHarness::Settle();
            QCOMPARE(harness.Find<QLineEdit>(QStringLiteral("problemEdit"))->text(),
                     problems[i].text);
            StoreQuestion(harness, i + 1 == problems.size());
            texts.append(problems[i].text);
            answers.insert(problems[i].text, problems[i].answer);
            shown.insert(problems[i].text, problems[i].shown);
        }
        QCOMPARE(ManagerLines(harness), Numbered(texts));
        const QString path = harness.PathOf(QStringLiteral("Sums.qiz"));
        const QByteArray made = FileBytes(path);
        TakeNow(harness, QUIZ_MATH);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));

        const Taker taker{[&take] { return take.ShownQuestion(); },
                          [&answers](const QString& problem) { return answers.value(problem); },
                          [](const QString&) { return QStringLiteral("1"); },
                          [&shown](const QString& problem) {
                              return QStringLiteral(
                                         " The correct answer is %1 = %2.  Although this answer "
                                         "display shows two decimal places, the Tutorama accepts "
                                         "any correct answer rounded to two or more decimal "
                                         "places.")
                                  .arg(problem, shown.value(problem));
                          }};
        QStringList asked;
        TakeWithEveryMove(harness, take, taker, &asked);
        if (QTest::currentTestFailed())
            return;
        QStringList sortedAsked = asked;
        QStringList sortedTexts = texts;
        sortedAsked.sort();
        sortedTexts.sort();
        QCOMPARE(sortedAsked, sortedTexts);
        ReviewShows(harness, Numbered(texts));

        QCOMPARE(FileBytes(path), made);
        const std::unique_ptr<CTU_QuizDoc> reread = Reread(path);
        QVERIFY(reread);
        QCOMPARE(reread->m_nQuizType, int(QUIZ_MATH));
        QCOMPARE(int(reread->Questions().size()), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(reread->Question(i)->m_strQuestion, texts[i]);
    }
};

QTEST_MAIN(TestJourneys)
#include "tst_journeys.moc"
