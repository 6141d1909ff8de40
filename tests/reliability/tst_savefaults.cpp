#include "CScratchMount.h"
#include "CScriptedPrompt.h"
#include "CTU_QuizDoc.h"
#include "FaultTools.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace FaultTools;

namespace {

constexpr int CARD_COUNT = 20;
constexpr int VERSION = 1;
constexpr qint64 SCRATCH_DISK_BYTES = 64 * 1024;
constexpr qint64 FILLER_CHUNK = 4096;
// Far more cards than fit into the space left under the size limit.
constexpr int EXTRA_CARDS = 200;

enum class Fault
{
    ScratchDiskFull,
    FileSizeLimit,
    FolderPermissions,
    FilePermissions,
    ImmutableFolder,
    ImmutableFile,
    ReadOnlyFileSystem,
};

// Fills the rest of a file system; returns how many bytes went in.
qint64 FillDisk(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return 0;
    const QByteArray chunk(FILLER_CHUNK, 'x');
    qint64 written = 0;
    while (filler.write(chunk) == chunk.size() && filler.flush())
        written += chunk.size();
    // The last partial chunk may still sit in a buffer: make it hit the disk.
    filler.close();
    return written;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// A save that the disk or the folder refuses tells the pupil, keeps the
// previous file as it was and keeps every question in the document, so the
// next save, once there is room or the folder is writable, loses nothing.
class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusedSave_data();
    void refusedSave();
    void unchangedReadOnlyQuizSavesQuietly();

private:
    // Makes the next save to m_strPath fail; false with m_strSkip set when
    // this machine or user cannot make the fault.
    bool InjectFault(Fault fault);
    void ClearFault(Fault fault);
    void AddCard(CTU_QuizDoc& doc, int index);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CScratchMount> m_mount;
    QString m_strFolder;
    QString m_strPath;
    QString m_strSkip;
    rlimit m_savedLimit{};
    void (*m_previousHandler)(int) = nullptr;
};

void TestSaveFaults::init()
{
    m_mount.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_strFolder = m_dir->filePath("Quizzes");
    QVERIFY(QDir().mkpath(m_strFolder));
    m_strPath = m_strFolder + "/capitals.qiz";
    m_strSkip.clear();
}

void TestSaveFaults::refusedSave_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("needsScratchDisk");
    // A folder that refuses new files, holding a quiz the pupil may write: written in place.
    QTest::addColumn<bool>("writesInPlace");
    QTest::addRow("full tmpfs of 64 KiB") << Fault::ScratchDiskFull << true << false;
    QTest::addRow("file size limit") << Fault::FileSizeLimit << false << false;
    QTest::addRow("folder without write permission") << Fault::FolderPermissions << false << true;
    QTest::addRow("file without write permission") << Fault::FilePermissions << false << false;
    QTest::addRow("immutable folder") << Fault::ImmutableFolder << false << true;
    QTest::addRow("immutable file") << Fault::ImmutableFile << false << false;
    QTest::addRow("read-only file system") << Fault::ReadOnlyFileSystem << true << false;
}

bool TestSaveFaults::InjectFault(Fault fault)
{
    switch (fault) {
    case Fault::ScratchDiskFull:
        if (FillDisk(m_strFolder + "/filler.bin") <= 0) {
            m_strSkip = "the scratch disk could not be filled";
            return false;
        }
        return true;
    case Fault::FileSizeLimit: {
        // A limit just above the old file: writing the new one fails as on a full disk.
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &m_savedLimit);
        limit = m_savedLimit;
        limit.rlim_cur = rlim_t(QFileInfo(m_strPath).size() + FILLER_CHUNK);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    case Fault::FolderPermissions:
    case Fault::FilePermissions: {
        if (IgnoresPermissions()) {
            m_strSkip = "this user ignores file permissions (root)";
            return false;
        }
        const bool folder = fault == Fault::FolderPermissions;
        return QFile::setPermissions(folder ? m_strFolder : m_strPath,
                                     folder ? QFile::ReadOwner | QFile::ExeOwner
                                            : QFile::Permissions(QFile::ReadOwner));
    }
    case Fault::ImmutableFolder:
    case Fault::ImmutableFile:
        if (!SetImmutable(fault == Fault::ImmutableFolder ? m_strFolder : m_strPath, true)) {
            m_strSkip = "the immutable flag cannot be set here (needs root and ext4 or the like)";
            return false;
        }
        return true;
    case Fault::ReadOnlyFileSystem:
        if (!m_mount->SetReadOnly(true)) {
            m_strSkip = "the scratch disk could not be made read-only";
            return false;
        }
        return true;
    }
    return false;
}

