#include "CQuizIntroPage.h"
#include "CQuizSheet.h"
#include "CScorePage.h"
#include "CSheetHarness.h"
#include "CSoundPlayer.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstdlib>

// The corners of the take pages that whole journeys do not reach: every
// score, the perfect-score dance frame by frame, the moves of the
// introduction pages, and quizzes without questions.
class TestTakePages : public QObject
{
    Q_OBJECT

private:
    using Item = CTakeDriver::Item;

    static CScorePage* ScorePage(CSheetHarness& harness)
    {
        return qobject_cast<CScorePage*>(harness.Sheet()->Page(PAGE_SCORE));
    }

    // Takes a true/false quiz of count statements, right for the first ones.
    static void TakeTrueFalse(CSheetHarness& harness, int count, int right)
    {
        QList<Item> items;
        for (int i = 0; i < count; ++i)
            items.append({QStringLiteral("Statement %1").arg(i), i % 2, {}});
        CTakeDriver::MakeDeterministic(harness.Doc());
        const QString path = harness.PathOf(QStringLiteral("score.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_TRUE_FALSE, items);
        CTakeDriver take(harness);
        take.OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        for (int i = 0; i < count; ++i) {
            const int answer = harness.Doc()->CurrentQuestion()->m_nAnswer;
            const int choice = i < right ? answer : 1 - answer;
            harness.PressPicture(choice == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
            take.NextWithFeedback();
        }
    }

private slots:
    void scoreLines_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("wave");
        QTest::addRow("3 of 4") << 4 << 3 << "You answered 3 out of 4 correctly. That equals 75%."
                                << int(IDW_SCORE);
        QTest::addRow("2 of 3") << 3 << 2 << "You answered 2 out of 3 correctly. That equals 67%."
                                << int(IDW_SCORE);
        QTest::addRow("1 of 3") << 3 << 1 << "You answered 1 out of 3 correctly. That equals 33%."
                                << int(IDW_SCORE);
        QTest::addRow("one of one")
            << 1 << 1 << "You answered 1 out of 1 correctly. That equals 100%."
            << int(IDW_PERFECT_SCORE);
    }

    void scoreLines()
    {
        QFETCH(int, count);
        QFETCH(int, right);
        QFETCH(QString, line);
        QFETCH(int, wave);
        CSheetHarness harness;
        TakeTrueFalse(harness, count, right);
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        CScorePage* page = ScorePage(harness);
        QCOMPARE(page->ScoreText(), line);
        QCOMPARE(harness.Context().m_pSound->LastPlayed(), wave);
        QCOMPARE(page->IsAnimating(), wave == IDW_PERFECT_SCORE);
        QVERIFY(harness.Button(ID_SHEET_FINISH)->isDefault());
        QVERIFY(harness.Find<QPushButton>(QStringLiteral("reviewButton"))->isEnabled());
    }

    void percentageIsAWholeNumberInEveryLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        QCOMPARE(CScorePage::FormatPercentage(200.0f / 3.0f), QStringLiteral("67"));
        QCOMPARE(CScorePage::FormatPercentage(100.0f), QStringLiteral("100"));
        std::setlocale(LC_NUMERIC, "C");
        QLocale::setDefault(saved);
    }

    void perfectScoreDancesSixtySixTicks()
    {
        CSheetHarness harness;
        TakeTrueFalse(harness, 2, 2);
        CScorePage* page = ScorePage(harness);
        QVERIFY(page->IsAnimating());
        QCOMPARE(page->AnimationTimer()->interval(), 100);
        QCOMPARE(page->FrameIndex(), 0);
        // Out, back and a step on: 1 ... 6, 6 ... 0, 1; then four more sweeps from 1.
        QList<int> expected{1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 0, 1};
        for (int sweep = 1; sweep < 5; ++sweep)
            expected += QList<int>{2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 0, 1};
        QCOMPARE(expected.size(), 66);
        for (int tick = 0; tick < expected.size(); ++tick) {
            QVERIFY2(page->IsAnimating(),
                     qPrintable(QStringLiteral("stopped before tick %1").arg(tick + 1)));
            page->Tick();
            QCOMPARE(page->FrameIndex(), expected[tick]);
        }
        QVERIFY(!page->IsAnimating());
        QCOMPARE(CScorePage::FrameBitmap(page->FrameIndex()), int(IDB_SCORE_PICTURE));
        QVERIFY(!page->grab().isNull());

        // Leaving the page and coming back with another perfect score starts again.
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        TakeTrueFalse(harness, 1, 1);
        QVERIFY(page->IsAnimating());
        QCOMPARE(page->FrameIndex(), 0);
    }

    void leavingTheScorePageStopsTheDance()
    {
        CSheetHarness harness;
        TakeTrueFalse(harness, 1, 1);
        QVERIFY(ScorePage(harness)->IsAnimating());
        harness.ClickPageButton(QStringLiteral("Retake Quiz"));
        QCOMPARE(harness.Index(), IntroPage(QUIZ_TRUE_FALSE));
        QVERIFY(!ScorePage(harness)->IsAnimating());
    }

    void closeOnTheScorePageEndsTheProgram()
    {
        CSheetHarness harness;
        TakeTrueFalse(harness, 1, 0);
        QSignalSpy rejected(harness.Sheet(), &QDialog::rejected);
        harness.Click(IDCANCEL);
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!harness.Sheet()->isVisible());
    }

