#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program was asked to do when it was started: open a quiz file (as a file manager
// does on a double-click), answer --help or --version, or just start.
class CCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

public:
    enum Action
    {
        ACTION_RUN,     // start the wizard, with or without a quiz to open
        ACTION_HELP,    // print the usage and end
        ACTION_VERSION, // print the name and version and end
        ACTION_ERROR,   // print the error and the usage hint and end with a failure
    };

    // Reads the arguments as the process received them (the first one names the program).
    Action Parse(const QStringList& arguments);

    // The quiz to open at start-up, as an absolute path; empty when none was given.
    QString QuizPath() const { return m_strQuizPath; }
    // The text to print for ACTION_HELP, ACTION_VERSION or ACTION_ERROR.
    QString Text() const { return m_strText; }

private:
    QString m_strQuizPath;
    QString m_strText;
};
