// Opening a 100,000-question quiz the way a pupil does (Take Quiz, the open
// dialog, on to the introduction page), against reading and minimally parsing
// the same file with plain system calls, and the memory the quiz then holds.
//
// Floors:
//   plain read + parse  = read(2) the whole file, turn each text into a QString.
//   idle program        = the resident memory of the sheet on its welcome page.
//   minimal question    = what the minimal parse keeps per question.
// Targets: opening <= 2x the plain read + parse; < 60 MiB above the idle
// program; the document's memory per question <= 2x the minimal question.
// Exit status 1 if a target is missed.

#include "BenchSupport.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace bench;

namespace {

constexpr int kQuestions = 100000;
constexpr int kRuns = 9;
constexpr double kOpenRatio = 2.0;
constexpr double kMemoryAboveIdle = 60.0 * 1024 * 1024;
constexpr double kPerQuestionRatio = 2.0;

void FillQuiz(CTU_QuizDoc& doc, int questions)
{
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizName = QStringLiteral("bench.qiz");
    for (int i = 0; i < questions; ++i) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = QStringLiteral("What is the capital of country %1?").arg(i);
        question->m_strAnswer = QStringLiteral("Capital city number %1").arg(i);
    }
}

long long WriteQuiz(const QString& path)
{
    CTU_QuizDoc doc;
    FillQuiz(doc, kQuestions);
    return doc.OnSaveDocument(path) ? 1 : 0;
}

long long MinimalParseMemory(const QString& path)
{
    const QByteArray bytes = PlainRead(path);
    const long long before = ResidentBytes();
    const std::vector<PlainQuestion> questions = MinimalParse(bytes);
    return questions.size() == kQuestions ? ResidentBytes() - before : -1;
}

long long DocumentMemory(const QString& path)
{
    const long long before = ResidentBytes();
    CTU_QuizDoc doc;
    return doc.OnOpenDocument(path) && doc.m_nQuestionCount == kQuestions ? ResidentBytes() - before
                                                                          : -1;
}

// Take Quiz from the welcome page up to the introduction page; false when the
// sheet ended anywhere else.
bool TakeQuiz(CSheetHarness& harness, const QString& path)
{
    harness.m_prompt.QueueFile(path);
    harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
    return harness.Index() == IntroPage(QUIZ_FLASH_CARD) &&
           harness.Doc()->m_nQuestionCount == kQuestions;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "bench_bigquiz: %s\n", what);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench_bigquiz-XXXXXX"));
    if (!folder.isValid())
        Fail("cannot make a folder here");
    const QString path = folder.filePath(QStringLiteral("big.qiz"));
    if (InChild([&] { return WriteQuiz(path); }) != 1)
        Fail("cannot write the quiz");
    const long long floorMemory = InChild([&] { return MinimalParseMemory(path); });
    const long long docMemory = InChild([&] { return DocumentMemory(path); });
    if (floorMemory <= 0 || docMemory <= 0)
        Fail("cannot measure the memory of a parse");

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CSheetHarness harness;
    const long long idle = ResidentBytes();
    if (!TakeQuiz(harness, path))
        Fail("Take Quiz did not reach the introduction page");
    const long long aboveIdle = ResidentBytes() - idle;

    std::vector<double> open, plain;
    for (int run = 0; run < kRuns; ++run) {
        harness.Sheet()->GoToPage(PAGE_WELCOME);
        CSheetHarness::Settle();
        auto start = Clock::now();
        if (!TakeQuiz(harness, path))
            Fail("Take Quiz did not reach the introduction page");
        open.push_back(Milliseconds(Clock::now() - start));
        // The parsed questions are freed after the clock stops, as the
        // document's previous questions were freed before it started.
        start = Clock::now();
        const std::vector<PlainQuestion> parsed = MinimalParse(PlainRead(path));
        plain.push_back(Milliseconds(Clock::now() - start));
        if (parsed.size() != kQuestions)
            Fail("the plain parse lost questions");
    }

    const double openRatio = Median(open) / Median(plain);
    const double perQuestion = double(docMemory) / kQuestions;
    const double floorPerQuestion = double(floorMemory) / kQuestions;
    const bool openMet = openRatio <= kOpenRatio;
    const bool memoryMet = aboveIdle < kMemoryAboveIdle;
    const bool perQuestionMet = perQuestion <= kPerQuestionRatio * floorPerQuestion;
    PrintHeading("Big quiz: 100,000 questions");
    PrintRow("Take Quiz open of 100,000 up to the intro page", Ms(Median(open)), Ms(Median(plain)),
             openRatio, "<= 2", openMet);
    PrintRow("memory above the idle program, 100,000 open", MiB(double(aboveIdle)),
             MiB(double(idle)), double(aboveIdle) / kMemoryAboveIdle, "< 60 MiB", memoryMet);
    PrintRow("memory per question in the document",
             QStringLiteral("%1 B").arg(perQuestion, 0, 'f', 0),
             QStringLiteral("%1 B").arg(floorPerQuestion, 0, 'f', 0),
             perQuestion / floorPerQuestion, "<= 2", perQuestionMet);
    return openMet && memoryMet && perQuestionMet ? 0 : 1;
}
