#include "CQuestion.h"
#include "CTU_QuizDoc.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// A random source that plays back a fixed list of draws, cycling, and
// counts how often it was asked.
struct ScriptedRandom
{
    std::vector<int> draws;
    size_t next = 0;
    int calls = 0;
};

void Install(CTU_QuizDoc& doc, const std::shared_ptr<ScriptedRandom>& random)
{
    doc.SetRandomSource(
        [random] {
            ++random->calls;
            if (random->draws.empty())
                return 0;
            const int value = random->draws[random->next % random->draws.size()];
            ++random->next;
            return value;
        },
        [](unsigned) {});
}

void AddQuestions(CTU_QuizDoc& doc, int kind, int count)
{
    doc.SetQuizType(kind);
    for (int i = 0; i < count; ++i)
        doc.AddQuestion()->m_strQuestion = QString::number(i + 1) + "+1";
}

std::vector<int> Orders(const CTU_QuizDoc& doc)
{
    std::vector<int> orders;
    for (const auto& question : doc.Questions())
        orders.push_back(question->m_nOrder);
    return orders;
}

bool IsPermutation(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i] != static_cast<int>(i))
            return false;
    }
    return true;
}

// Answers the current question right for its kind.
void AnswerRight(CTU_QuizDoc& doc)
{
    CQuestion* question = doc.CurrentQuestion();
    QVERIFY(question);
    if (doc.m_nQuizType == QUIZ_TRUE_FALSE)
        question->m_nResponse = question->m_nAnswer;
    else
        question->m_strResponse = QString::number(doc.EvaluateProblem(question->m_strQuestion));
}

} // namespace

// The document as a quiz run uses it: order, retries, skipping and the score.
class TestQuizRun : public QObject
{
    Q_OBJECT

private slots:
    void newDocument();
    void clearingKeepsKind();
    void addAndRemove();
    void permutation_data();
    void permutation();
    void largePermutationDrawsMore();
    void defaultRandomSourceIsRand();
    void startQuizResets();
    void findByOrder();
    void firstPassVisitsEveryPosition();
    void oneQuestionQuiz();
    void tryAgainThenMoveOn();
    void skipEveryQuestionWithYes();
    void skipWithNoGivesUp();
    void skipResetsAttempt();
    void pickRandomUnansweredWhenNoneOpen();
    void retakeClearsGivenUp();
    void countCorrect_data();
    void countCorrect();
    void emptyQuizRunIsOverAtOnce();
};

void TestQuizRun::newDocument()
{
    CTU_QuizDoc doc;
    QCOMPARE(doc.m_nQuizType, int(QUIZ_NONE));
    QCOMPARE(doc.m_nQuestionCount, 0);
    QVERIFY(doc.Questions().empty());
    QVERIFY(doc.m_strQuizPath.isEmpty());
    QVERIFY(doc.m_strQuizName.isEmpty());
    QCOMPARE(doc.CurrentQuestion(), nullptr);
}

void TestQuizRun::clearingKeepsKind()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_MATH, 3);
    doc.m_strQuizPath = "/tmp/a.qiz";
    doc.m_strQuizName = "a.qiz";
    doc.RemoveAllQuestions();
    QCOMPARE(doc.m_nQuestionCount, 0);
    QCOMPARE(doc.m_strQuizPath, QString("/tmp/a.qiz"));
    AddQuestions(doc, QUIZ_MATH, 2);
    doc.ClearQuestions();
    QCOMPARE(doc.m_nQuestionCount, 0);
    QVERIFY(doc.Questions().empty());
    QVERIFY(doc.m_strQuizPath.isEmpty());
    QVERIFY(doc.m_strQuizName.isEmpty());
    QCOMPARE(doc.m_nQuizType, int(QUIZ_MATH));
    doc.ClearQuestions();
    QCOMPARE(doc.m_nQuestionCount, 0);
}

void TestQuizRun::addAndRemove()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_SPELLING, 3);
    const CQuestion* added = doc.Question(2);
    QCOMPARE(added->m_nResponse, -1);
    QVERIFY(added->m_strResponse.isEmpty());
    QVERIFY(!added->m_bGivenUp);
    QVERIFY(added->IsOpen());
    doc.RemoveQuestion(0);
    QCOMPARE(doc.m_nQuestionCount, 2);
    QCOMPARE(doc.Question(0)->m_strQuestion, QString("2+1"));
    doc.RemoveQuestion(5);
    doc.RemoveQuestion(-1);
    QCOMPARE(doc.m_nQuestionCount, 2);
    QCOMPARE(doc.Question(2), nullptr);
}

