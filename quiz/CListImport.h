#pragma once

#include "CQuestion.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Turns a list of questions, one per line, into the questions the kind's editor
// would have stored for the same texts, and says in plain words why a line
// cannot become a question. Nothing here touches a quiz: the caller adds.
class CListImport
{
    Q_DECLARE_TR_FUNCTIONS(CListImport)

public:
    // The longest text an editor box keeps; a longer one is cut to it.
    static constexpr int MAX_TEXT_CHARS = 32767;
    // A list file larger than this is no list: it is refused before it is read.
    static constexpr qint64 MAX_FILE_BYTES = 16'000'000;

    struct Note
    {
        int m_nLine;       // 1-based line of the list
        QString m_strText; // what happened to it, in plain words
    };
    struct Result
    {
        QList<CQuestion> m_questions;
        QList<int> m_questionLines; // the list line each question came from
        QList<Note> m_refused;      // lines that give no question
        QList<Note> m_cut;          // lines whose text was cut to MAX_TEXT_CHARS
    };

    // The questions of a quiz kind in text; empty lines are passed over.
    static Result Parse(int quizType, const QString& text);

    // A list file's text: UTF-8 when its bytes are valid UTF-8 (or UTF-16 with a
    // byte order mark), Windows-1252 otherwise. Returns false with a message for
    // a file that is no text.
    static bool DecodeBytes(const QByteArray& bytes, QString* text, QString* error);
    // Reads and decodes a list file; false with a message when it cannot be used.
    static bool ReadFile(const QString& path, QString* text, QString* error);

    // What the spelling editor keeps of a typed word.
    static QString SpellingWord(const QString& typed) { return typed.toLower(); }

private:
    static bool ParseLine(int quizType, QStringView line, CQuestion* question, QString* reason,
                          bool* cut);
    static bool ParseStatement(QStringView line, CQuestion* question, QString* reason);
    static bool ParseCard(QStringView line, CQuestion* question, QString* reason);
    static bool ParseProblem(QStringView line, CQuestion* question, QString* reason);
    // Splits a line of a spreadsheet's comma-separated file (quotes as spreadsheets
    // write them) at every separator outside quotes.
    static QStringList SplitQuoted(QStringView line, QChar separator);
    // 0 true, 1 false, -1 neither: T/F, True/False, or the program's own words.
    static int TruthOf(const QString& word);
};
