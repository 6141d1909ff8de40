#include "CQuizFile.h"

#include "CFileWriter.h"
#include "CTU_QuizDoc.h"
#include "MathRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char MAGIC[] = "TU1.0";
constexpr char CLASS_NAME[] = "CQuestion";
constexpr quint16 CLASS_SCHEMA = 0;
constexpr qsizetype CLASS_NAME_LENGTH = sizeof CLASS_NAME - 1;

// Length prefixes of strings.
constexpr quint8 LENGTH_ESCAPE = 0xFF;
constexpr quint16 LENGTH_WIDE = 0xFFFE;
constexpr quint16 LENGTH_LONG = 0xFFFF;
// Counts: a u16, or 0xFFFF and a u32.
constexpr quint16 COUNT_LONG = 0xFFFF;
// Object tags.
constexpr quint16 TAG_NEW_CLASS = 0xFFFF;
constexpr quint16 TAG_CLASS = 0x8000;
constexpr quint16 TAG_BIG = 0x7FFF;
constexpr quint32 TAG_BIG_CLASS = 0x80000000;
// The class record is the first thing numbered, so CQuestion is class 1.
constexpr quint32 QUESTION_CLASS_INDEX = 1;

// The smallest question record: tag, empty text, answer, empty back.
constexpr qsizetype MIN_RECORD_SIZE = 2 + 1 + 4 + 1;

// Windows-1252 characters of bytes 0x80 to 0x9F. The five bytes the code
// page leaves undefined map to the control characters of the same value, as
// Windows itself reads them, so they survive a round trip.
constexpr std::array<char16_t, 32> HIGH_CONTROLS = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr char16_t FIRST_HIGH_CONTROL = 0x80;
constexpr char16_t LAST_HIGH_CONTROL = 0x9F;
constexpr char16_t LAST_LATIN1 = 0xFF;

// Writes into a buffer sized beforehand for the worst case, so building a
// file of any size costs at most one allocation and no per-field checks.
class Writer
{
public:
    // Reuses the memory of bytes when it is large enough: those pages are
    // already in memory, where fresh ones would each cost a page fault.
    Writer(QByteArray* bytes, qsizetype capacity) : m_bytes(std::move(*bytes))
    {
        m_bytes.resize(capacity);
        m_p = m_bytes.data();
    }

    QByteArray Take()
    {
        m_bytes.truncate(m_p - m_bytes.constData());
        return std::move(m_bytes);
    }

