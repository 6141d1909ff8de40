#include "CScriptedPrompt.h"
#include "CTU_QuizDoc.h"
#include "FaultTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <ctime>
#include <new>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace FaultTools;

namespace {

// Large enough that one save takes milliseconds, so kills land inside it.
constexpr int CARD_COUNT = 1500;
constexpr int TRIALS = 300;
constexpr quint32 DEFAULT_SEED = 20261208;
// A child that was never killed stops by itself after this many saves.
constexpr int MAX_CHILD_SAVES = 100000;
// Kills are spread over this many save durations after the fork. The first
// save of a freshly forked child is several times slower than the timed ones
// (its pages are copied on first write), so a narrow spread would rarely let a
// save finish and the new quiz would never be seen on disk.
constexpr double DELAY_SPREAD = 10.0;
constexpr int OLD_VERSION = 1;
constexpr int NEW_VERSION = 2;

quint32 Seed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TUTORAMA_FAULT_SEED").toUInt(&ok);
    return ok ? seed : DEFAULT_SEED;
}

void SleepMicroseconds(qint64 microseconds)
{
    timespec delay{static_cast<time_t>(microseconds / 1000000),
                   static_cast<long>(microseconds % 1000000) * 1000};
    while (::nanosleep(&delay, &delay) != 0) {
    }
}

// Counts kept by the saving child in memory shared with the test, so the
// test knows whether its kill landed inside a save.
struct SaveProgress
{
    volatile int started = 0;
    volatile int finished = 0;
};

// Saves the document over and over until killed, as a pupil's program
// would between edits; never returns.
[[noreturn]] void SaveUntilKilled(CTU_QuizDoc& doc, const QString& path, SaveProgress* progress)
{
    for (int i = 0; i < MAX_CHILD_SAVES; ++i) {
        progress->started = i + 1;
        doc.OnSaveDocument(path);
        progress->finished = i + 1;
    }
    ::_exit(0);
}

} // namespace

// A save killed at any moment leaves the previous quiz or the new one on disk,
// never a damaged file: the pupil loses at most the last change.
class TestSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedSaveLeavesOldOrNewQuiz();

private:
    QTemporaryDir m_dir;
    CTU_QuizDoc m_versions[2];
    qint64 m_nSaveMicroseconds = 0;
};

void TestSaveKill::initTestCase()
{
    QVERIFY(m_dir.isValid());
    FillQuiz(m_versions[0], CARD_COUNT, OLD_VERSION);
    FillQuiz(m_versions[1], CARD_COUNT, NEW_VERSION);
    const QString path = m_dir.filePath("timing.qiz");
    constexpr int TIMED_SAVES = 5;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < TIMED_SAVES; ++i)
        QVERIFY(m_versions[0].OnSaveDocument(path));
    m_nSaveMicroseconds = qMax<qint64>(1, timer.nsecsElapsed() / 1000 / TIMED_SAVES);
    QVERIFY(QFile::remove(path));
}

void TestSaveKill::killedSaveLeavesOldOrNewQuiz()
{
    const quint32 seed = Seed();
    QRandomGenerator random(seed);
    const QString path = m_dir.filePath("quiz.qiz");
    QVERIFY(m_versions[0].OnSaveDocument(path));
    int onDisk = OLD_VERSION;
    int interrupted = 0;
    int replaced = 0;
    int leftoverFiles = 0;
    void* shared = ::mmap(nullptr, sizeof(SaveProgress), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    QVERIFY(shared != MAP_FAILED);
    auto unmap = qScopeGuard([shared] { ::munmap(shared, sizeof(SaveProgress)); });
    auto* progress = new (shared) SaveProgress;
    const qint64 spread = qint64(DELAY_SPREAD * double(m_nSaveMicroseconds));

    for (int trial = 0; trial < TRIALS; ++trial) {
        const int saving = onDisk == OLD_VERSION ? NEW_VERSION : OLD_VERSION;
        const qint64 delay = qint64(random.bounded(quint32(spread) + 1));
        *progress = SaveProgress();
        const pid_t child = ::fork();
        QVERIFY2(child >= 0, "fork failed");
        if (child == 0)
            SaveUntilKilled(m_versions[saving - 1], path, progress);
        SleepMicroseconds(delay);
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        if (progress->started != progress->finished)
            ++interrupted;

        // A killed save leaves its half-written file beside the quiz under a
        // hidden name of its own, never under the quiz's name.
        const QStringList leftovers =
            QDir(m_dir.path()).entryList({".quiz.qiz.tutorama-*"}, QDir::Files | QDir::Hidden);
        leftoverFiles += int(leftovers.size());
        for (const QString& name : leftovers)
            QFile::remove(m_dir.filePath(name));

        CScriptedPrompt prompt;
        CTU_QuizDoc reopened;
        reopened.SetPrompt(&prompt);
        QVERIFY2(reopened.OnOpenDocument(path),
                 qPrintable(QString("trial %1 (seed %2, delay %3 us): %4")
                                .arg(trial)
                                .arg(seed)
                                .arg(delay)
                                .arg(prompt.m_messages.join(' '))));
        if (HoldsQuiz(reopened, CARD_COUNT, saving)) {
            onDisk = saving;
            ++replaced;
        } else {
            QVERIFY2(HoldsQuiz(reopened, CARD_COUNT, onDisk),
                     qPrintable(QString("trial %1 (seed %2, delay %3 us): neither old nor new quiz")
                                    .arg(trial)
                                    .arg(seed)
                                    .arg(delay)));
        }
    }
    qInfo("save kill: %d trials, seed %u, %d cards, one save %lld us; %d killed inside a save, "
          "%d left the new quiz, %d the old one, %d temporary files left over",
          TRIALS, seed, CARD_COUNT, static_cast<long long>(m_nSaveMicroseconds), interrupted,
          replaced, TRIALS - replaced, leftoverFiles);
    // The kills must really have hit saves, or the test proves nothing.
    QVERIFY(interrupted > 0);
    QVERIFY(replaced > 0);
}

QTEST_GUILESS_MAIN(TestSaveKill)
#include "tst_savekill.moc"
