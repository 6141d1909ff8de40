#include "CQuizFile.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"
#include "SheetMessages.h"

#include <QAbstractButton>
#include <QTest>

namespace {

struct Statement
{
    const char* text;
    int answer; // 0 True, 1 False
};

constexpr Statement STATEMENTS[] = {
    {"A whale is a fish.", 1},
    {"Bees make honey.", 0},
    {"Ice is cold.", 0},
};
constexpr int RADIO_MARK_X = 6;
constexpr int STATEMENT_COUNT = int(std::size(STATEMENTS));

} // namespace

// A whole journey, making a true/false quiz and taking it, through the real
// sheet. In the sanitizer build LeakSanitizer checks the process at exit, so
// anything the journey allocated and lost fails this test.
class TestLeakJourney : public QObject
{
    Q_OBJECT

private slots:
    void makeAndTakeQuiz();
};

void TestLeakJourney::makeAndTakeQuiz()
{
    CSheetHarness harness;
    CTakeDriver::MakeDeterministic(harness.Doc());
    CTakeDriver take(harness);
    harness.StartNewQuiz(QStringLiteral("journey.qiz"));
    QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));

    QTest::mouseClick(
        harness.Find<QAbstractButton>(QStringLiteral("formatRadio%1").arg(QUIZ_TRUE_FALSE)),
        Qt::LeftButton);
    harness.Settle();
    harness.Click(ID_WIZNEXT);
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
    QTest::mouseClick(harness.Find<QAbstractButton>(QStringLiteral("addButton")), Qt::LeftButton);
    harness.Settle();
    QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));

    for (int i = 0; i < STATEMENT_COUNT; ++i) {
        auto* edit = harness.Find<QWidget>(QStringLiteral("statementEdit"));
        QVERIFY(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, QLatin1String(STATEMENTS[i].text));
        // On the round mark, where a pupil clicks a radio button.
        auto* choice = harness.Find<QAbstractButton>(
            STATEMENTS[i].answer == 0 ? QStringLiteral("trueRadio") : QStringLiteral("falseRadio"));
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(RADIO_MARK_X, choice->height() / 2));
        harness.Settle();
        harness.Click(i + 1 < STATEMENT_COUNT ? ID_WIZNEXT : ID_SHEET_FINISH);
    }
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
    CQuizFile::Contents saved;
    QString reason;
    QCOMPARE(CQuizFile::Load(harness.Doc()->m_strQuizPath, &saved, &reason), CQuizFile::Status::Ok);
    QCOMPARE(int(saved.questions.size()), STATEMENT_COUNT);
    for (int i = 0; i < STATEMENT_COUNT; ++i) {
        QCOMPARE(saved.questions[size_t(i)]->m_strQuestion, QLatin1String(STATEMENTS[i].text));
        QCOMPARE(saved.questions[size_t(i)]->m_nAnswer, STATEMENTS[i].answer);
    }

    // "Take the quiz now?" Yes.
    harness.m_prompt.QueueYesNo(true);
    harness.Click(ID_SHEET_FINISH);
    QCOMPARE(harness.Index(), IntroPage(QUIZ_TRUE_FALSE));
    harness.Click(ID_WIZNEXT);
    for (int i = 0; i < STATEMENT_COUNT; ++i) {
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        harness.PressPicture(i % 2 == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
        QCOMPARE(take.NextWithFeedback().dialog, QStringLiteral("trueFalseFeedbackDlg"));
    }
    QCOMPARE(harness.Index(), int(PAGE_SCORE));
    qInfo("leak journey: %d statements made, saved, taken and scored", STATEMENT_COUNT);
}

QTEST_MAIN(TestLeakJourney)
#include "tst_leakjourney.moc"
