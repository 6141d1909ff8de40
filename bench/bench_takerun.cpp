// Taking a big quiz: the cost of one question must not grow with the quiz.
//
//   page level     one answered question on the true/false question page:
//                  True, Next, the feedback dialog's Next, the next question
//                  shown; in the first pass and in the random phase of a quiz
//                  whose questions were all put off ("try later").
//   document level the run protocol alone: a whole first pass of answers, and
//                  the whole random phase of a quiz whose questions were all
//                  put off, per question.
// Each figure is measured at 1,000 and at 10,000 questions; the floor of a
// 10,000 figure is the same figure at 1,000. Target: ratio <= 1.5 (a cost per
// question that stays flat). Exit status 1 if missed.

#include "BenchSupport.h"
#include "CFeedbackBase.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace bench;

namespace {

constexpr int kSmall = 1000;
constexpr int kLarge = 10000;
constexpr int kPageSample = 100;
constexpr int kDocumentRuns = 15;
constexpr double kTargetRatio = 1.5;

void Fail(const char* what)
{
    std::fprintf(stderr, "bench_takerun: %s\n", what);
    std::exit(2);
}

void FillQuiz(CTU_QuizDoc& doc, int questions)
{
    doc.SetQuizType(QUIZ_TRUE_FALSE);
    doc.m_strQuizName = QStringLiteral("run.qiz");
    for (int i = 0; i < questions; ++i) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = QStringLiteral("Statement number %1 is true.").arg(i);
        question->m_nAnswer = i % 2;
    }
    doc.m_nQuestionCount = questions;
}

// Puts every question of the first pass off; the run is then in its random phase.
void SkipFirstPass(CTU_QuizDoc& doc)
{
    for (int i = 0; i < doc.m_nQuestionCount; ++i)
        doc.SkipQuestion(true);
    if (!doc.m_bRandomPhase)
        Fail("putting every question off did not start the random phase");
}

// Microseconds per question of answering until the run is over.
double AnswerToTheEnd(CTU_QuizDoc& doc)
{
    const int before = doc.m_nAnswered;
    const auto start = Clock::now();
    for (;;) {
        CQuestion* question = doc.CurrentQuestion();
        if (!question)
            Fail("the run lost its current question");
        question->m_nResponse = 0;
        doc.AcceptAnswer();
        if (doc.MoveOn() == CTU_QuizDoc::RunStep::RunOver)
            break;
    }
    const int answered = doc.m_nAnswered - before;
    return Milliseconds(Clock::now() - start) * 1000.0 / answered;
}

// A whole run of a few microseconds is at the mercy of one interruption: each
// document figure is the median of fresh runs.
double DocumentFirstPass(int questions)
{
    std::vector<double> perQuestion;
    for (int run = 0; run < kDocumentRuns; ++run) {
        CTU_QuizDoc doc;
        FillQuiz(doc, questions);
        doc.StartQuiz();
        perQuestion.push_back(AnswerToTheEnd(doc));
    }
    return Median(perQuestion);
}

double DocumentRandomPhase(int questions)
{
    std::vector<double> perQuestion;
    for (int run = 0; run < kDocumentRuns; ++run) {
        CTU_QuizDoc doc;
        FillQuiz(doc, questions);
        doc.StartQuiz();
        SkipFirstPass(doc);
        perQuestion.push_back(AnswerToTheEnd(doc));
    }
    return Median(perQuestion);
}

// Clicks Next in the feedback dialog as soon as its event loop runs.
void AnswerFeedbackWhenShown()
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CFeedbackBase*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerFeedbackWhenShown();
            return;
        }
        auto* next = dialog->findChild<QPushButton*>(QStringLiteral("nextButton"));
        if (!next)
            Fail("the feedback dialog has no Next");
        next->click();
    });
}