    void U8(quint8 value) { *m_p++ = static_cast<char>(value); }
    void U16(quint16 value)
    {
        U8(value & 0xFF);
        U8(value >> 8);
    }
    void U32(quint32 value)
    {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Bytes(const char* bytes, qsizetype size)
    {
        std::memcpy(m_p, bytes, size);
        m_p += size;
    }

    void Length(qsizetype length)
    {
        if (length < LENGTH_ESCAPE) {
            U8(static_cast<quint8>(length));
        } else if (length < LENGTH_WIDE) {
            U8(LENGTH_ESCAPE);
            U16(static_cast<quint16>(length));
        } else {
            U8(LENGTH_ESCAPE);
            U16(LENGTH_LONG);
            U32(static_cast<quint32>(length));
        }
    }

    void Count(qsizetype count)
    {
        if (count < COUNT_LONG) {
            U16(static_cast<quint16>(count));
        } else {
            U16(COUNT_LONG);
            U32(static_cast<quint32>(count));
        }
    }

    void String(QStringView text) { String(text, false); }

    // A question's text: line breaks are LF alone in memory and CR LF in the
    // file, as other readers of the format expect (files with either are read).
    void FileText(QStringView text) { String(text, true); }

    void QuestionClass()
    {
        U16(TAG_NEW_CLASS);
        U16(CLASS_SCHEMA);
        U16(static_cast<quint16>(CLASS_NAME_LENGTH));
        Bytes(CLASS_NAME, CLASS_NAME_LENGTH);
    }

    // The most a string can take: the wide prefix, and two bytes a character,
    // or four for a line break that gains its CR.
    static qsizetype StringCapacity(QStringView text) { return 3 + 7 + 4 * text.size(); }

private:
    static bool GainsCarriageReturn(QStringView text, qsizetype i, bool fileBreaks)
    {
        return fileBreaks && text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r');
    }

    // What a narrow pass over a text ended with.
    enum class Pass
    {
        Written,
        LengthGrows, // a line break gains a CR the length did not count
        NeedsWide,   // a character has no Windows-1252 byte
    };

    static qsizetype StoredLength(QStringView text, bool fileBreaks)
    {
        return fileBreaks ? text.size() + text.count(u'\n') - text.count(u"\r\n") : text.size();
    }

    // The length goes first, so most texts are written in one pass and only
    // one with a bare LF or a character outside Windows-1252 is started again.
    void String(QStringView text, bool fileBreaks)
    {
        char* const start = m_p;
        Pass pass = Narrow(text, text.size(), fileBreaks);
        if (pass == Pass::Written)
            return;
        const qsizetype length = StoredLength(text, fileBreaks);
        if (pass == Pass::LengthGrows) {
            m_p = start;
            pass = Narrow(text, length, fileBreaks);
        }
        if (pass == Pass::NeedsWide) {
            // Nothing the user typed is lost: such text is kept in UTF-16.
            m_p = start;
            WideString(text, length, fileBreaks);
        }
    }

    Pass Narrow(QStringView text, qsizetype length, bool fileBreaks)
    {
        const bool crsCounted = length > text.size();
        Length(length);
        const char16_t* source = text.utf16();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = source[i];
            if (GainsCarriageReturn(text, i, fileBreaks)) {
                if (!crsCounted)
                    return Pass::LengthGrows;
                *m_p++ = '\r';
            }
            const int b = c < FIRST_HIGH_CONTROL ? c : CQuizFile::Windows1252Byte(c);
            if (b < 0)
                return Pass::NeedsWide;
            *m_p++ = static_cast<char>(b);
        }
        return Pass::Written;
    }

    void WideString(QStringView text, qsizetype length, bool fileBreaks)
    {
        U8(LENGTH_ESCAPE);
        U16(LENGTH_WIDE);
        Length(length);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (GainsCarriageReturn(text, i, fileBreaks))
                U16(u'\r');
            U16(text[i].unicode());
        }
    }

    QByteArray m_bytes;
    char* m_p = nullptr;
};

