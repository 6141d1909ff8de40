#pragma once

#include "CQuestion.h"
#include "QuizType.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class CTU_QuizDoc;

// The .qiz file: the magic "TU1.0", the path and name, the kind, the question
// count and the counted list of CQuestion records, little-endian throughout.
// A file is read into memory at once and parsed with a cursor that checks
// every length against what is left, so a damaged file fails cleanly; it is
// written as one buffer through QSaveFile, so a failed save leaves the old
// file whole.
class CQuizFile
{
public:
    enum class Status
    {
        Ok,
        CannotRead,
        UnrecognizedFormat,
        Damaged,
        CannotWrite,
    };

    // What a file holds; questions come with their run-time fields reset.
    struct Contents
    {
        bool bEmptyFile = false; // a zero-length file: nothing to load
        QString strQuizPath;
        QString strQuizName;
        int nQuizType = QUIZ_NONE;
        int nStoredQuestionCount = 0; // as stored; questions.size() is what was read
        std::vector<std::unique_ptr<CQuestion>> questions;
    };

    // The bytes of the whole document.
    static QByteArray Serialize(const CTU_QuizDoc& doc);
    static Status Parse(const QByteArray& bytes, Contents* contents);

    // Writes atomically; reason gets the system's explanation of a failure.
    static Status Save(const CTU_QuizDoc& doc, const QString& path, QString* reason);
    static Status Load(const QString& path, Contents* contents, QString* reason);
    // The message the user sees for a failed save or open.
    static QString Message(Status status, const QString& path, const QString& reason);

    // One string in its stored form: Windows-1252 bytes behind a 1, 3 or 7
    // byte length, or UTF-16 when a character has no Windows-1252 byte.
    static void AppendString(QByteArray& out, QStringView text);
    static QString DecodeWindows1252(const char* bytes, qsizetype size);
    // The Windows-1252 byte of a character, or -1 when there is none.
    static int Windows1252Byte(char16_t c);
};
