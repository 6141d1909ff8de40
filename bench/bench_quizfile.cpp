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

constexpr double TARGET_RATIO = 2.0;
constexpr int SAVE_TARGET_SIZE = 10000;
constexpr int OPEN_TARGET_SIZE = 100000;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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

bool PlainAtomicWrite(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() &&
                         ::fdatasync(fd) == 0;
    return ::close(fd) == 0 && written && ::rename(temporary.constData(), target.constData()) == 0;
}

QByteArray PlainRead(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes(::lseek(fd, 0, SEEK_END), Qt::Uninitialized);
    ::lseek(fd, 0, SEEK_SET);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got <= 0)
            break;
        done += got;
    }
    ::close(fd);
    bytes.truncate(done);
    return bytes;
}

// The least parse that yields the texts: short strings only, no checks.
struct PlainQuestion
{
    QString front;
    int answer = 0;
    QString back;
};

std::vector<PlainQuestion> MinimalParse(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const auto* end = p + bytes.size();
    auto text = [&p](QString* out) {
        qsizetype length = *p++;
        if (length == 0xFF) {
            length = p[0] | (p[1] << 8);
            p += 2;
        }
        *out = QString::fromLatin1(reinterpret_cast<const char*>(p), length);
        p += length;
    };
    QString skipped;
    text(&skipped);
    text(&skipped);
    text(&skipped);
    p += 8;
    qsizetype count = p[0] | (p[1] << 8);
    p += 2;
    if (count == 0xFFFF) {
        count = qsizetype(p[0]) | (qsizetype(p[1]) << 8) | (qsizetype(p[2]) << 16) |
                (qsizetype(p[3]) << 24);
        p += 4;
    }
    std::vector<PlainQuestion> questions(static_cast<size_t>(count));
    for (auto& question : questions) {
        if (end - p < 2)
            break;
        p += p[0] == 0xFF && p[1] == 0xFF ? 15 : 2;
        text(&question.front);
        question.answer = int(p[0] | (p[1] << 8) | (p[2] << 16) | (p[3] << 24));
        p += 4;
        text(&question.back);
    }
    return questions;
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