void ToMemoryLineBreaks(QString& text)
{
    if (text.contains(u'\r'))
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

qsizetype Capacity(const CTU_QuizDoc& doc)
{
    // Magic, kind, counts, class record; then tag and answer per question.
    constexpr qsizetype FIXED_FIELDS = 64;
    constexpr qsizetype RECORD_FIELDS = 2 + 4;
    qsizetype size = FIXED_FIELDS + Writer::StringCapacity(doc.m_strQuizPath) +
                     Writer::StringCapacity(doc.m_strQuizName);
    for (const auto& question : doc.Questions()) {
        size += RECORD_FIELDS + Writer::StringCapacity(question->m_strQuestion) +
                Writer::StringCapacity(question->m_strAnswer);
    }
    return size;
}

// A cursor over the bytes of a file. Every read checks what is left first;
// after the first failure every read fails, so callers check once per item.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes)
        : m_p(reinterpret_cast<const uchar*>(bytes.constData())), m_end(m_p + bytes.size())
    {
    }

    bool Ok() const { return m_ok; }
    // Whether the read stopped at a text longer than a quiz may hold.
    bool TooLong() const { return m_bTooLong; }
    qsizetype Left() const { return m_end - m_p; }

    quint8 U8() { return Take(1) ? m_p[-1] : 0; }
    quint16 U16() { return Take(2) ? static_cast<quint16>(m_p[-2] | (m_p[-1] << 8)) : 0; }
    quint32 U32()
    {
        if (!Take(4))
            return 0;
        return static_cast<quint32>(m_p[-4]) | (static_cast<quint32>(m_p[-3]) << 8) |
               (static_cast<quint32>(m_p[-2]) << 16) | (static_cast<quint32>(m_p[-1]) << 24);
    }
    qint32 I32() { return static_cast<qint32>(U32()); }

    quint32 Count()
    {
        const quint16 count = U16();
        return count == COUNT_LONG ? U32() : count;
    }

    bool String(QString* out)
    {
        bool wide = false;
        quint32 length = Length(&wide);
        if (!m_ok)
            return false;
        const quint64 bytes = wide ? quint64(length) * 2 : length;
        if (bytes > quint64(Left()))
            return Fail();
        if (length > quint32(CQuizFile::MAX_TEXT_CHARS)) {
            m_bTooLong = true;
            return Fail();
        }
        const char* data = reinterpret_cast<const char*>(m_p);
        m_p += bytes;
        if (wide) {
            QString text(length, Qt::Uninitialized);
            char16_t* d = reinterpret_cast<char16_t*>(text.data());
            for (quint32 i = 0; i < length; ++i)
                d[i] = static_cast<char16_t>(uchar(data[2 * i]) | (uchar(data[2 * i + 1]) << 8));
            *out = std::move(text);
        } else {
            *out = CQuizFile::DecodeWindows1252(data, length);
        }
        return true;
    }

    bool Bytes(const char* expected, qsizetype size)
    {
        if (!Take(size))
            return false;
        return std::memcmp(m_p - size, expected, size) == 0 || Fail();
    }

    bool Fail()
    {
        m_ok = false;
        m_p = m_end;
        return false;
    }

private:
    bool Take(qsizetype size)
    {
        if (!m_ok || Left() < size)
            return Fail();
        m_p += size;
        return true;
    }

    quint32 Length(bool* wide)
    {
        const quint8 first = U8();
        if (first < LENGTH_ESCAPE)
            return first;
        const quint16 second = U16();
        if (second == LENGTH_WIDE) {
            if (*wide) {
                Fail();
                return 0;
            }
            *wide = true;
            return Length(wide);
        }
        return second == LENGTH_LONG ? U32() : second;
    }

    const uchar* m_p;
    const uchar* m_end;
    bool m_ok = true;
    bool m_bTooLong = false;
};

// Reads the tag in front of a question record: the class record for the
// first one, a reference to class 1 for the others. Null entries and
// references to earlier objects never occur in a quiz and fail the read.
bool ReadRecordTag(Reader& reader, bool* classKnown)
{
    const quint16 tag = reader.U16();
    if (!reader.Ok())
        return false;
    if (tag == TAG_NEW_CLASS) {
        const quint16 schema = reader.U16();
        const quint16 nameLength = reader.U16();
        if (!reader.Ok() || *classKnown || schema != CLASS_SCHEMA ||
            nameLength != CLASS_NAME_LENGTH || !reader.Bytes(CLASS_NAME, CLASS_NAME_LENGTH))
            return reader.Fail();
        *classKnown = true;
        return true;
    }
    quint32 classIndex = 0;
    if (tag == TAG_BIG) {
        const quint32 bigTag = reader.U32();
        if (!reader.Ok() || !(bigTag & TAG_BIG_CLASS))
            return reader.Fail();
        classIndex = bigTag & ~TAG_BIG_CLASS;
    } else if (tag & TAG_CLASS) {
        classIndex = tag & ~TAG_CLASS;
    } else {
        return reader.Fail();
    }
    return (*classKnown && classIndex == QUESTION_CLASS_INDEX) || reader.Fail();
}

bool ReadQuestion(Reader& reader, CQuestion* question)
{
    if (!reader.String(&question->m_strQuestion))
        return false;
    question->m_nAnswer = reader.I32();
    if (!reader.String(&question->m_strAnswer))
        return false;
    ToMemoryLineBreaks(question->m_strQuestion);
    ToMemoryLineBreaks(question->m_strAnswer);
    return true;
}

// What a question of the kind may hold, as its editor would have made it.
// A true/false answer is the index of the editor's choice: anything but 0
// (True) is read as 1 (False), as the list and the printout show it, so the
// pupil is judged against the same answer everywhere.
bool SettleQuestion(int kind, CQuestion* question)
{
    if (kind == QUIZ_TRUE_FALSE && question->m_nAnswer != 0)
        question->m_nAnswer = 1;
    if (kind == QUIZ_MATH)
        return MathRules::ValidateProblem(question->m_strQuestion) == MathRules::PROBLEM_VALID;
    return true;
}

