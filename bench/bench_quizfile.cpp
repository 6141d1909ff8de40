// Saves and opens quizzes of 1,000, 10,000 and 100,000 questions, and in the
// same run writes and reads the same bytes with plain system calls, so the
// cost of the quiz format can be read as a ratio to what the disk costs.
//
// Floors:
//   plain atomic write = write a temporary file, fdatasync it, rename it over
//                        the quiz (what any save that cannot lose the old file
//                        must do; QSaveFile does the same).
//   plain read + parse = read the whole file, then walk the records and turn
//                        each text into a QString (the least any open must do
//                        to have the questions in memory).
// Targets: saving 10,000 questions <= 2x the plain atomic write; opening
// 100,000 questions <= 2x the plain read + parse. Exit status 1 if missed.

#include "BenchSupport.h"
#include "CQuizFile.h"
#include "CTU_QuizDoc.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

using bench::Clock;
using bench::Median;
using bench::Milliseconds;
using bench::MinimalParse;
using bench::PlainAtomicWrite;
using bench::PlainQuestion;
using bench::PlainRead;

constexpr double TARGET_RATIO = 2.0;
constexpr int SAVE_TARGET_SIZE = 10000;
constexpr int OPEN_TARGET_SIZE = 100000;

int Repeats(int questions)
{
    return questions >= OPEN_TARGET_SIZE ? 9 : 31;
}

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

struct Figures
{
    int questions = 0;
    qsizetype bytes = 0;
    double save = 0, plainWrite = 0, open = 0, plainRead = 0;
};

Figures Measure(int questions, const QString& folder)
{
    Figures figures;
    figures.questions = questions;
    CTU_QuizDoc doc;
    FillQuiz(doc, questions);
    const QString quizPath = folder + QStringLiteral("/quiz-%1.qiz").arg(questions);
    const QString plainPath = folder + QStringLiteral("/plain-%1.qiz").arg(questions);
    doc.OnSaveDocument(quizPath);
    const QByteArray bytes = CQuizFile::Serialize(doc);
    figures.bytes = bytes.size();

    std::vector<double> save, write, open, read;
    size_t parsed = 0;
    for (int round = 0; round < Repeats(questions); ++round) {
        // Saving after one change, as every editor does. The two writes take
        // turns going first, so neither always meets the other's disk flush.
        doc.Question(round % questions)->m_strAnswer += QLatin1Char('!');
        const QByteArray changed = CQuizFile::Serialize(doc);
        bool saved = false;
        bool written = false;
        auto timeSave = [&] {
            const auto start = Clock::now();
            saved = doc.OnSaveDocument(quizPath);
            save.push_back(Milliseconds(Clock::now() - start));
        };
        auto timeWrite = [&] {
            const auto start = Clock::now();
            written = PlainAtomicWrite(plainPath, changed);
            write.push_back(Milliseconds(Clock::now() - start));
        };
        if (round % 2 == 0) {
            timeSave();
            timeWrite();
        } else {
            timeWrite();
            timeSave();
        }

        CTU_QuizDoc reader;
        auto start = Clock::now();
        const bool opened = reader.OnOpenDocument(quizPath);
        open.push_back(Milliseconds(Clock::now() - start));

        start = Clock::now();
        const std::vector<PlainQuestion> plain = MinimalParse(PlainRead(plainPath));
        read.push_back(Milliseconds(Clock::now() - start));
        parsed = plain.size();

        if (!saved || !written || !opened || reader.m_nQuestionCount != questions ||
            parsed != size_t(questions)) {
            std::fprintf(stderr, "bench_quizfile: a save or open failed at %d questions\n",
                         questions);
            std::exit(2);
        }
    }
    figures.save = Median(save);
    figures.plainWrite = Median(write);
    figures.open = Median(open);
    figures.plainRead = Median(read);
    return figures;
}

} // namespace

int main()
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench_quizfile-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_quizfile: cannot make a folder in %s\n",
                     qPrintable(QDir::currentPath()));
        return 2;
    }
    std::printf("Quiz file speed (median milliseconds; floors use plain system calls)\n\n");
    std::printf("%9s %10s | %8s %10s %6s | %8s %10s %6s\n", "questions", "bytes", "save",
                "atomic wr", "ratio", "open", "read+parse", "ratio");
    bool met = true;
    for (const int questions : {1000, SAVE_TARGET_SIZE, OPEN_TARGET_SIZE}) {
        const Figures f = Measure(questions, folder.path());
        const double saveRatio = f.save / f.plainWrite;
        const double openRatio = f.open / f.plainRead;
        std::printf("%9d %10lld | %8.3f %10.3f %6.2f | %8.3f %10.3f %6.2f\n", f.questions,
                    static_cast<long long>(f.bytes), f.save, f.plainWrite, saveRatio, f.open,
                    f.plainRead, openRatio);
        if (questions == SAVE_TARGET_SIZE && saveRatio > TARGET_RATIO)
            met = false;
        if (questions == OPEN_TARGET_SIZE && openRatio > TARGET_RATIO)
            met = false;
    }
    std::printf("\nTargets: save %d <= %.0fx atomic write, open %d <= %.0fx read+parse: %s\n",
                SAVE_TARGET_SIZE, TARGET_RATIO, OPEN_TARGET_SIZE, TARGET_RATIO,
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