void TestSaveFaults::ClearFault(Fault fault)
{
    switch (fault) {
    case Fault::ScratchDiskFull:
        QFile::remove(m_strFolder + "/filler.bin");
        break;
    case Fault::FileSizeLimit:
        ::setrlimit(RLIMIT_FSIZE, &m_savedLimit);
        std::signal(SIGXFSZ, m_previousHandler);
        break;
    case Fault::FolderPermissions:
        QFile::setPermissions(m_strFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        break;
    case Fault::FilePermissions:
        QFile::setPermissions(m_strPath, QFile::ReadOwner | QFile::WriteOwner);
        break;
    case Fault::ImmutableFolder:
        SetImmutable(m_strFolder, false);
        break;
    case Fault::ImmutableFile:
        SetImmutable(m_strPath, false);
        break;
    case Fault::ReadOnlyFileSystem:
        m_mount->SetReadOnly(false);
        break;
    }
}

void TestSaveFaults::AddCard(CTU_QuizDoc& doc, int index)
{
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = QString("New card %1 the pupil just wrote").arg(index);
    question->m_strAnswer = QString("Its back %1").arg(index);
}

void TestSaveFaults::refusedSave()
{
    QFETCH(Fault, fault);
    QFETCH(bool, needsScratchDisk);
    QFETCH(bool, writesInPlace);
    if (needsScratchDisk) {
        m_mount = std::make_unique<CScratchMount>(m_strFolder, SCRATCH_DISK_BYTES);
        if (!m_mount->IsMounted())
            QSKIP(qPrintable("a tmpfs cannot be mounted here: " + m_mount->Error()));
    }

    CScriptedPrompt prompt;
    CTU_QuizDoc doc;
    doc.SetPrompt(&prompt);
    FillQuiz(doc, CARD_COUNT, VERSION);
    QVERIFY(doc.OnSaveDocument(m_strPath));
    const QByteArray old = ReadFile(m_strPath);
    QVERIFY(!old.isEmpty());

    // The pupil adds cards; the save of the last one is refused.
    const int extra = fault == Fault::FileSizeLimit ? EXTRA_CARDS : 1;
    for (int i = 0; i < extra; ++i)
        AddCard(doc, i);
    const bool injected = InjectFault(fault);
    auto clear = qScopeGuard([&] { ClearFault(fault); });
    if (!injected && !m_strSkip.isEmpty())
        QSKIP(qPrintable(m_strSkip));
    QVERIFY(injected);
    const bool saved = doc.OnSaveDocument(m_strPath);
    clear.dismiss();
    ClearFault(fault);

    if (writesInPlace) {
        QVERIFY2(saved, qPrintable(prompt.m_messages.join(' ')));
        QVERIFY(prompt.m_messages.isEmpty());
        QVERIFY(!doc.HasUnsavedQuestions());
        CTU_QuizDoc reopened;
        QVERIFY(reopened.OnOpenDocument(m_strPath));
        QCOMPARE(reopened.m_nQuestionCount, CARD_COUNT + extra);
        QCOMPARE(QDir(m_strFolder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"capitals.qiz"});
        return;
    }
    QVERIFY2(!saved, "the save was not refused");
    QCOMPARE(prompt.m_messages.size(), 1);
    const QString message = prompt.m_messages.first();
    QVERIFY2(message.startsWith("The quiz could not be saved to " +
                                QDir::toNativeSeparators(m_strPath) + ": "),
             qPrintable(message));
    QVERIFY2(message.endsWith("The quiz file on disk was not changed."), qPrintable(message));
    QCOMPARE(ReadFile(m_strPath), old);
    QCOMPARE(QDir(m_strFolder).entryList({"*.qiz*"}, QDir::Files | QDir::Hidden),
             QStringList{"capitals.qiz"});

    // Nothing the pupil wrote is lost: the next save writes every card.
    QCOMPARE(doc.m_nQuestionCount, CARD_COUNT + extra);
    QCOMPARE(int(doc.Questions().size()), CARD_COUNT + extra);
    QVERIFY(doc.OnSaveDocument(m_strPath));
    CTU_QuizDoc reopened;
    QVERIFY(reopened.OnOpenDocument(m_strPath));
    QCOMPARE(reopened.m_nQuestionCount, CARD_COUNT + extra);
    for (int i = 0; i < CARD_COUNT + extra; ++i) {
        QCOMPARE(reopened.Question(i)->m_strQuestion, doc.Question(i)->m_strQuestion);
        QCOMPARE(reopened.Question(i)->m_strAnswer, doc.Question(i)->m_strAnswer);
    }
    QCOMPARE(prompt.m_messages.size(), 1);
}

void TestSaveFaults::unchangedReadOnlyQuizSavesQuietly()
{
    // A teacher's quiz, saved somewhere else and then made read-only.
    CTU_QuizDoc teacher;
    FillQuiz(teacher, CARD_COUNT, VERSION);
    const QString elsewhere = m_dir->filePath("teacher.qiz");
    QVERIFY(teacher.OnSaveDocument(elsewhere));
    QVERIFY(QFile::rename(elsewhere, m_strPath));
    const QByteArray old = ReadFile(m_strPath);
    const Fault fault = IgnoresPermissions() ? Fault::ImmutableFile : Fault::FilePermissions;
    const bool injected = InjectFault(fault);
    auto clear = qScopeGuard([&] { ClearFault(fault); });
    if (!injected)
        QSKIP(qPrintable(m_strSkip));

    CScriptedPrompt prompt;
    CTU_QuizDoc pupil;
    pupil.SetPrompt(&prompt);
    QVERIFY(pupil.OnOpenDocument(m_strPath));
    QVERIFY(pupil.IsFileReadOnly());
    // Pages save after every visit: nothing changed, so nothing failed.
    QVERIFY(pupil.OnSaveDocument(m_strPath));
    QVERIFY(prompt.m_messages.isEmpty());
    QVERIFY(!pupil.HasUnsavedQuestions());

    // A change cannot go there: said once, kept in the document.
    AddCard(pupil, 1);
    QVERIFY(!pupil.OnSaveDocument(m_strPath));
    QVERIFY(!pupil.OnSaveDocument(m_strPath));
    QCOMPARE(prompt.m_messages.size(), 1);
    QVERIFY(pupil.HasUnsavedQuestions());
    QCOMPARE(ReadFile(m_strPath), old);
}

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