    void introductionMoves_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("takeMode");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("target");
        for (int type = QUIZ_TRUE_FALSE; type <= QUIZ_MATH; ++type) {
            QTest::addRow("kind %d Back when taking", type)
                << type << true << int(ID_WIZBACK) << int(PAGE_WELCOME);
            QTest::addRow("kind %d Back when making", type)
                << type << false << int(ID_WIZBACK) << int(PAGE_QUESTION_MANAGER);
            QTest::addRow("kind %d Cancel", type)
                << type << true << int(IDCANCEL) << int(PAGE_WELCOME);
            QTest::addRow("kind %d Next", type)
                << type << true << int(ID_WIZNEXT) << QuestionPage(type);
        }
    }

    void introductionMoves()
    {
        QFETCH(int, type);
        QFETCH(bool, takeMode);
        QFETCH(int, button);
        QFETCH(int, target);
        CSheetHarness harness;
        CTU_QuizDoc* doc = harness.Doc();
        CTakeDriver::MakeDeterministic(doc);
        doc->SetQuizType(type);
        doc->AddQuestion()->m_strQuestion = QStringLiteral("2 + 2");
        doc->m_bTakeMode = takeMode;
        harness.Sheet()->GoToPage(IntroPage(type));
        CSheetHarness::Settle();
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(harness.Button(ID_WIZNEXT)->isDefault());
        harness.Click(button);
        QCOMPARE(harness.Index(), target);
        QVERIFY(harness.Sheet()->isVisible());
    }

    void quizWithoutQuestionsNeverBreaks_data()
    {
        QTest::addColumn<int>("type");
        for (int type = QUIZ_TRUE_FALSE; type <= QUIZ_MATH; ++type)
            QTest::addRow("kind %d", type) << type;
    }

    void quizWithoutQuestionsNeverBreaks()
    {
        QFETCH(int, type);
        CSheetHarness harness;
        CTU_QuizDoc* doc = harness.Doc();
        doc->SetQuizType(type);
        harness.Sheet()->GoToPage(IntroPage(type));
        CSheetHarness::Settle();
        QVERIFY(qobject_cast<CQuizIntroPage*>(harness.PageWidget())
                    ->CountText()
                    .contains(QStringLiteral(" 0 ")));

        // Next says why nothing can be asked and stays.
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), IntroPage(type));
        QCOMPARE(harness.m_prompt.m_messages.last(), CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS));

        // A question page with nothing to ask hands over to the score.
        harness.Sheet()->GoToPage(QuestionPage(type));
        CSheetHarness::Settle();
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(ScorePage(harness)->ScoreText(),
                 QStringLiteral("You answered 0 out of 0 correctly. That equals 0%."));
        QVERIFY(!ScorePage(harness)->IsAnimating());

        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), IntroPage(type));
        harness.Sheet()->GoToPage(PAGE_SCORE);
        harness.ClickPageButton(QStringLiteral("Retake Quiz"));
        QCOMPARE(harness.Index(), IntroPage(type));
    }

    void backOnTheFirstQuestionReturnsToTheIntroduction()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        const QString path = harness.PathOf(QStringLiteral("one.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_SPELLING, {{QStringLiteral("yellow"), 0, {}}});
        CTakeDriver take(harness);
        take.OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(take.Progress(), QStringLiteral("So far, you have spelled 0 words.\nAfter you "
                                                 "spell this word, you will have 0 words left."));
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_SPELLING));
    }

    void skipYesOnEveryQuestionKeepsOfferingThem()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        const QString path = harness.PathOf(QStringLiteral("cards.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_FLASH_CARD,
                               {{QStringLiteral("red"), 0, QStringLiteral("rot")},
                                {QStringLiteral("blue"), 0, QStringLiteral("blau")}});
        CTakeDriver(harness).OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        for (int skip = 0; skip < 6; ++skip) {
            harness.m_prompt.QueueYesNo(true);
            harness.Click(IDCANCEL);
            QCOMPARE(harness.Index(), QuestionPage(QUIZ_FLASH_CARD));
            QVERIFY(harness.Doc()->CurrentQuestion());
        }
        QVERIFY(harness.Doc()->m_bRandomPhase);
        QCOMPARE(harness.Doc()->m_nAnswered, 0);
    }

    void eachStartAsksInItsOwnOrder()
    {
        // Every start of the program begins from the library's unseeded
        // generator; the first question asked must still vary between starts.
        QList<Item> items;
        for (int i = 0; i < 6; ++i)
            items.append({QStringLiteral("Statement %1").arg(i), 0, {}});
        QSet<QString> firstAsked;
        for (int start = 0; start < 8; ++start) {
            std::srand(1);
            CSheetHarness harness;
            const QString path = harness.PathOf(QStringLiteral("order.qiz"));
            CTakeDriver::WriteQuiz(path, QUIZ_TRUE_FALSE, items);
            CTakeDriver take(harness);
            take.OpenForTaking(path);
            harness.Click(ID_WIZNEXT);
            firstAsked.insert(take.ShownQuestion());
        }
        QVERIFY2(firstAsked.size() > 1, qPrintable(firstAsked.values().join(u',')));
    }

    void backStartsTheQuestionOnItsFirstTry()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        const QString path = harness.PathOf(QStringLiteral("back.qiz"));
        CTakeDriver::WriteQuiz(
            path, QUIZ_MATH, {{QStringLiteral("2 + 2"), 0, {}}, {QStringLiteral("3 + 3"), 0, {}}});
        CTakeDriver take(harness);
        take.OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        const QString first = take.ShownQuestion();
        take.TypeAnswer(QString::number(harness.Doc()->EvaluateProblem(first)));
        take.NextWithFeedback();
        take.TypeAnswer(QStringLiteral("1"));
        QVERIFY(take.NextWithFeedback(CTakeDriver::Action::TryAgain).tryAgainEnabled);

        // Back from the second try of the next question: the first one is wrong
        // now, and on its first try it offers a second.
        harness.Click(ID_WIZBACK);
        QCOMPARE(take.ShownQuestion(), first);
        take.TypeAnswer(QStringLiteral("1"));
        const CTakeDriver::Seen seen = take.NextWithFeedback(CTakeDriver::Action::TryAgain);
        QVERIFY(seen.tryAgainEnabled);
        QVERIFY(seen.viewAnswerEnabled);
        QCOMPARE(take.ShownQuestion(), first);
        QCOMPARE(harness.Doc()->m_nAttempt, 2);
    }
};

QTEST_MAIN(TestTakePages)
#include "tst_takepages.moc"
