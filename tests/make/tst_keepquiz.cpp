#include "CMakeSteps.h"
#include "CQuizFile.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "FaultTools.h"
#include "ResourceIds.h"

#include <QDir>
#include <QScopeGuard>
#include <QtTest>

#include <sys/stat.h>

namespace {

enum Choice
{
    SAVE_ELSEWHERE,
    LEAVE,
    STAY
};

const char* const kLeaveQuestion = "Some of your questions are not saved";

// Opens a file the way a pupil can: Take Quiz, Existing Quiz, or the command line.
void OpenAs(CSheetHarness& harness, const QString& how, const QString& path)
{
    if (how == "command line") {
        harness.OpenFromCommandLine(path);
        return;
    }
    harness.m_prompt.QueueFile(path);
    if (how == "take quiz") {
        harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
        return;
    }
    harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
}

} // namespace

// Nothing a pupil wrote is thrown away, and no file makes the window hang.
class TestKeepQuiz : public QObject
{
    Q_OBJECT

private slots:
    void leavingUnsavedQuestionsAsks_data();
    void leavingUnsavedQuestionsAsks();
    void specialFilesNeverHang_data();
    void specialFilesNeverHang();
    void quizWithoutKindSaysSo();
    void readOnlyQuizIsToldOnce();
};

void TestKeepQuiz::leavingUnsavedQuestionsAsks_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("choice");
    for (const char* action : {"Cancel", "close box", "Finish", "Back to a new quiz"}) {
        QTest::addRow("%s, save elsewhere", action) << QString(action) << int(SAVE_ELSEWHERE);
        QTest::addRow("%s, leave", action) << QString(action) << int(LEAVE);
        QTest::addRow("%s, stay", action) << QString(action) << int(STAY);
    }
}

void TestKeepQuiz::leavingUnsavedQuestionsAsks()
{
    QFETCH(QString, action);
    QFETCH(int, choice);
    CSheetHarness harness;
    QVERIFY(QDir(harness.m_dir.path()).mkdir("class"));
    CMakeSteps steps(harness, "class/owls.qiz");
    steps.NewQuizOfKind(QUIZ_TRUE_FALSE);
    harness.ClickPageButton("Add a Statement");
    steps.WriteStatement("Owls hoot at night", true);
    harness.Click(ID_WIZNEXT);
    // The class folder goes away: the next question cannot be saved.
    QVERIFY(QDir(harness.PathOf("class")).removeRecursively());
    steps.WriteStatement("Owls eat soup", false);
    harness.Click(ID_SHEET_FINISH);
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
    QCOMPARE(harness.m_prompt.m_warnings.size(), 1);
    QVERIFY2(harness.m_prompt.m_warnings.first().endsWith("No quiz file was made there."),
             qPrintable(harness.m_prompt.m_warnings.first()));
    QCOMPARE(harness.Doc()->m_nQuestionCount, 2);

    const QString copy = harness.PathOf("copy.qiz");
    harness.m_prompt.QueueChoice(choice);
    if (choice == SAVE_ELSEWHERE)
        harness.m_prompt.QueueFile(copy);
    if (action == "Cancel") {
        harness.Click(IDCANCEL);
    } else if (action == "close box") {
        harness.Sheet()->close();
        CSheetHarness::Settle();
    } else if (action == "Finish") {
        harness.m_prompt.QueueYesNo(false); // not taken now
        harness.Click(ID_SHEET_FINISH);
    } else {
        harness.Doc()->m_nManagerBackPage = PAGE_START_QUIZ;
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
    }
    QCOMPARE(harness.m_prompt.m_choiceQuestions.size(), 1);
    QVERIFY(harness.m_prompt.m_choiceQuestions.first().startsWith(kLeaveQuestion));
    QVERIFY(harness.m_prompt.AllAnswersUsed());
    QCOMPARE(harness.m_prompt.m_warnings.size(), 1);

    if (choice == STAY) {
        const bool onManager = action != "Back to a new quiz";
        QCOMPARE(harness.Index(), onManager ? int(PAGE_QUESTION_MANAGER) : int(PAGE_START_QUIZ));
        QVERIFY(harness.Sheet()->isVisible());
        QCOMPARE(int(harness.Doc()->Questions().size()), 2);
        return;
    }
    // The close box acts as Cancel does here: back to the welcome page.
    QCOMPARE(harness.Index(),
             action == "Back to a new quiz" ? int(PAGE_NAME_QUIZ) : int(PAGE_WELCOME));
    QCOMPARE(QFileInfo::exists(copy), choice == SAVE_ELSEWHERE);
    if (choice == SAVE_ELSEWHERE) {
        CTU_QuizDoc saved;
        QVERIFY(saved.OnOpenDocument(copy));
        QCOMPARE(saved.m_nQuestionCount, 2);
        QCOMPARE(saved.Question(1)->m_strQuestion, QString("Owls eat soup"));
    }
}

