#include "CCommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

CCommandLine::Action CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Tutorama helps pupils make practice quizzes and take them to study for tests."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(tr("quiz"), tr("A quiz file (.qiz) to take."), tr("[quiz]"));

    if (!parser.parse(arguments)) {
        m_strText = parser.errorText() + QLatin1Char('\n') +
                    tr("Try \"%1 --help\" for more information.")
                        .arg(QFileInfo(arguments.value(0)).fileName());
        return ACTION_ERROR;
    }
    if (parser.isSet(helpOption)) {
        m_strText = parser.helpText();
        return ACTION_HELP;
    }
    if (parser.isSet(versionOption)) {
        m_strText = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return ACTION_VERSION;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        m_strText = tr("Only one quiz can be opened at a time.") + QLatin1Char('\n');
        return ACTION_ERROR;
    }
    if (!files.isEmpty())
        m_strQuizPath = QFileInfo(files.first()).absoluteFilePath();
    return ACTION_RUN;
}
