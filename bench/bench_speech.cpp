// The time from a spelling question page's activation to the first sample of
// the word reaching the sound output, against espeak-ng's own time to its
// first sample of the same word (its synthesis callback, streaming).
//
// Floor: espeak-ng alone, espeak_Synth to the first callback with samples.
// The page synthesises the whole word before it plays it, so the ratio to the
// streaming floor is shown for information. Targets: under 100 ms, a delay a
// pupil would notice between the page and the word, also for the first page,
// which starts the engine (from Next on the introduction page). Exit status 1
// if missed.

#include "BenchSupport.h"
#include "CActorSvr.h"
#include "CAudioOutput.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CSpeechSynthesizer.h"
#include "CSpellingTakePage.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QApplication>

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace bench;

namespace {

constexpr int kRuns = 21;
constexpr double kTargetMs = 100.0;
const char* const kWords[] = {"elephant", "necessary", "beautiful", "rhythm", "because"};

void Fail(const char* what)
{
    std::fprintf(stderr, "bench_speech: %s\n", what);
    std::exit(2);
}

// Notes when the first sound reaches the output.
class CTimingOutput : public CAudioOutput
{
public:
    void Play(const QAudioFormat& /*format*/, const QByteArray& pcm) override
    {
        if (!m_firstSample && !pcm.isEmpty())
            m_firstSample = Clock::now();
    }
    void Stop() override {}
    bool IsPlaying() const override { return false; }

    std::optional<Clock::time_point> m_firstSample;
};

std::optional<Clock::time_point> g_espeakFirstSample;

int NoteFirstSample(short* samples, int count, espeak_EVENT* /*events*/)
{
    if (!g_espeakFirstSample && samples && count > 0)
        g_espeakFirstSample = Clock::now();
    return 0;
}

double EspeakToFirstSample(const char* word)
{
    g_espeakFirstSample.reset();
    const QByteArray utf8(word);
    const auto start = Clock::now();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    if (!g_espeakFirstSample)
        Fail("espeak-ng gave no samples");
    return Milliseconds(*g_espeakFirstSample - start);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CSheetHarness harness;
    const QString path = harness.PathOf(QStringLiteral("words.qiz"));
    {
        CTU_QuizDoc doc;
        doc.SetQuizType(QUIZ_SPELLING);
        doc.m_strQuizName = QStringLiteral("words.qiz");
        for (const char* word : kWords)
            doc.AddQuestion()->m_strQuestion = QString::fromLatin1(word);
        if (!doc.OnSaveDocument(path))
            Fail("cannot write the quiz");
    }
    auto* page =
        qobject_cast<CSpellingTakePage*>(harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)));
    if (!page)
        Fail("no spelling question page");
    auto output = std::make_unique<CTimingOutput>();
    CTimingOutput* timing = output.get();
    page->SetActor(std::make_unique<CActorSvr>(std::move(output)));

    harness.m_prompt.QueueFile(path);
    harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
    timing->m_firstSample.reset();
    const auto opened = Clock::now();
    harness.Click(ID_WIZNEXT);
    if (harness.Index() != QuestionPage(QUIZ_SPELLING))
        Fail("Take Quiz did not reach the spelling question page");

    // The first activation also started the speech engine.
    if (!timing->m_firstSample)
        Fail("the page spoke no word");
    const double firstMs = Milliseconds(*timing->m_firstSample - opened);
    std::vector<double> pageMs;
    std::vector<QString> spoken;
    for (int run = 0; run < kRuns; ++run) {
        timing->m_firstSample.reset();
        const auto start = Clock::now();
        harness.Sheet()->GoToPage(QuestionPage(QUIZ_SPELLING));
        CSheetHarness::Settle();
        if (!timing->m_firstSample)
            Fail("the page spoke no word");
        pageMs.push_back(Milliseconds(*timing->m_firstSample - start));
        spoken.push_back(page->Actor()->Text());
    }

    // espeak-ng has one callback per process: the floor comes last.
    espeak_SetSynthCallback(&NoteFirstSample);
    std::vector<double> floorMs;
    for (int run = 0; run < kRuns; ++run)
        floorMs.push_back(EspeakToFirstSample(qPrintable(spoken[size_t(run)])));

    const double figure = Median(pageMs);
    const double floor = Median(floorMs);
    PrintHeading("Speech: spelling page activation to the first sample of the word");
    PrintRow("spelling page activation to first sample", Ms(figure), Ms(floor), figure / floor,
             "(info)", true);
    PrintRow("spelling page to first sample, absolute", Ms(figure), Ms(kTargetMs),
             figure / kTargetMs, "< 100 ms", figure < kTargetMs);
    PrintRow("first spelling page (engine start) to sample", Ms(firstMs), Ms(kTargetMs),
             firstMs / kTargetMs, "< 100 ms", firstMs < kTargetMs);
    return figure < kTargetMs && firstMs < kTargetMs ? 0 : 1;
}