void TestQuizRun::permutation_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<std::vector<int>>("draws");
    QTest::addColumn<std::vector<int>>("orders");
    QTest::addRow("empty") << 0 << std::vector<int>{} << std::vector<int>{};
    QTest::addRow("one") << 1 << std::vector<int>{7} << std::vector<int>{0};
    // k=1: j=5%2=1; k=2: j=0, swap 2 and 0; k=3: j=7%4=3.
    QTest::addRow("four") << 4 << std::vector<int>{5, 0, 7} << std::vector<int>{2, 1, 0, 3};
    // Only the low 15 bits of a draw count.
    QTest::addRow("high bits masked")
        << 4 << std::vector<int>{0x8005, 0x10000, 0xFFFF7} << std::vector<int>{2, 1, 0, 3};
    // k=1: j=0 swaps 1 and 0; k=2: j=2.
    QTest::addRow("three") << 3 << std::vector<int>{0, 2} << std::vector<int>{1, 0, 2};
}

void TestQuizRun::permutation()
{
    QFETCH(int, count);
    QFETCH(std::vector<int>, draws);
    QFETCH(std::vector<int>, orders);
    CTU_QuizDoc doc;
    auto random = std::make_shared<ScriptedRandom>();
    random->draws = draws;
    Install(doc, random);
    AddQuestions(doc, QUIZ_MATH, count);
    doc.ShuffleOrder();
    QCOMPARE(Orders(doc), orders);
    QCOMPARE(random->calls, std::max(0, count - 1));
}

void TestQuizRun::largePermutationDrawsMore()
{
    // Once k + 1 exceeds 32767 (k = 32767 on) each position takes two 15-bit draws.
    constexpr int COUNT = 32770;
    CTU_QuizDoc doc;
    auto random = std::make_shared<ScriptedRandom>();
    random->draws = {12345, 321, 7, 30000};
    Install(doc, random);
    AddQuestions(doc, QUIZ_MATH, COUNT);
    doc.ShuffleOrder();
    constexpr int SINGLE = 32766; // k = 1 ... 32766
    QCOMPARE(random->calls, SINGLE + 2 * (COUNT - 1 - SINGLE));
    QVERIFY(IsPermutation(Orders(doc)));
}

void TestQuizRun::defaultRandomSourceIsRand()
{
    CTU_QuizDoc doc;
    doc.SeedRandom(42);
    const int first = doc.Rand();
    std::srand(42);
    QCOMPARE(first, std::rand());
}

void TestQuizRun::startQuizResets()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_TRUE_FALSE, 5);
    for (const auto& question : doc.Questions()) {
        question->m_nResponse = 1;
        question->m_strResponse = "x";
    }
    doc.m_nAttempt = 2;
    doc.m_nCurrent = 3;
    doc.m_nAnswered = 4;
    doc.m_bRandomPhase = true;
    doc.StartQuiz();
    QCOMPARE(doc.m_nAttempt, 1);
    QVERIFY(doc.m_bTakeMode);
    QCOMPARE(doc.m_nCurrent, 0);
    QCOMPARE(doc.m_nAnswered, 0);
    QVERIFY(!doc.m_bRandomPhase);
    for (const auto& question : doc.Questions())
        QVERIFY(question->IsOpen());
    QVERIFY(IsPermutation(Orders(doc)));
}

void TestQuizRun::findByOrder()
{
    CTU_QuizDoc doc;
    QCOMPARE(doc.FindByOrder(0), -1);
    AddQuestions(doc, QUIZ_MATH, 3);
    doc.Question(0)->m_nOrder = 2;
    doc.Question(1)->m_nOrder = 0;
    doc.Question(2)->m_nOrder = 1;
    QCOMPARE(doc.FindByOrder(0), 1);
    QCOMPARE(doc.FindByOrder(1), 2);
    QCOMPARE(doc.FindByOrder(2), 0);
    QCOMPARE(doc.FindByOrder(3), -1);
}

void TestQuizRun::firstPassVisitsEveryPosition()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_MATH, 4);
    doc.StartQuiz();
    std::vector<int> seen;
    for (int step = 0; step < 4; ++step) {
        QCOMPARE(doc.m_nCurrent, step);
        seen.push_back(doc.FindByOrder(doc.m_nCurrent));
        AnswerRight(doc);
        doc.AcceptAnswer();
        QCOMPARE(doc.m_nAnswered, step + 1);
        const auto next = doc.MoveOn();
        QCOMPARE(next,
                 step < 3 ? CTU_QuizDoc::RunStep::NextQuestion : CTU_QuizDoc::RunStep::RunOver);
        QVERIFY(!doc.m_bRandomPhase);
    }
    QVERIFY(IsPermutation(seen));
    QCOMPARE(doc.CountCorrect(), 4);
}

