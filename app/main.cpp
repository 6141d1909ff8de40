#include "CQuizApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tutorama"));
    QApplication::setApplicationVersion(QStringLiteral(TUTORAMA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tutorama"));

    CQuizApp quizApp;
    quizApp.Run();
    return 0;
}