// A text of this file in the user's language. The free functions below mark
// theirs with QT_TRANSLATE_NOOP, so that lupdate finds them.
QString Say(const char* text)
{
    return QCoreApplication::translate("CQuizFile", text);
}

QString Tr(const char* text)
{
    return Say(text);
}

QString TooManyQuestions()
{
    return Say(QT_TRANSLATE_NOOP("CQuizFile",
                                 "it holds more than %L1 questions, the most a quiz can have"))
        .arg(CQuizFile::MAX_QUESTIONS);
}

QString TextTooLong()
{
    return Say(QT_TRANSLATE_NOOP(
                   "CQuizFile",
                   "a text in it is longer than %L1 characters, the longest a quiz can hold"))
        .arg(CQuizFile::MAX_TEXT_CHARS);
}

QString FileTooLarge()
{
    constexpr qint64 MEGABYTE = 1024 * 1024;
    return Say(QT_TRANSLATE_NOOP(
                   "CQuizFile",
                   "it is larger than %L1 MB, the largest quiz file the Tutorama opens"))
        .arg(CQuizFile::MAX_FILE_BYTES / MEGABYTE);
}

// The system's reason for a failure, in words a parent understands.
QString ReasonOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the file or its folder does not exist"));
    case EACCES:
    case EPERM:
        return Say(
            QT_TRANSLATE_NOOP("CQuizFile", "you are not allowed to use this file or its folder"));
    case EROFS:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the disk can only be read, not written"));
    case ENOSPC:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the disk is full"));
    case EDQUOT:
        return Say(
            QT_TRANSLATE_NOOP("CQuizFile", "you have used all the disk space you are allowed"));
    case EFBIG:
        return Say(QT_TRANSLATE_NOOP(
            "CQuizFile", "the file would be larger than this computer lets you make files"));
    case EISDIR:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "it is a folder"));
    case ENAMETOOLONG:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the name is too long"));
    case EIO:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the disk could not be read or written"));
    case ENODEV:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "it is not an ordinary file"));
    default:
        return Say(QT_TRANSLATE_NOOP("CQuizFile", "the system refused (%1)"))
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Reads an ordinary file of at most max bytes. The file is looked at before
// it is opened, and opened without waiting, so a pipe or a device never
// blocks; a file larger than max is refused before its bytes are read.
CQuizFile::Status ReadBounded(const QString& path, qint64 max, QByteArray* bytes, QString* reason)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (::stat(name.constData(), &info) != 0) {
        *reason = ReasonOf(errno);
        return CQuizFile::Status::CannotRead;
    }
    if (!S_ISREG(info.st_mode))
        return CQuizFile::Status::NotAFile;
    if (info.st_size > max) {
        *reason = FileTooLarge();
        return CQuizFile::Status::TooLarge;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *reason = ReasonOf(errno);
        return CQuizFile::Status::CannotRead;
    }
    // The name may have been given to something else between the two looks.
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return CQuizFile::Status::NotAFile;
    }
    // Read in pieces into room for the size seen: asking for max bytes at once
    // would allocate all of them for every quiz opened. One byte more than
    // allowed tells a file that grew since it was looked at.
    bytes->clear();
    bytes->reserve(std::min<qint64>(info.st_size, max) + 1);
    char piece[64 * 1024];
    while (bytes->size() <= max) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0) {
            bytes->clear();
            *reason = ReasonOf(EIO);
            return CQuizFile::Status::CannotRead;
        }
        if (got == 0)
            break;
        bytes->append(piece, got);
    }
    if (bytes->size() > max) {
        bytes->clear();
        *reason = FileTooLarge();
        return CQuizFile::Status::TooLarge;
    }
    return CQuizFile::Status::Ok;
}

} // namespace

