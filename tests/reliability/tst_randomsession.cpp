#include "CQuizFile.h"
#include "CQuizPage.h"
#include "CQuizSheet.h"
#include "CRandomPupil.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "FaultTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using namespace FaultTools;

namespace {

constexpr quint32 DEFAULT_SEED = 2; // reaches all 22 pages
constexpr int DEFAULT_STEPS = 3000;
constexpr int DEFAULT_SECONDS = 150;
// Lines of the action log shown when an invariant breaks.
constexpr int LOG_LINES = 25;

int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

void WriteQuiz(const QString& path, int kind, const QList<std::pair<QString, QString>>& items)
{
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_strQuizName = QFileInfo(path).fileName();
    for (const auto& [front, back] : items) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = front;
        question->m_strAnswer = back;
        question->m_nAnswer = int(back == QLatin1String("False"));
    }
    QVERIFY(doc.OnSaveDocument(path));
}

// Why the document and the file disagree, or an empty string.
QString CompareWithFile(const CTU_QuizDoc& doc)
{
    CQuizFile::Contents contents;
    QString reason;
    const CQuizFile::Status status = CQuizFile::Load(doc.m_strQuizPath, &contents, &reason);
    if (status != CQuizFile::Status::Ok)
        return QStringLiteral("the quiz file does not open: ") +
               CQuizFile::Message(status, doc.m_strQuizPath, reason);
    if (contents.bEmptyFile)
        return doc.Questions().empty() ? QString() : QStringLiteral("the file is empty");
    if (contents.nQuizType != doc.m_nQuizType)
        return QStringLiteral("the file's kind is %1, the document's %2")
            .arg(contents.nQuizType)
            .arg(doc.m_nQuizType);
    if (contents.questions.size() != doc.Questions().size())
        return QStringLiteral("the file holds %1 questions, the document %2")
            .arg(contents.questions.size())
            .arg(doc.Questions().size());
    for (size_t i = 0; i < contents.questions.size(); ++i) {
        const CQuestion& stored = *contents.questions[i];
        const CQuestion& held = *doc.Questions()[i];
        if (stored.m_strQuestion != held.m_strQuestion || stored.m_strAnswer != held.m_strAnswer ||
            (doc.m_nQuizType == QUIZ_TRUE_FALSE && stored.m_nAnswer != held.m_nAnswer))
            return QStringLiteral("question %1 differs: file \"%2\"/\"%3\", document \"%4\"/\"%5\"")
                .arg(i)
                .arg(stored.m_strQuestion, stored.m_strAnswer, held.m_strQuestion,
                     held.m_strAnswer);
    }
    return {};
}

} // namespace

// Thousands of random clicks, keys, texts and answers on the real sheet;
// after each one the sheet and the document must still make sense and,
// while a quiz is being made, the file on disk must hold what the
// document holds. Repeat a failing run with TUTORAMA_SESSION_SEED.
class TestRandomSession : public QObject
{
    Q_OBJECT

private slots:
    void randomSession();
    void sameSeedSameSession();

private:
    // Quiz files for the pupil to open and names to save under, in a new folder.
    void PreparePool();
    // Runs a session on a new pool; every action done, in order, goes to actions.
    void RunSession(quint32 seed, int maxSteps, qint64 maxMs, QStringList* actions);
    QString BrokenInvariant(CSheetHarness& harness);

    std::unique_ptr<QTemporaryDir> m_pPool;
    QStringList m_openFiles;
    QStringList m_saveFiles;
    int m_nFileChecks = 0;
};

void TestRandomSession::PreparePool()
{
    m_pPool = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pPool->isValid());
    m_openFiles.clear();
    m_saveFiles.clear();
    m_nFileChecks = 0;
    const auto path = [this](const char* name) { return m_pPool->filePath(QLatin1String(name)); };
    WriteQuiz(path("animals.qiz"), QUIZ_TRUE_FALSE,
              {{"A whale is a fish.", "False"}, {"Bees make honey.", "True"}});
    WriteQuiz(path("capitals.qiz"), QUIZ_FLASH_CARD,
              {{"France", "Paris"},
               {"Espa\u00f1a", "Madrid"},
               {"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", "Athens"}});
    WriteQuiz(path("words.qiz"), QUIZ_SPELLING, {{"because", ""}, {"friend", ""}});
    WriteQuiz(path("sums.qiz"), QUIZ_MATH, {{"57+41", ""}, {"1/8", ""}, {"5*-3", ""}});
    const QByteArray cards = ReadFile(path("capitals.qiz"));
    QVERIFY(WriteFile(path("damaged.qiz"), cards.left(cards.size() / 2)));
    QVERIFY(WriteFile(path("letter.qiz"), "Dear teacher, here is my homework."));
    QVERIFY(WriteFile(path("empty.qiz"), QByteArray()));
    for (const char* name : {"animals.qiz", "capitals.qiz", "words.qiz", "sums.qiz", "damaged.qiz",
                             "letter.qiz", "empty.qiz", "missing.qiz"})
        m_openFiles.append(path(name));
    for (const char* name :
         {"new-a.qiz", "new-b.qiz", "animals.qiz", "sums.qiz", "no folder/quiz.qiz"})
        m_saveFiles.append(path(name));
}