void TestQuizRun::oneQuestionQuiz()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_TRUE_FALSE, 1);
    doc.StartQuiz();
    QCOMPARE(doc.Question(0)->m_nOrder, 0);
    QCOMPARE(doc.CurrentQuestion(), doc.Question(0));
    AnswerRight(doc);
    doc.AcceptAnswer();
    QCOMPARE(doc.MoveOn(), CTU_QuizDoc::RunStep::RunOver);
    QCOMPARE(doc.CountCorrect(), 1);
}

void TestQuizRun::tryAgainThenMoveOn()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_MATH, 2);
    doc.StartQuiz();
    CQuestion* first = doc.CurrentQuestion();
    first->m_strResponse = "0";
    doc.AcceptAnswer();
    doc.TryAgain();
    QCOMPARE(doc.m_nAttempt, 2);
    QCOMPARE(doc.m_nAnswered, 0);
    QCOMPARE(doc.CurrentQuestion(), first);
    AnswerRight(doc);
    doc.AcceptAnswer();
    QCOMPARE(doc.MoveOn(), CTU_QuizDoc::RunStep::NextQuestion);
    QCOMPARE(doc.m_nAttempt, 1);
    QCOMPARE(doc.m_nCurrent, 1);
    // Answering never counts beyond the number of questions.
    doc.AcceptAnswer();
    doc.AcceptAnswer();
    doc.AcceptAnswer();
    QCOMPARE(doc.m_nAnswered, 2);
}

void TestQuizRun::skipEveryQuestionWithYes()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_SPELLING, 3);
    doc.StartQuiz();
    for (int step = 0; step < 3; ++step) {
        QCOMPARE(doc.m_nCurrent, step);
        QCOMPARE(doc.SkipQuestion(true), CTU_QuizDoc::RunStep::NextQuestion);
    }
    QVERIFY(doc.m_bRandomPhase);
    QCOMPARE(doc.m_nAnswered, 0);
    // The skipped questions come back, each until answered.
    std::vector<int> asked;
    for (int round = 0; round < 3; ++round) {
        CQuestion* question = doc.CurrentQuestion();
        QVERIFY(question);
        QVERIFY(question->IsOpen());
        asked.push_back(doc.FindByOrder(doc.m_nCurrent));
        question->m_strResponse = question->m_strQuestion;
        doc.AcceptAnswer();
        QCOMPARE(doc.MoveOn(),
                 round < 2 ? CTU_QuizDoc::RunStep::NextQuestion : CTU_QuizDoc::RunStep::RunOver);
    }
    QVERIFY(IsPermutation(asked));
    QCOMPARE(doc.CountCorrect(), 3);
}

void TestQuizRun::skipWithNoGivesUp()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_FLASH_CARD, 2);
    doc.StartQuiz();
    CQuestion* skipped = doc.CurrentQuestion();
    skipped->m_strResponse = "half typed";
    QCOMPARE(doc.SkipQuestion(false), CTU_QuizDoc::RunStep::NextQuestion);
    QVERIFY(skipped->m_bGivenUp);
    QVERIFY(skipped->m_strResponse.isEmpty());
    QCOMPARE(doc.m_nAnswered, 1);
    QCOMPARE(doc.m_nCurrent, 1);
    QCOMPARE(doc.SkipQuestion(false), CTU_QuizDoc::RunStep::RunOver);
    QCOMPARE(doc.CountCorrect(), 0);
}

void TestQuizRun::skipResetsAttempt()
{
    // A skip after "Try Again" must not hand the second try on to the next question.
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_MATH, 2);
    doc.StartQuiz();
    doc.CurrentQuestion()->m_strResponse = "0";
    doc.AcceptAnswer();
    doc.TryAgain();
    QCOMPARE(doc.m_nAttempt, 2);
    doc.SkipQuestion(true);
    QCOMPARE(doc.m_nAttempt, 1);
}