// Microseconds of one answered question on the question page.
double AnswerOnPage(CSheetHarness& harness)
{
    const auto start = Clock::now();
    harness.PressPicture(IDB_TRUE_BUTTON);
    AnswerFeedbackWhenShown();
    harness.Click(ID_WIZNEXT);
    const double us = Milliseconds(Clock::now() - start) * 1000.0;
    if (harness.Index() != QuestionPage(QUIZ_TRUE_FALSE))
        Fail("the question page did not come back after the feedback");
    return us;
}

// A true/false quiz of this size opened with Take Quiz, on its first question.
std::unique_ptr<CSheetHarness> OpenOnQuestionPage(int questions)
{
    auto harness = std::make_unique<CSheetHarness>();
    const QString path = harness->PathOf(QStringLiteral("run.qiz"));
    {
        CTU_QuizDoc doc;
        FillQuiz(doc, questions);
        if (!doc.OnSaveDocument(path))
            Fail("cannot write the quiz");
    }
    harness->m_prompt.QueueFile(path);
    harness->PressPicture(IDB_TAKE_QUIZ_BUTTON);
    harness->Click(ID_WIZNEXT);
    if (harness->Index() != QuestionPage(QUIZ_TRUE_FALSE))
        Fail("Take Quiz did not reach the question page");
    return harness;
}

// The rest of the first pass put off; the page then shows the random phase.
void EnterRandomPhase(CSheetHarness& harness)
{
    CTU_QuizDoc& doc = *harness.Doc();
    while (!doc.m_bRandomPhase)
        doc.SkipQuestion(true);
    harness.Sheet()->GoToPage(QuestionPage(QUIZ_TRUE_FALSE));
    CSheetHarness::Settle();
}

struct PageFigures
{
    double firstPassSmall = 0, firstPassLarge = 0;
    double randomSmall = 0, randomLarge = 0;
};

// Both quizzes take turns question by question, so a busy machine slows both alike.
PageFigures PageLevel()
{
    const auto small = OpenOnQuestionPage(kSmall);
    const auto large = OpenOnQuestionPage(kLarge);
    std::vector<double> firstSmall, firstLarge, randomSmall, randomLarge;
    for (int i = 0; i < kPageSample; ++i) {
        firstSmall.push_back(AnswerOnPage(*small));
        firstLarge.push_back(AnswerOnPage(*large));
    }
    EnterRandomPhase(*small);
    EnterRandomPhase(*large);
    for (int i = 0; i < kPageSample; ++i) {
        randomSmall.push_back(AnswerOnPage(*small));
        randomLarge.push_back(AnswerOnPage(*large));
    }
    return {Median(firstSmall), Median(firstLarge), Median(randomSmall), Median(randomLarge)};
}

QString Us(double microseconds)
{
    return QStringLiteral("%1 us").arg(microseconds, 0, 'f',
                                       microseconds < 1    ? 3
                                       : microseconds < 10 ? 2
                                                           : 0);
}

bool Row(const char* what, double small, double large)
{
    const double ratio = large / small;
    const bool met = ratio <= kTargetRatio;
    PrintRow(what, Us(large), Us(small), ratio, "<= 1.5", met);
    return met;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const PageFigures page = PageLevel();
    const double firstSmall = DocumentFirstPass(kSmall);
    const double firstLarge = DocumentFirstPass(kLarge);
    const double randomSmall = DocumentRandomPhase(kSmall);
    const double randomLarge = DocumentRandomPhase(kLarge);

    PrintHeading("Taking a quiz: per question at 10,000 (floor: the same at 1,000)");
    bool met = Row("page: answered question + feedback, first pass", page.firstPassSmall,
                   page.firstPassLarge);
    met = Row("page: answered question + feedback, random phase", page.randomSmall,
              page.randomLarge) &&
          met;
    met = Row("document: whole first pass, per question", firstSmall, firstLarge) && met;
    met = Row("document: whole random phase, all put off, per q.", randomSmall, randomLarge) && met;
    return met ? 0 : 1;
}
