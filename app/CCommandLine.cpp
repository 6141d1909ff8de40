#include "CCommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
// The options that QGuiApplication and QApplication take for themselves. They are known here
// (and hidden from the help) so that the arguments can be judged before there is a window
// system: a wrong argument is then answered in the terminal even where no display could be
// opened.
const char* const kQtValueOptions[] = {"platform",
                                       "platformpluginpath",
                                       "platformtheme",
                                       "plugin",
                                       "qwindowgeometry",
                                       "geometry",
                                       "qwindowtitle",
                                       "title",
                                       "qwindowicon",
                                       "icon",
                                       "session",
                                       "display",
                                       "name",
                                       "style",
                                       "stylesheet",
                                       "qmljsdebugger"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

void AddHidden(QCommandLineParser& parser, const char* name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void AddQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtValueOptions)
        AddHidden(parser, name, true);
    for (const char* name : kQtFlagOptions)
        AddHidden(parser, name, false);
}

// Qt's help text ends its last line without a line break.
QString EndedLine(QString text)
{
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}
} // namespace

CCommandLine::Action CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Tutorama helps pupils make practice quizzes and take them to study for tests."));
    // The program's own help option: Qt's would also list "--help-all", which only adds the
    // window system's options.
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        tr("Displays help on commandline options."));
    parser.addOption(helpOption);
    AddHidden(parser, "help-all", false);
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(tr("quiz"), tr("A quiz file (.qiz) to take."), tr("[quiz]"));
    AddQtOptions(parser);

    if (!parser.parse(arguments)) {
        m_strText = parser.errorText() + QLatin1Char('\n') +
                    tr("Try \"%1 --help\" for more information.")
                        .arg(QFileInfo(arguments.value(0)).fileName()) +
                    QLatin1Char('\n');
        return ACTION_ERROR;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        m_strText = EndedLine(parser.helpText());
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
