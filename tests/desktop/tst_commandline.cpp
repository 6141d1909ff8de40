#include "CCommandLine.h"
#include "CQuizApp.h"
#include "CQuizSheet.h"
#include "CScriptedPrompt.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kProcessMilliseconds = 20000;

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Without a window system, as in a terminal over ssh; or on the offscreen platform.
enum class Screen
{
    None,
    Offscreen
};

Run RunProgram(const QStringList& arguments, Screen screen)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (screen == Screen::Offscreen)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TUTORAMA_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(kProcessMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    // A crash or an abort is no exit status of the program's own.
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
} // namespace

// Started by a file manager with a quiz, or from a terminal with --help or --version.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Tutorama"));
        QCoreApplication::setApplicationVersion(QStringLiteral(TUTORAMA_VERSION_TEXT));
    }

    void parsesWhatItIsGiven_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("quizPath");
        const QString prog = QStringLiteral("tutorama");
        const QString absolute = QDir::current().absoluteFilePath(QStringLiteral("Week 3.qiz"));
        QTest::addRow("nothing") << QStringList{prog} << int(CCommandLine::ACTION_RUN) << QString();
        QTest::addRow("relative quiz") << QStringList{prog, QStringLiteral("Week 3.qiz")}
                                       << int(CCommandLine::ACTION_RUN) << absolute;
        QTest::addRow("absolute quiz")
            << QStringList{prog, QStringLiteral("/tmp/x/Sums.qiz")} << int(CCommandLine::ACTION_RUN)
            << QStringLiteral("/tmp/x/Sums.qiz");
        QTest::addRow("help") << QStringList{prog, QStringLiteral("--help")}
                              << int(CCommandLine::ACTION_HELP) << QString();
        QTest::addRow("short help") << QStringList{prog, QStringLiteral("-h")}
                                    << int(CCommandLine::ACTION_HELP) << QString();
        QTest::addRow("help with Qt's options") << QStringList{prog, QStringLiteral("--help-all")}
                                                << int(CCommandLine::ACTION_HELP) << QString();
        QTest::addRow("window system options")
            << QStringList{prog, QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("-style=fusion"), QStringLiteral("-reverse")}
            << int(CCommandLine::ACTION_RUN) << QString();
        QTest::addRow("version") << QStringList{prog, QStringLiteral("--version")}
                                 << int(CCommandLine::ACTION_VERSION) << QString();
        QTest::addRow("unknown option") << QStringList{prog, QStringLiteral("--colour")}
                                        << int(CCommandLine::ACTION_ERROR) << QString();
        QTest::addRow("two quizzes")
            << QStringList{prog, QStringLiteral("a.qiz"), QStringLiteral("b.qiz")}
            << int(CCommandLine::ACTION_ERROR) << QString();
        QTest::addRow("dash file")
            << QStringList{prog, QStringLiteral("--"), QStringLiteral("-odd.qiz")}
            << int(CCommandLine::ACTION_RUN)
            << QDir::current().absoluteFilePath(QStringLiteral("-odd.qiz"));
    }

    void parsesWhatItIsGiven()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, quizPath);
        CCommandLine commandLine;
        QCOMPARE(int(commandLine.Parse(arguments)), action);
        QCOMPARE(commandLine.QuizPath(), quizPath);
        if (action != CCommandLine::ACTION_RUN)
            QVERIFY(!commandLine.Text().isEmpty());
    }

    void theProgramAnswersHelpAndVersion()
    {
        const Run version = RunProgram({QStringLiteral("--version")}, Screen::None);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("Tutorama " TUTORAMA_VERSION_TEXT "\n"));

        const Run help = RunProgram({QStringLiteral("--help")}, Screen::None);
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: ")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("[quiz]")));
        QVERIFY(help.out.contains(QStringLiteral("--version")));
        QVERIFY(help.out.endsWith(QLatin1Char('\n')));
        // Every option the help lists does what it says.
        QVERIFY2(!help.out.contains(QStringLiteral("--help-all")), qPrintable(help.out));
        QCOMPARE(RunProgram({QStringLiteral("--help-all")}, Screen::None).out, help.out);
    }

    void wrongArgumentsAreAnsweredWithOrWithoutAScreen_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("said");
        const QString colour = QStringLiteral("--colour");
        const QStringList two = {QStringLiteral("a.qiz"), QStringLiteral("b.qiz")};
        QTest::addRow("unknown option, no screen") << QStringList{colour} << int(Screen::None)
                                                   << QStringLiteral("Unknown option 'colour'.");
        QTest::addRow("unknown option, offscreen") << QStringList{colour} << int(Screen::Offscreen)
                                                   << QStringLiteral("Unknown option 'colour'.");
        QTest::addRow("two quizzes, no screen")
            << two << int(Screen::None) << QStringLiteral("Only one quiz can be opened at a time.");
    }

    void wrongArgumentsAreAnsweredWithOrWithoutAScreen()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, screen);
        QFETCH(QString, said);
        const Run wrong = RunProgram(arguments, Screen(screen));
        QCOMPARE(wrong.exitCode, 1);
        QVERIFY2(wrong.err.startsWith(said), qPrintable(wrong.err));
        QVERIFY2(wrong.err.endsWith(QLatin1Char('\n')), qPrintable(wrong.err));
        QVERIFY(wrong.out.isEmpty());
    }

    void aQuizOnTheCommandLineShowsItsIntroduction_data()
    {
        QTest::addColumn<int>("type");
        QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD);
        QTest::addRow("spelling") << int(QUIZ_SPELLING);
        QTest::addRow("math") << int(QUIZ_MATH);
    }

    void aQuizOnTheCommandLineShowsItsIntroduction()
    {
        QFETCH(int, type);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Week 3.qiz"));
        CTakeDriver::WriteQuiz(path, type, {{QStringLiteral("5 + 5"), 0, QStringLiteral("ten")}});
        const QByteArray written = ReadAll(path);
        CScriptedPrompt prompt;
        CQuizApp app(Options(&prompt));
        CQuizSheet* sheet = app.BuildSheet();
        app.OpenQuiz(path);
        SettleEvents();
        QCOMPARE(sheet->CurrentIndex(), IntroPage(type));
        QVERIFY(app.Doc()->m_bTakeMode);
        QCOMPARE(app.Doc()->m_nQuestionCount, 1);
        QCOMPARE(app.Doc()->m_nManagerBackPage, int(PAGE_WELCOME));
        QVERIFY(prompt.m_messages.isEmpty());
        QCOMPARE(ReadAll(path), written); // opening never rewrites the quiz
    }

    void anEmptyQuizSaysSoAndOpensTheManager()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Empty.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_MATH, {});
        CScriptedPrompt prompt;
        CQuizApp app(Options(&prompt));
        CQuizSheet* sheet = app.BuildSheet();
        app.OpenQuiz(path);
        SettleEvents();
        QCOMPARE(prompt.m_messages, QStringList{CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS)});
        QCOMPARE(sheet->CurrentIndex(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(app.Doc()->m_nManagerBackPage, int(PAGE_WELCOME));
    }

    void aBadFileIsReportedAndTheWelcomePageStays_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addRow("missing") << QByteArray() << false;
        QTest::addRow("not a quiz") << QByteArray("Dear diary, today...") << true;
        QTest::addRow("cut short") << QByteArray("\x05TU1.0\x03", 7) << true;
    }

    void aBadFileIsReportedAndTheWelcomePageStays()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Bad.qiz"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        CScriptedPrompt prompt;
        CQuizApp app(Options(&prompt));
        CQuizSheet* sheet = app.BuildSheet();
        app.OpenQuiz(path);
        SettleEvents();
        QCOMPARE(prompt.m_messages.size(), 1);
        QCOMPARE(sheet->CurrentIndex(), int(PAGE_WELCOME));
        QCOMPARE(exists, QFile::exists(path));
        if (exists)
            QCOMPARE(ReadAll(path), bytes); // nothing lost
    }

    void withoutAQuizItStartsAsAlways()
    {
        CScriptedPrompt prompt;
        CQuizApp app(Options(&prompt));
        CQuizSheet* sheet = app.BuildSheet();
        SettleEvents();
        QCOMPARE(sheet->CurrentIndex(), int(PAGE_WELCOME));
        QCOMPARE(app.Doc()->m_nQuizType, int(QUIZ_NEW));
        QVERIFY(prompt.m_messages.isEmpty());
    }

private:
    static CQuizApp::Options Options(CScriptedPrompt* prompt)
    {
        CQuizApp::Options options;
        options.m_pPrompt = prompt;
        return options;
    }

    static void SettleEvents()
    {
        for (int round = 0; round < 5; ++round)
            QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
