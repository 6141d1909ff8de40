#include "CHelpWindow.h"
#include "CQuizApp.h"
#include "CQuizSheet.h"
#include "CScriptedPrompt.h"
#include "CSpeechRegistry.h"
#include "CTU_QuizDoc.h"
#include "CWidgetPrompt.h"
#include "CYesNoBox.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

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
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
