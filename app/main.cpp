#include "CCommandLine.h"
#include "CQuizApp.h"
#include "CTranslations.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kExitFailure = 1;

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tutorama"));
    QApplication::setApplicationVersion(QStringLiteral(TUTORAMA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tutorama"));
    QApplication::setDesktopFileName(QStringLiteral(TUTORAMA_APP_ID));
    const CTranslations translations(QLocale::system());

    CCommandLine commandLine;
    switch (commandLine.Parse(QApplication::arguments())) {
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

    CQuizApp quizApp;
    quizApp.BuildSheet();
    if (!commandLine.QuizPath().isEmpty()) {
        // Once the sheet is on screen, so that a message about a bad file has a window.
        QTimer::singleShot(0, &application,
                           [&quizApp, &commandLine] { quizApp.OpenQuiz(commandLine.QuizPath()); });
    }
    quizApp.Run();
    return 0;
}
