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
// Only an ordinary file no larger than the largest quiz is read, so a link to
// a device or a pipe never blocks the window and a huge file never fills the
// memory. The bytes are parsed with a cursor that checks every length against
// what is left, so a damaged file fails cleanly.
class CQuizFile
{
public:
    enum class Status
    {
        Ok,
        CannotRead,
        UnrecognizedFormat,
        Damaged,
        NotAFile,     // a folder, a device, a pipe: nothing a quiz can be read from
        TooLarge,     // beyond a limit below; the reason names it
        CannotWrite,  // the file on disk is as it was
        CannotCreate, // there was no file, and none was made
        WriteDamaged, // a write in place failed half-way and could not be undone
    };

    // What the program makes and opens, so that any quiz fits in a school
    // laptop's memory: the editors hold no more, and larger files are refused
    // before anything is read.
    static constexpr int MAX_QUESTIONS = 100000;
    static constexpr int MAX_TEXT_CHARS = 100000;
    static constexpr qint64 MAX_FILE_BYTES = 64 * 1024 * 1024;

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
    // The same into bytes, reusing its memory when it is large enough.
    static void SerializeInto(const CTU_QuizDoc& doc, QByteArray* bytes);
    static Status Parse(const QByteArray& bytes, Contents* contents);
    // The same; reason names the limit of a file refused as too large.
    static Status Parse(const QByteArray& bytes, Contents* contents, QString* reason);

    // Whether the document stays within the limits; reason names the one passed.
    static Status CheckLimits(const CTU_QuizDoc& doc, QString* reason);

    // Writes atomically; reason gets the system's explanation of a failure. The file is built
    // in buffer, which keeps its memory for the next save.
    static Status Save(const CTU_QuizDoc& doc, const QString& path, QString* reason,
                       QByteArray* buffer);
    static Status Load(const QString& path, Contents* contents, QString* reason);
    // Whether the file at path holds the document's quiz (wherever it was saved).
    static bool Holds(const QString& path, const CTU_QuizDoc& doc);
    // The message the user sees for a failed save or open.
    static QString Message(Status status, const QString& path, const QString& reason);

    // One string in its stored form: Windows-1252 bytes behind a 1, 3 or 7
    // byte length, or UTF-16 when a character has no Windows-1252 byte.
    static void AppendString(QByteArray& out, QStringView text);
    static QString DecodeWindows1252(const char* bytes, qsizetype size);
    // The Windows-1252 byte of a character, or -1 when there is none.
    static int Windows1252Byte(char16_t c);
};