int CQuizFile::Windows1252Byte(char16_t c)
{
    if (c < FIRST_HIGH_CONTROL || (c > LAST_HIGH_CONTROL && c <= LAST_LATIN1))
        return c;
    for (size_t i = 0; i < HIGH_CONTROLS.size(); ++i) {
        if (HIGH_CONTROLS[i] == c)
            return static_cast<int>(FIRST_HIGH_CONTROL + i);
    }
    return -1;
}

QString CQuizFile::DecodeWindows1252(const char* bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const uchar b = static_cast<uchar>(bytes[i]);
        d[i] = b >= FIRST_HIGH_CONTROL && b <= LAST_HIGH_CONTROL
                   ? HIGH_CONTROLS[b - FIRST_HIGH_CONTROL]
                   : char16_t(b);
    }
    return text;
}

void CQuizFile::AppendString(QByteArray& out, QStringView text)
{
    QByteArray bytes;
    Writer writer(&bytes, Writer::StringCapacity(text));
    writer.String(text);
    out += writer.Take();
}

QByteArray CQuizFile::Serialize(const CTU_QuizDoc& doc)
{
    QByteArray bytes;
    SerializeInto(doc, &bytes);
    return bytes;
}

void CQuizFile::SerializeInto(const CTU_QuizDoc& doc, QByteArray* bytes)
{
    Writer out(bytes, Capacity(doc));
    out.String(QLatin1StringView(MAGIC).toString());
    out.String(doc.m_strQuizPath);
    out.String(doc.m_strQuizName);
    const auto& questions = doc.Questions();
    out.U32(static_cast<quint32>(doc.m_nQuizType));
    out.U32(static_cast<quint32>(questions.size()));
    out.Count(static_cast<qsizetype>(questions.size()));
    bool first = true;
    for (const auto& question : questions) {
        if (first)
            out.QuestionClass();
        else
            out.U16(TAG_CLASS | QUESTION_CLASS_INDEX);
        first = false;
        out.FileText(question->m_strQuestion);
        out.U32(static_cast<quint32>(question->m_nAnswer));
        out.FileText(question->m_strAnswer);
    }
    *bytes = out.Take();
}

CQuizFile::Status CQuizFile::Parse(const QByteArray& bytes, Contents* contents)
{
    QString reason;
    return Parse(bytes, contents, &reason);
}

CQuizFile::Status CQuizFile::Parse(const QByteArray& bytes, Contents* contents, QString* reason)
{
    if (bytes.isEmpty()) {
        contents->bEmptyFile = true;
        return Status::Ok;
    }
    Reader reader(bytes);
    // A file that does not even hold a whole magic string is no quiz file.
    QString magic;
    if (!reader.String(&magic) || magic != QLatin1StringView(MAGIC))
        return Status::UnrecognizedFormat;
    reader.String(&contents->strQuizPath);
    reader.String(&contents->strQuizName);
    contents->nQuizType = reader.I32();
    contents->nStoredQuestionCount = reader.I32();
    const quint32 count = reader.Count();
    if (reader.TooLong()) {
        *reason = TextTooLong();
        return Status::TooLarge;
    }
    if (!reader.Ok() || contents->nQuizType < QUIZ_NONE || contents->nQuizType > QUIZ_MATH)
        return Status::Damaged;
    // A count the rest of the file cannot hold is damage, not a reason to
    // allocate that much.
    if (count > quint64(reader.Left()) / MIN_RECORD_SIZE || count > INT_MAX)
        return Status::Damaged;
    if (count > quint32(MAX_QUESTIONS)) {
        *reason = TooManyQuestions();
        return Status::TooLarge;
    }
    contents->questions.reserve(count);
    bool classKnown = false;
    for (quint32 i = 0; i < count; ++i) {
        auto question = std::make_unique<CQuestion>();
        question->m_nResponse = -1;
        if (!ReadRecordTag(reader, &classKnown) || !ReadQuestion(reader, question.get())) {
            if (!reader.TooLong())
                return Status::Damaged;
            *reason = TextTooLong();
            return Status::TooLarge;
        }
        if (!SettleQuestion(contents->nQuizType, question.get()))
            return Status::Damaged;
        contents->questions.push_back(std::move(question));
    }
    return Status::Ok;
}

