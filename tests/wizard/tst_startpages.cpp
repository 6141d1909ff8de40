#include "CNameQuizPage.h"
#include "CQuizSheet.h"
#include "CScratchMount.h"
#include "CSheetHarness.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QtTest>

// The welcome, start-quiz and name-quiz pages: every move of their table,
// with the file dialogs answered or cancelled.
class TestStartPages : public QObject
{
    Q_OBJECT

private:
    static void WriteQuiz(const QString& path, int type, const QStringList& questions)
    {
        CTU_QuizDoc doc;
        doc.SetQuizType(type);
        for (const QString& text : questions)
            doc.AddQuestion()->m_strQuestion = text;
        QVERIFY(doc.OnSaveDocument(path));
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void makeQuizLeadsToTheStartPageWithNextDisabled()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(harness.Button(ID_WIZBACK)->isEnabled());
        QVERIFY(!harness.Doc()->m_bTakeMode);
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
    }

    void cancelledSaveAsStaysArmed()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        QVERIFY(harness.Button(ID_WIZNEXT)->isEnabled());
        harness.m_prompt.QueueFile(QString());
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        QVERIFY(harness.Page()->m_bMoveArmed);
        QCOMPARE(harness.m_prompt.m_dialogs.size(), 1);
        QVERIFY(harness.m_prompt.m_dialogs[0].startsWith(
            QStringLiteral("save %1 Quiz Files (*.qiz) qiz").arg(harness.m_dir.path())));
        harness.m_prompt.QueueFile(harness.PathOf(QStringLiteral("second.qiz")));
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
    }

    void saveAsWritesTheNewQuizAtOnce()
    {
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Spelling week 3.qiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        CTU_QuizDoc reread;
        QVERIFY(reread.OnOpenDocument(harness.PathOf(QStringLiteral("Spelling week 3.qiz"))));
        QCOMPARE(reread.m_nQuestionCount, 0);
        QCOMPARE(reread.m_nQuizType, int(QUIZ_NEW));
        QCOMPARE(reread.m_strQuizName, QStringLiteral("Spelling week 3.qiz"));
        QCOMPARE(harness.Doc()->m_nManagerBackPage, int(PAGE_NAME_QUIZ));
        QCOMPARE(harness.Context().m_strQuizDir, harness.m_dir.path() + u'/');
    }

    void colonInTheFileNameKeepsTheWholeName()
    {
        CSheetHarness harness;
        const QString fileName = QStringLiteral("Maths: week 3.qiz");
        harness.StartNewQuiz(fileName);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QCOMPARE(harness.Doc()->m_strQuizName, fileName);
        CTU_QuizDoc reread;
        QVERIFY(reread.OnOpenDocument(harness.PathOf(fileName)));
        QCOMPARE(reread.m_strQuizName, fileName);
    }

    void quizNameIsTheFileNamePart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addRow("folder") << "/home/pupil/quiz.qiz"
                                << "quiz.qiz";
        QTest::addRow("colon") << "/home/pupil/Maths: week 3.qiz"
                               << "Maths: week 3.qiz";
        QTest::addRow("backslash is a letter") << "/home/pupil/a\\b.qiz"
                                               << "a\\b.qiz";
        QTest::addRow("colon without folder") << "C:a.qiz"
                                              << "C:a.qiz";
        QTest::addRow("plain name") << "a.qiz"
                                    << "a.qiz";
    }
    void quizNameIsTheFileNamePart()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(CNameQuizPage::QuizNameOf(path), name);
    }

    void aFailedSaveStaysOnTheNamePage()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
        harness.m_prompt.QueueFile(harness.PathOf(QStringLiteral("missing/folder/x.qiz")));
        harness.PressPicture(IDB_DISK_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        QCOMPARE(harness.m_prompt.m_messages.size(), 1);
        QVERIFY(harness.Doc()->m_strQuizName.isEmpty());
    }

    void saveAsOntoAReadOnlyQuizIsRefused()
    {
        CSheetHarness harness;
        const QString folder = harness.PathOf(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        CScratchMount mount(folder, 1 << 20);
        const QString path = folder + QStringLiteral("/Old quiz.qiz");
        WriteQuiz(path, QUIZ_SPELLING, {QStringLiteral("house")});
        const QByteArray before = ReadFile(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        // Root may write into a read-only file; not into a read-only file system.
        if (QFileInfo(path).isWritable() && !mount.SetReadOnly(true))
            QSKIP(qPrintable(QStringLiteral("no read-only file for this user: ") + mount.Error()));

        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_DISK_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        QCOMPARE(harness.m_prompt.m_warnings,
                 QStringList{QStringLiteral("The quiz \"Old quiz.qiz\" is read-only, so it cannot "
                                            "be replaced. Please choose another name for your "
                                            "quiz.")});
        QCOMPARE(harness.m_prompt.m_messages, harness.m_prompt.m_warnings);
        QVERIFY(harness.Doc()->m_strQuizName.isEmpty());
        QCOMPARE(ReadFile(path), before);
        mount.SetReadOnly(false);
    }

    void existingQuizCancelledLeavesNextEnabled()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.m_prompt.QueueFile(QString());
        harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        QVERIFY(harness.Button(ID_WIZNEXT)->isEnabled());
        QCOMPARE(harness.Doc()->m_nQuestionCount, 0);
        // Next now leads to the name page without clearing the document.
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
    }

    void existingQuizOpensTheManager()
    {
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("old.qiz"));
        WriteQuiz(path, QUIZ_SPELLING, {QStringLiteral("house"), QStringLiteral("garden")});
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(harness.Doc()->m_nQuestionCount, 2);
        QCOMPARE(harness.Doc()->m_nManagerBackPage, int(PAGE_START_QUIZ));
        QCOMPARE(harness.Doc()->m_strQuizPath, path);
    }

    void takeQuizGoesToTheKindsIntroduction_data()
    {
        QTest::addColumn<int>("type");
        QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD);
        QTest::addRow("spelling") << int(QUIZ_SPELLING);
        QTest::addRow("math") << int(QUIZ_MATH);
    }
    void takeQuizGoesToTheKindsIntroduction()
    {
        QFETCH(int, type);
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("take.qiz"));
        WriteQuiz(path, type, {QStringLiteral("1+1")});
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), IntroPage(type));
        QVERIFY(harness.Doc()->m_bTakeMode);
        QVERIFY(harness.m_prompt.m_dialogs[0].startsWith(QStringLiteral("open ")));
    }

    void takingAnEmptyQuizExplainsAndOpensTheManager()
    {
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("empty.qiz"));
        WriteQuiz(path, QUIZ_MATH, {});
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
        QCOMPARE(harness.m_prompt.m_messages,
                 QStringList{CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS)});
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(harness.Doc()->m_nManagerBackPage, int(PAGE_WELCOME));
    }

    void takingAFileOfAnotherFormatStays()
    {
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("other.qiz"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x05TU1.1", 6));
        file.close();
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QCOMPARE(harness.m_prompt.m_messages,
                 QStringList{QStringLiteral("Unrecognized File Format")});
        // The file the pupil picked is never touched by a failed open.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x05TU1.1", 6));
    }

    void cancelOnTheNamePageReturnsToTheWelcomePage()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QVERIFY(harness.Sheet()->isVisible());
    }

    void welcomePageStartsFromACleanDocument()
    {
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("old.qiz"));
        WriteQuiz(path, QUIZ_TRUE_FALSE, {QStringLiteral("The sun is hot")});
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.m_prompt.QueueFile(path);
        harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
        harness.Sheet()->GoToPage(PAGE_WELCOME);
        QCOMPARE(harness.Doc()->m_nQuestionCount, 0);
        QCOMPARE(harness.Doc()->m_nQuizType, int(QUIZ_NEW));
        QVERIFY(harness.Doc()->m_strQuizPath.isEmpty());
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama"));
    }

    void keyboardShortcutsChooseWithoutAMouse()
    {
        CSheetHarness harness;
        QTest::keyClick(harness.Page(), Qt::Key_M, Qt::AltModifier);
        harness.Settle();
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        QTest::keyClick(harness.Page(), Qt::Key_Return);
        harness.Settle();
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
    }
};

QTEST_MAIN(TestStartPages)
#include "tst_startpages.moc"