void TestQuizRun::pickRandomUnansweredWhenNoneOpen()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_TRUE_FALSE, 3);
    doc.StartQuiz();
    for (const auto& question : doc.Questions())
        question->m_nResponse = 0;
    doc.m_nCurrent = 2;
    doc.PickRandomUnanswered();
    QCOMPARE(doc.m_nCurrent, 2);
    // The only open question is found whatever the draws.
    doc.Question(1)->m_nResponse = -1;
    doc.PickRandomUnanswered();
    QCOMPARE(doc.m_nCurrent, doc.Question(1)->m_nOrder);
}

void TestQuizRun::retakeClearsGivenUp()
{
    CTU_QuizDoc doc;
    AddQuestions(doc, QUIZ_MATH, 2);
    doc.StartQuiz();
    doc.SkipQuestion(false);
    doc.SkipQuestion(false);
    doc.StartQuiz();
    for (const auto& question : doc.Questions()) {
        QVERIFY(!question->m_bGivenUp);
        QVERIFY(question->IsOpen());
    }
}

void TestQuizRun::countCorrect_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("showFronts");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("back");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("givenUp");
    QTest::addColumn<int>("score");
    QTest::addRow("true/false right") << int(QUIZ_TRUE_FALSE) << true << "Sky is blue"
                                      << "" << 0 << 0 << "" << false << 1;
    QTest::addRow("true/false wrong") << int(QUIZ_TRUE_FALSE) << true << "Sky is blue"
                                      << "" << 0 << 1 << "" << false << 0;
    QTest::addRow("true/false unanswered") << int(QUIZ_TRUE_FALSE) << true << "Sky is blue"
                                           << "" << -1 << -1 << "" << false << 0;
    QTest::addRow("card back, other case") << int(QUIZ_FLASH_CARD) << true << "France"
                                           << "Paris" << 0 << -1 << "PARIS" << false << 1;
    QTest::addRow("card front expected") << int(QUIZ_FLASH_CARD) << false << "France"
                                         << "Paris" << 0 << -1 << "france" << false << 1;
    QTest::addRow("card wrong side") << int(QUIZ_FLASH_CARD) << false << "France"
                                     << "Paris" << 0 << -1 << "Paris" << false << 0;
    QTest::addRow("spelling other case") << int(QUIZ_SPELLING) << true << "because"
                                         << "" << 0 << -1 << "Because" << false << 1;
    QTest::addRow("spelling trailing blank") << int(QUIZ_SPELLING) << true << "because"
                                             << "" << 0 << -1 << "because " << false << 0;
    QTest::addRow("math right") << int(QUIZ_MATH) << true << "10/4"
                                << "" << 0 << -1 << "2.499" << false << 1;
    QTest::addRow("math wrong") << int(QUIZ_MATH) << true << "10/4"
                                << "" << 0 << -1 << "2.494" << false << 0;
    QTest::addRow("math zero answered") << int(QUIZ_MATH) << true << "5-5"
                                        << "" << 0 << -1 << "0" << false << 1;
    // A given-up problem whose value is 0 is still not an answer.
    QTest::addRow("math zero given up") << int(QUIZ_MATH) << true << "5-5"
                                        << "" << 0 << -1 << "" << true << 0;
    QTest::addRow("true/false given up") << int(QUIZ_TRUE_FALSE) << true << "Sky is blue"
                                         << "" << 0 << 0 << "" << true << 0;
}

void TestQuizRun::countCorrect()
{
    QFETCH(int, kind);
    QFETCH(bool, showFronts);
    QFETCH(QString, front);
    QFETCH(QString, back);
    QFETCH(int, answer);
    QFETCH(int, choice);
    QFETCH(QString, typed);
    QFETCH(bool, givenUp);
    QFETCH(int, score);
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_bShowFronts = showFronts;
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = front;
    question->m_strAnswer = back;
    question->m_nAnswer = answer;
    question->m_nResponse = choice;
    question->m_strResponse = typed;
    question->m_bGivenUp = givenUp;
    QCOMPARE(doc.CountCorrect(), score);
    QCOMPARE(question->m_strQuestion, front);
    QCOMPARE(question->m_strAnswer, back);
}

void TestQuizRun::emptyQuizRunIsOverAtOnce()
{
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_SPELLING);
    doc.StartQuiz();
    QCOMPARE(doc.CurrentQuestion(), nullptr);
    QCOMPARE(doc.MoveOn(), CTU_QuizDoc::RunStep::RunOver);
    QCOMPARE(doc.SkipQuestion(true), CTU_QuizDoc::RunStep::RunOver);
    QCOMPARE(doc.CountCorrect(), 0);
}

QTEST_GUILESS_MAIN(TestQuizRun)
#include "tst_quizrun.moc"