CQuizFile::Status CQuizFile::CheckLimits(const CTU_QuizDoc& doc, QString* reason)
{
    if (doc.Questions().size() > size_t(MAX_QUESTIONS)) {
        *reason = TooManyQuestions();
        return Status::TooLarge;
    }
    for (const auto& question : doc.Questions()) {
        if (question->m_strQuestion.size() > MAX_TEXT_CHARS ||
            question->m_strAnswer.size() > MAX_TEXT_CHARS) {
            *reason = TextTooLong();
            return Status::TooLarge;
        }
    }
    return Status::Ok;
}

CQuizFile::Status CQuizFile::Save(const CTU_QuizDoc& doc, const QString& path, QString* reason,
                                  QByteArray* buffer)
{
    // Nothing is written that could not be opened again.
    if (CheckLimits(doc, reason) == Status::Ok) {
        SerializeInto(doc, buffer);
        if (buffer->size() > MAX_FILE_BYTES)
            *reason = FileTooLarge();
    }
    if (!reason->isEmpty())
        return QFileInfo::exists(path) ? Status::CannotWrite : Status::CannotCreate;
    const CFileWriter::Result result = CFileWriter::Write(path, *buffer);
    switch (result.outcome) {
    case CFileWriter::Outcome::Written:
        return Status::Ok;
    case CFileWriter::Outcome::NotWritten:
        *reason = ReasonOf(result.nError);
        return result.bFileExisted ? Status::CannotWrite : Status::CannotCreate;
    case CFileWriter::Outcome::Damaged:
        *reason = ReasonOf(result.nError);
        return Status::WriteDamaged;
    }
    return Status::CannotWrite;
}

bool CQuizFile::Holds(const QString& path, const CTU_QuizDoc& doc)
{
    Contents contents;
    QString reason;
    if (Load(path, &contents, &reason) != Status::Ok || contents.bEmptyFile ||
        contents.strQuizName != doc.m_strQuizName || contents.nQuizType != doc.m_nQuizType ||
        contents.questions.size() != doc.Questions().size())
        return false;
    for (size_t i = 0; i < contents.questions.size(); ++i) {
        const CQuestion& a = *contents.questions[i];
        const CQuestion& b = *doc.Questions()[i];
        if (a.m_strQuestion != b.m_strQuestion || a.m_nAnswer != b.m_nAnswer ||
            a.m_strAnswer != b.m_strAnswer)
            return false;
    }
    return true;
}

CQuizFile::Status CQuizFile::Load(const QString& path, Contents* contents, QString* reason)
{
    CFileWriter::TidyLeftovers(path);
    QByteArray bytes;
    const Status status = ReadBounded(path, MAX_FILE_BYTES, &bytes, reason);
    return status == Status::Ok ? Parse(bytes, contents, reason) : status;
}

QString CQuizFile::Message(Status status, const QString& path, const QString& reason)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (status) {
    case Status::Ok:
        return {};
    case Status::UnrecognizedFormat:
        return Tr("Unrecognized File Format");
    case Status::CannotRead:
        return Tr("The quiz file %1 could not be opened: %2.").arg(where, reason);
    case Status::Damaged:
        return Tr("The quiz file %1 is damaged or incomplete, so it could not be opened.")
            .arg(where);
    case Status::NotAFile:
        return Tr("%1 is not an ordinary file (it may be a folder, a device or a pipe), so it "
                  "cannot be opened as a quiz.")
            .arg(where);
    case Status::TooLarge:
        return Tr("The quiz file %1 could not be opened: %2.").arg(where, reason);
    case Status::CannotWrite:
        return Tr("The quiz could not be saved to %1: %2. The quiz file on disk was not changed.")
            .arg(where, reason);
    case Status::CannotCreate:
        return Tr("The quiz could not be saved to %1: %2. No quiz file was made there.")
            .arg(where, reason);
    case Status::WriteDamaged:
        return Tr("The quiz could not be saved to %1: %2. The quiz file there may now be "
                  "damaged; your questions are still here, so save the quiz elsewhere.")
            .arg(where, reason);
    }
    return {};
}
