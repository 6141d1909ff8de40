#include "CAfterFirstPaint.h"
#include "CCommandLine.h"
#include "CQuizApp.h"
#include "CQuizSheet.h"
#include "CTranslations.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kExitFailure = 1;

void Identify()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tutorama"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUTORAMA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Tutorama"));
}

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The owl from the icon theme, else the one built in.
QIcon WindowIcon()
{
    QIcon builtIn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/" TUTORAMA_APP_ID ".png").arg(size));
    return QIcon::fromTheme(QStringLiteral(TUTORAMA_APP_ID), builtIn);
}

constexpr int kGoOn = -1;

// --help, --version and wrong arguments are answered in a terminal, where there may be no
// window system: the exit status, or kGoOn when the program is to start.
int AnsweredInTerminal(int argc, char* argv[])
{
    // Without arguments there is nothing to answer: the window comes up without a detour.
    if (argc <= 1)
        return kGoOn;
    QCoreApplication core(argc, argv);
    Identify();
    const CTranslations translations(QLocale::system());
    CCommandLine commandLine;
    switch (commandLine.Parse(QCoreApplication::arguments())) {
    case CCommandLine::ACTION_HELP:
    case CCommandLine::ACTION_VERSION:
        Print(stdout, commandLine.Text());
        return 0;
    case CCommandLine::ACTION_ERROR:
        Print(stderr, commandLine.Text());
        return kExitFailure;
    case CCommandLine::ACTION_RUN:
        break;
    }
    return kGoOn;
}
} // namespace

int main(int argc, char* argv[])
{
    if (const int status = AnsweredInTerminal(argc, argv); status != kGoOn)
        return status;

    QApplication application(argc, argv);
    Identify();
    QApplication::setDesktopFileName(QStringLiteral(TUTORAMA_APP_ID));
    const CTranslations translations(QLocale::system());

    // Parsed again now that QApplication has taken its own options (-platform, -style ...).
    CCommandLine commandLine;
    if (commandLine.Parse(QApplication::arguments()) != CCommandLine::ACTION_RUN) {
        Print(stderr, commandLine.Text());
        return kExitFailure;
    }

    CQuizApp quizApp;
    QWidget* sheet = quizApp.BuildSheet();
    // The window's icon comes once the page is painted: looking it up in the icon theme and
    // rendering its sizes for the window list would hold up the first page.
    CAfterFirstPaint::Run(sheet, [] { QApplication::setWindowIcon(WindowIcon()); });
    if (!commandLine.QuizPath().isEmpty()) {
        // Once the sheet is on screen, so that a message about a bad file has a window.
        QTimer::singleShot(0, &application,
                           [&quizApp, &commandLine] { quizApp.OpenQuiz(commandLine.QuizPath()); });
    }
    quizApp.Run();
    return 0;
}