QString TestRandomSession::BrokenInvariant(CSheetHarness& harness)
{
    const CTU_QuizDoc& doc = *harness.Doc();
    if (doc.m_nQuestionCount != int(doc.Questions().size()))
        return QStringLiteral("question count %1, list length %2")
            .arg(doc.m_nQuestionCount)
            .arg(doc.Questions().size());
    const int index = harness.Index();
    if (index < 0 || index >= PAGE_COUNT)
        return QStringLiteral("page index %1").arg(index);
    if (harness.Page() != harness.Sheet()->Page(index))
        return QStringLiteral("the active page is not page %1").arg(index);
    if (harness.Sheet()->isVisible() && !harness.Page()->isVisible())
        return QStringLiteral("page %1 is not shown").arg(index);
    if (!doc.m_bTakeMode && !doc.m_strQuizPath.isEmpty() && QFileInfo::exists(doc.m_strQuizPath) &&
        index >= PAGE_QUIZ_FORMAT) {
        ++m_nFileChecks;
        return CompareWithFile(doc);
    }
    return {};
}

void TestRandomSession::randomSession()
{
    const quint32 seed = quint32(EnvironmentNumber("TUTORAMA_SESSION_SEED", DEFAULT_SEED));
    const int maxSteps = EnvironmentNumber("TUTORAMA_SESSION_STEPS", DEFAULT_STEPS);
    const qint64 maxMs =
        qint64(EnvironmentNumber("TUTORAMA_SESSION_SECONDS", DEFAULT_SECONDS)) * 1000;
    QStringList actions;
    RunSession(seed, maxSteps, maxMs, &actions);
    // TUTORAMA_SESSION_LOG names a file for the whole action log, to compare two runs.
    const QString logPath = qEnvironmentVariable("TUTORAMA_SESSION_LOG");
    if (!logPath.isEmpty())
        QVERIFY(WriteFile(logPath, actions.join(u'\n').toUtf8() + '\n'));
}

// A failing session can only be repeated if a seed always gives the same session,
// whatever the machine's speed.
void TestRandomSession::sameSeedSameSession()
{
    constexpr int STEPS = 400;
    constexpr qint64 NO_TIME_LIMIT = std::numeric_limits<qint64>::max();
    QStringList first;
    QStringList second;
    RunSession(DEFAULT_SEED, STEPS, NO_TIME_LIMIT, &first);
    RunSession(DEFAULT_SEED, STEPS, NO_TIME_LIMIT, &second);
    QCOMPARE(first.size(), STEPS);
    for (int step = 0; step < STEPS; ++step)
        QCOMPARE(second.at(step), first.at(step));
}

void TestRandomSession::RunSession(quint32 seed, int maxSteps, qint64 maxMs, QStringList* actions)
{
    PreparePool();
    if (QTest::currentTestFailed())
        return;
    CRandomPupil pupil(seed, m_openFiles, m_saveFiles, m_pPool->filePath("printout.pdf"));
    QRandomGenerator quizRandom(seed);

    auto harness = std::make_unique<CSheetHarness>();
    const auto start = [&] {
        harness->Doc()->SetRandomSource([&quizRandom] { return int(quizRandom.bounded(0x8000)); },
                                        [](unsigned) {});
        pupil.Attach(harness.get());
    };
    start();
    QSet<int> pagesSeen;
    int sheets = 1;
    int step = 0;
    QElapsedTimer timer;
    timer.start();
    for (; step < maxSteps && timer.elapsed() < maxMs; ++step) {
        actions->append(
            QStringLiteral("%1 [page %2] %3").arg(step).arg(harness->Index()).arg(pupil.Step()));
        pagesSeen.insert(harness->Index());
        const QString broken = BrokenInvariant(*harness);
        if (!broken.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4")
                    .arg(seed)
                    .arg(step)
                    .arg(broken, actions->mid(std::max<qsizetype>(0, actions->size() - LOG_LINES))
                                     .join(QStringLiteral("\n  ")))));
        if (!harness->Sheet()->isVisible()) {
            // The pupil closed the program: start it again.
            pupil.Detach();
            harness = std::make_unique<CSheetHarness>();
            start();
            ++sheets;
        }
    }
    pupil.Detach();
    QStringList unseen;
    for (int page = 0; page < PAGE_COUNT; ++page) {
        if (!pagesSeen.contains(page))
            unseen.append(QString::number(page));
    }
    qInfo("random session: pages never reached: %s", qPrintable(unseen.join(u' ')));
    qInfo("random session: seed %u, %d steps in %lld ms, %d program starts; %d clicks, %d keys, "
          "%d texts, %d list picks, %d scripted answers, %d actions in real dialogs; %d of %d "
          "pages seen; %d file checks",
          seed, step, static_cast<long long>(timer.elapsed()), sheets, pupil.m_nClicks,
          pupil.m_nKeys, pupil.m_nTexts, pupil.m_nListPicks, pupil.m_nScriptedAnswers,
          pupil.m_nDialogActions, int(pagesSeen.size()), int(PAGE_COUNT), m_nFileChecks);
}

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"
