#include "CQuizFile.h"

#include "CTU_QuizDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <array>
#include <climits>
#include <cstring>

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

void AppendU16(QByteArray& out, quint16 value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.append(bytes, 2);
}

void AppendU32(QByteArray& out, quint32 value)
{
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    out.append(bytes, 4);
}

void AppendLength(QByteArray& out, qsizetype length)
{
    if (length < LENGTH_ESCAPE) {
        out.append(static_cast<char>(length));
    } else if (length < LENGTH_WIDE) {
        out.append(static_cast<char>(LENGTH_ESCAPE));
        AppendU16(out, static_cast<quint16>(length));
    } else {
        out.append(static_cast<char>(LENGTH_ESCAPE));
        AppendU16(out, LENGTH_LONG);
        AppendU32(out, static_cast<quint32>(length));
    }
}

void AppendCount(QByteArray& out, qsizetype count)
{
    if (count < COUNT_LONG) {
        AppendU16(out, static_cast<quint16>(count));
    } else {
        AppendU16(out, COUNT_LONG);
        AppendU32(out, static_cast<quint32>(count));
    }
}

void AppendWideString(QByteArray& out, QStringView text)
{
    out.append(static_cast<char>(LENGTH_ESCAPE));
    AppendU16(out, LENGTH_WIDE);
    AppendLength(out, text.size());
    for (const QChar c : text)
        AppendU16(out, c.unicode());
}

void AppendQuestionClass(QByteArray& out)
{
    AppendU16(out, TAG_NEW_CLASS);
    AppendU16(out, CLASS_SCHEMA);
    AppendU16(out, static_cast<quint16>(CLASS_NAME_LENGTH));
    out.append(CLASS_NAME, CLASS_NAME_LENGTH);
}

qsizetype EstimatedSize(const CTU_QuizDoc& doc)
{
    // Room for the prefixes and fixed fields of every record.
    constexpr qsizetype RECORD_OVERHEAD = 16;
    constexpr qsizetype HEADER_OVERHEAD = 64;
    qsizetype size = HEADER_OVERHEAD + doc.m_strQuizPath.size() + doc.m_strQuizName.size();
    for (const auto& question : doc.Questions())
        size += RECORD_OVERHEAD + question->m_strQuestion.size() + question->m_strAnswer.size();
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
    return reader.String(&question->m_strAnswer);
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("CQuizFile", text);
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
    const qsizetype start = out.size();
    AppendLength(out, text.size());
    const qsizetype body = out.size();
    out.resize(body + text.size());
    char* d = out.data() + body;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = Windows1252Byte(text[i].unicode());
        if (b < 0) {
            // Nothing the user typed is lost: such text is kept in UTF-16.
            out.truncate(start);
            AppendWideString(out, text);
            return;
        }
        d[i] = static_cast<char>(b);
    }
}

QByteArray CQuizFile::Serialize(const CTU_QuizDoc& doc)
{
    QByteArray out;
    out.reserve(EstimatedSize(doc));
    AppendString(out, QLatin1StringView(MAGIC).toString());
    AppendString(out, doc.m_strQuizPath);
    AppendString(out, doc.m_strQuizName);
    const auto& questions = doc.Questions();
    AppendU32(out, static_cast<quint32>(doc.m_nQuizType));
    AppendU32(out, static_cast<quint32>(questions.size()));
    AppendCount(out, static_cast<qsizetype>(questions.size()));
    bool first = true;
    for (const auto& question : questions) {
        if (first)
            AppendQuestionClass(out);
        else
            AppendU16(out, TAG_CLASS | QUESTION_CLASS_INDEX);
        first = false;
        AppendString(out, question->m_strQuestion);
        AppendU32(out, static_cast<quint32>(question->m_nAnswer));
        AppendString(out, question->m_strAnswer);
    }
    return out;
}

CQuizFile::Status CQuizFile::Parse(const QByteArray& bytes, Contents* contents)
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
    if (!reader.Ok() || contents->nQuizType < QUIZ_NONE || contents->nQuizType > QUIZ_MATH)
        return Status::Damaged;
    // A count the rest of the file cannot hold is damage, not a reason to
    // allocate that much.
    if (count > quint64(reader.Left()) / MIN_RECORD_SIZE || count > INT_MAX)
        return Status::Damaged;
    contents->questions.reserve(count);
    bool classKnown = false;
    for (quint32 i = 0; i < count; ++i) {
        auto question = std::make_unique<CQuestion>();
        question->m_nResponse = -1;
        if (!ReadRecordTag(reader, &classKnown) || !ReadQuestion(reader, question.get()))
            return Status::Damaged;
        contents->questions.push_back(std::move(question));
    }
    return Status::Ok;
}

CQuizFile::Status CQuizFile::Save(const CTU_QuizDoc& doc, const QString& path, QString* reason)
{
    const QByteArray bytes = Serialize(doc);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.errorString();
        file.cancelWriting();
        return Status::CannotWrite;
    }
    return Status::Ok;
}

CQuizFile::Status CQuizFile::Load(const QString& path, Contents* contents, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return Status::CannotRead;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return Status::CannotRead;
    }
    return Parse(bytes, contents);
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
        return Tr("The quiz file %1 could not be opened: %2").arg(where, reason);
    case Status::Damaged:
        return Tr("The quiz file %1 is damaged or incomplete, so it could not be opened.")
            .arg(where);
    case Status::CannotWrite:
        return Tr("The quiz could not be saved to %1: %2. The quiz file on disk was not changed.")
            .arg(where, reason);
    }
    return {};
}