void TestKeepQuiz::specialFilesNeverHang_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("target");
    for (const char* how : {"take quiz", "existing quiz", "command line"}) {
        QTest::addRow("%s, pipe", how) << QString(how) << QString();
        QTest::addRow("%s, link to /dev/zero", how) << QString(how) << QString("/dev/zero");
    }
}

void TestKeepQuiz::specialFilesNeverHang()
{
    QFETCH(QString, how);
    QFETCH(QString, target);
    CSheetHarness harness;
    const QString path = harness.PathOf("x.qiz");
    if (target.isEmpty())
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(target, path));
    const int before = harness.Index();
    OpenAs(harness, how, path);
    QCOMPARE(harness.m_prompt.m_messages.size(), 1);
    QVERIFY2(harness.m_prompt.m_messages.first().contains("is not an ordinary file"),
             qPrintable(harness.m_prompt.m_messages.first()));
    QCOMPARE(harness.Index(), how == "existing quiz" ? int(PAGE_START_QUIZ) : before);
    QVERIFY(harness.Doc()->Questions().empty());
}

void TestKeepQuiz::quizWithoutKindSaysSo()
{
    for (const QString how : {"take quiz", "command line"}) {
        CSheetHarness harness;
        CTU_QuizDoc unfinished;
        unfinished.SetQuizType(QUIZ_NEW);
        unfinished.AddQuestion()->m_strQuestion = "Owls hoot at night";
        const QString path = harness.PathOf("nokind.qiz");
        QVERIFY(unfinished.OnSaveDocument(path));
        OpenAs(harness, how, path);
        QCOMPARE(harness.m_prompt.m_messages.size(), 1);
        const QString message = harness.m_prompt.m_messages.first();
        QVERIFY2(message.contains("no quiz type has been chosen"), qPrintable(message));
        QVERIFY(message != CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
    }
}

void TestKeepQuiz::readOnlyQuizIsToldOnce()
{
    CSheetHarness harness;
    CTU_QuizDoc teacher;
    teacher.SetQuizType(QUIZ_TRUE_FALSE);
    teacher.AddQuestion()->m_strQuestion = "Owls hoot at night";
    const QString path = harness.PathOf("teacher.qiz");
    QVERIFY(teacher.OnSaveDocument(path));
    const bool root = FaultTools::IgnoresPermissions();
    const bool locked =
        root ? FaultTools::SetImmutable(path, true) : QFile::setPermissions(path, QFile::ReadOwner);
    auto unlock = qScopeGuard([&] {
        if (root)
            FaultTools::SetImmutable(path, false);
    });
    if (!locked)
        QSKIP("the file cannot be made read-only for this user here");

    OpenAs(harness, "existing quiz", path);
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
    QCOMPARE(harness.m_prompt.m_messages.size(), 1);
    QVERIFY2(harness.m_prompt.m_messages.first().contains("not change the file"),
             qPrintable(harness.m_prompt.m_messages.first()));
    QVERIFY(harness.m_prompt.m_warnings.isEmpty());

    // A change stays in the document, without another message, until the quiz is left.
    CMakeSteps steps(harness);
    harness.ClickPageButton("Add a Statement");
    steps.WriteStatement("Owls eat soup", false);
    harness.Click(ID_SHEET_FINISH);
    QCOMPARE(steps.ListLines().size(), 2);
    QCOMPARE(harness.m_prompt.m_messages.size(), 1);
    harness.m_prompt.QueueChoice(STAY);
    harness.Click(IDCANCEL);
    QCOMPARE(harness.m_prompt.m_choiceQuestions.size(), 1);
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
}

QTEST_MAIN(TestKeepQuiz)
#include "tst_keepquiz.moc"
