#include "CHelpWindow.h"
#include "CPrinterDialog.h"
#include "CQuizApp.h"
#include "CQuizSheet.h"
#include "CSaveFileDialog.h"
#include "CScratchMount.h"
#include "CScriptedPrompt.h"
#include "CSpeechRegistry.h"
#include "CTU_QuizDoc.h"
#include "CWidgetPrompt.h"
#include "CYesNoBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A machine without any speech engine.
class CNoSpeech : public CSpeechRegistry
{
public:
    std::optional<Values> OpenKey(const QString&) const override { return std::nullopt; }
};
} // namespace

Q_DECLARE_METATYPE(CPrompt::Reply)

// Start-up: what the program finds on the machine and builds.
class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheWelcomePageWithTheCurrentFolder()
    {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        CScriptedPrompt prompt;
        CQuizApp::Options options;
        options.m_pPrompt = &prompt;
        CQuizApp app(options);
        CQuizSheet* sheet = app.BuildSheet();
        QDir::setCurrent(before);
        QCOMPARE(sheet->PageCount(), int(PAGE_COUNT));
        QCOMPARE(sheet->CurrentIndex(), int(PAGE_WELCOME));
        QCOMPARE(QDir(app.Context().m_strQuizDir).canonicalPath(),
                 QDir(folder.path()).canonicalPath());
        QCOMPARE(app.Doc()->m_nQuizType, int(QUIZ_NEW));
        QCOMPARE(app.Doc()->Prompt(), &prompt);
    }

    void adviceIsLookedForBesideTheProgram()
    {
        const QString dir = CQuizApp::FindAdviceDir();
        QVERIFY(dir.endsWith(QStringLiteral("/advice/")));
        // Whatever the current folder, the advice folder does not follow it.
        const QString before = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        QCOMPARE(CQuizApp::FindAdviceDir(), dir);
        QDir::setCurrent(before);
    }

    void speechIsFoundOnThisMachineAndCanBeAbsent()
    {
        CScriptedPrompt prompt;
        CNoSpeech none;
        CQuizApp::Options options;
        options.m_pPrompt = &prompt;
        options.m_pSpeech = &none;
        CQuizApp silent(options);
        silent.BuildSheet();
        QVERIFY(!silent.Context().m_bSpeechAvailable);

        options.m_pSpeech = nullptr;
        CQuizApp speaking(options);
        speaking.BuildSheet();
        QVERIFY2(speaking.Context().m_bSpeechAvailable, "espeak-ng data should be installed");
    }

    void printerDialogOffersWholePrintoutsInANamedFile()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Animals"));
        // In the quiz folder, which the program's start-up takes from the current folder.
        const QString suggested = QDir::current().filePath(QStringLiteral("Animals.pdf"));
        CPrinterDialog dialog(&printer);
        dialog.show(); // not run: the test only looks at what it offers
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        // What the user meets: no page range or selection to choose, the quiz's file name.
        for (const char* name : {"printRange", "pagesRadioButton"}) {
            auto* choice = dialog.findChild<QAbstractButton*>(QLatin1String(name));
            QVERIFY2(!choice || !choice->isEnabled(), name);
        }
        for (const char* name : {"printSelection", "printCurrentPage"}) {
            auto* choice = dialog.findChild<QAbstractButton*>(QLatin1String(name));
            QVERIFY2(!choice || choice->isHidden(), name);
        }
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY(file);
        QCOMPARE(file->text(), QDir::toNativeSeparators(suggested));
        dialog.reject();
    }

    // The real Yes/No box, answered by a user at the keyboard or the close box.
    void yesNoBoxAnswersOnlyWithItsButtons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<CPrompt::Reply>("defaultReply");
        QTest::addColumn<CPrompt::Reply>("expected");
        using R = CPrompt::Reply;
        QTest::newRow("Escape is no answer") << "escape" << R::Yes << R::Cancel;
        QTest::newRow("Escape when No is the default") << "escape" << R::No << R::Cancel;
        QTest::newRow("close box is no answer") << "close" << R::Yes << R::Cancel;
        QTest::newRow("Enter with Yes the default") << "enter" << R::Yes << R::Yes;
        QTest::newRow("Enter with No the default") << "enter" << R::No << R::No;
        QTest::newRow("Yes clicked") << "yes" << R::No << R::Yes;
        QTest::newRow("No clicked") << "no" << R::Yes << R::No;
    }

    void yesNoBoxAnswersOnlyWithItsButtons()
    {
        QFETCH(QString, action);
        QFETCH(CPrompt::Reply, defaultReply);
        QFETCH(CPrompt::Reply, expected);
        bool seen = false;
        bool stillOpen = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<CYesNoBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = true;
            if (action == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (action == QLatin1String("close"))
                box->close();
            else if (action == QLatin1String("enter"))
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
            else
                QTest::mouseClick(box->button(action == QLatin1String("yes") ? QMessageBox::Yes
                                                                             : QMessageBox::No),
                                  Qt::LeftButton);
            // Whatever happened, the box must not stay open and block the test.
            stillOpen = box->isVisible();
            if (stillOpen)
                box->done(QMessageBox::Abort);
        });
        CWidgetPrompt prompt;
        QCOMPARE(prompt.AskYesNo(QStringLiteral("Throw it away?"), defaultReply), expected);
        QVERIFY(seen);
        QVERIFY(!stillOpen);
    }

    void saveDialogAsksBeforeReplacingOnlyAFileItCanReplace_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable quiz: asked") << false;
        QTest::newRow("read-only quiz: the page refuses it, nothing to confirm") << true;
    }

    void saveDialogAsksBeforeReplacingOnlyAFileItCanReplace()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        CScratchMount mount(dir.path(), 1 << 20);
        if (!mount.IsMounted())
            QSKIP(qPrintable(QStringLiteral("no scratch file system: ") + mount.Error()));
        const QString path = dir.filePath(QStringLiteral("Old quiz.qiz"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(mount.SetReadOnly(readOnly));

        QStringList asked;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CSaveFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // A "replace?" box opens inside accept(): answer it Yes as soon as it shows.
            QTimer::singleShot(0, this, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked.append(box->text());
                    box->button(QMessageBox::Yes)->click();
                }
            });
            dialog->selectFile(QStringLiteral("Old quiz"));
            dialog->accept();
            if (dialog->isVisible())
                dialog->reject();
        });
        CWidgetPrompt prompt;
        const QString chosen = prompt.GetSaveFileName(dir.path(), QStringLiteral("Quiz (*.qiz)"),
                                                      QStringLiteral("qiz"));
        mount.SetReadOnly(false);
        QCOMPARE(chosen, path);
        QCOMPARE(asked.size(), readOnly ? 0 : 1);
    }

    void f1OpensTheHelp()
    {
        CScriptedPrompt prompt;
        CQuizApp::Options options;
        options.m_pPrompt = &prompt;
        CQuizApp app(options);
        CQuizSheet* sheet = app.BuildSheet();
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        QTest::keyClick(sheet, Qt::Key_F1);
        QVERIFY(app.HelpWindow());
        QVERIFY(app.HelpWindow()->isVisible());
        const QString text = app.HelpWindow()->Browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Taking a quiz")));
        QVERIFY(text.contains(QStringLiteral("Naming a new quiz")));
    }

    // Under a school's file-size limit (ulimit -f) a save that crosses it fails
    // with a message, as on a full disk; the system does not end the program.
    // The limit is set in a child process that does not ignore the signal itself.
    void saveOverFileSizeLimitFailsWithMessage()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cards.qiz"));
        constexpr rlim_t LIMIT = 4096;
        constexpr int TOLD = 7;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{LIMIT, LIMIT};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            CScriptedPrompt prompt;
            CQuizApp::Options options;
            options.m_pPrompt = &prompt;
            const CQuizApp app(options);
            CTU_QuizDoc doc;
            doc.SetPrompt(&prompt);
            doc.SetQuizType(QUIZ_FLASH_CARD);
            for (int i = 0; i < 200; ++i)
                doc.AddQuestion()->m_strQuestion = QStringLiteral("card %1 of many").arg(i);
            const bool saved = doc.OnSaveDocument(path);
            const bool told = prompt.m_messages.size() == 1 &&
                              prompt.m_messages.first().contains(QStringLiteral("larger than"));
            ::_exit(!saved && told ? TOLD : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(!WIFSIGNALED(status), "the program was ended by a signal");
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), TOLD);
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
