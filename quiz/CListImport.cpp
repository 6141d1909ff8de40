#include "CListImport.h"

#include "CQuizFile.h"
#include "MathRules.h"
#include "QuizType.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>

namespace {
// Keeps at most the editor's length of a text; says whether it was longer.
QString Kept(QStringView text, bool* cut)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.size() <= CListImport::MAX_TEXT_CHARS)
        return trimmed.toString();
    *cut = true;
    return trimmed.left(CListImport::MAX_TEXT_CHARS).toString();
}

// Control characters that no text file holds; a few of them mean a binary file.
bool IsBinaryByte(unsigned char byte)
{
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f';
}

bool LooksBinary(const QByteArray& bytes)
{
    qsizetype controls = 0;
    for (const char c : bytes) {
        if (c == '\0')
            return true;
        if (IsBinaryByte(static_cast<unsigned char>(c)))
            ++controls;
    }
    return controls > bytes.size() / 100 + 1;
}
} // namespace

CListImport::Result CListImport::Parse(int quizType, const QString& text)
{
    Result result;
    int lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        CQuestion question;
        QString reason;
        bool cut = false;
        if (!ParseLine(quizType, line, &question, &reason, &cut)) {
            result.m_refused.append({lineNumber, reason});
            continue;
        }
        if (cut)
            result.m_cut.append(
                {lineNumber,
                 tr("cut to %1 characters, the most a question box holds").arg(MAX_TEXT_CHARS)});
        result.m_questions.append(question);
        result.m_questionLines.append(lineNumber);
    }
    return result;
}

bool CListImport::ParseLine(int quizType, QStringView line, CQuestion* question, QString* reason,
                            bool* cut)
{
    switch (quizType) {
    case QUIZ_TRUE_FALSE:
        if (!ParseStatement(line, question, reason))
            return false;
        question->m_strQuestion = Kept(question->m_strQuestion, cut);
        return true;
    case QUIZ_FLASH_CARD:
        if (!ParseCard(line, question, reason))
            return false;
        question->m_strQuestion = Kept(question->m_strQuestion, cut);
        question->m_strAnswer = Kept(question->m_strAnswer, cut);
        return true;
    case QUIZ_SPELLING:
        question->m_strQuestion = SpellingWord(Kept(line, cut));
        return true;
    case QUIZ_MATH:
        question->m_strQuestion = Kept(line, cut);
        return ParseProblem(question->m_strQuestion, question, reason);
    default:
        *reason = tr("the quiz has no kind yet");
        return false;
    }
}

int CListImport::TruthOf(const QString& word)
{
    const QString folded = word.trimmed().toCaseFolded();
    const auto isOneOf = [&folded](std::initializer_list<QString> words) {
        for (const QString& w : words)
            if (!w.isEmpty() && folded == w.toCaseFolded())
                return true;
        return false;
    };
    if (isOneOf({QStringLiteral("T"), QStringLiteral("True"), tr("True")}))
        return 0;
    if (isOneOf({QStringLiteral("F"), QStringLiteral("False"), tr("False")}))
        return 1;
    return -1;
}

bool CListImport::ParseStatement(QStringView line, CQuestion* question, QString* reason)
{
    // The answer follows the last tab, or else the last ";": a statement may hold a ";".
    qsizetype at = line.lastIndexOf(u'\t');
    if (at < 0)
        at = line.lastIndexOf(u';');
    if (at < 0) {
        *reason = tr("no True or False after the statement (put a tab or \";\" between them)");
        return false;
    }
    const QStringView statement = line.left(at).trimmed();
    const int truth = TruthOf(line.mid(at + 1).toString());
    if (statement.isEmpty()) {
        *reason = tr("the statement is missing");
        return false;
    }
    if (truth < 0) {
        *reason = tr("\"%1\" is neither True nor False").arg(line.mid(at + 1).trimmed());
        return false;
    }
    question->m_strQuestion = statement.toString();
    question->m_nAnswer = truth;
    question->m_nResponse = -1;
    return true;
}

QStringList CListImport::SplitQuoted(QStringView line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field += line[++i]; // "" inside quotes is one quote
            else
                quoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}

bool CListImport::ParseCard(QStringView line, CQuestion* question, QString* reason)
{
    QStringList sides;
    if (line.contains(u'\t'))
        sides = SplitQuoted(line, u'\t');
    else if (line.contains(u" = "))
        sides = line.toString().split(QStringLiteral(" = "));
    else
        sides = SplitQuoted(line, line.contains(u';') ? u';' : u',');
    if (sides.size() < 2) {
        *reason = tr("no back for the card (put a tab, \";\", \",\" or \" = \" between front "
                     "and back)");
        return false;
    }
    if (sides.size() > 2) {
        *reason = tr("more than two parts: a card has a front and a back");
        return false;
    }
    question->m_strQuestion = sides[0].trimmed();
    question->m_strAnswer = sides[1].trimmed();
    if (question->m_strQuestion.isEmpty() || question->m_strAnswer.isEmpty()) {
        *reason = question->m_strQuestion.isEmpty() ? tr("the front of the card is empty")
                                                    : tr("the back of the card is empty");
        return false;
    }
    return true;
}

bool CListImport::ParseProblem(QStringView line, CQuestion* question, QString* reason)
{
    const int code = MathRules::ValidateProblem(line.toString());
    if (code == MathRules::PROBLEM_VALID)
        return true;
    *reason = MathRules::ProblemMessage(code);
    question->m_strQuestion.clear();
    return false;
}

bool CListImport::DecodeBytes(const QByteArray& bytes, QString* text, QString* error)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        *text = utf16.decode(bytes.mid(2));
        if (!utf16.hasError())
            return true;
    }
    if (LooksBinary(bytes)) {
        *error = tr("This file is not a text file. Save the list as text (one question a "
                    "line) and open that.");
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        decoded = CQuizFile::DecodeWindows1252(bytes.constData(), bytes.size());
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    *text = decoded;
    return true;
}

bool CListImport::ReadFile(const QString& path, QString* text, QString* error)
{
    const QFileInfo info(path);
    if (info.size() > MAX_FILE_BYTES) {
        const QLocale locale;
        *error = tr("This file is too large to be a list: it holds %1, and a list can hold at "
                    "most %2.")
                     .arg(locale.formattedDataSize(info.size(), 1, QLocale::DataSizeSIFormat),
                          locale.formattedDataSize(MAX_FILE_BYTES, 1, QLocale::DataSizeSIFormat));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("The file %1 cannot be read: %2").arg(info.fileName(), file.errorString());
        return false;
    }
    return DecodeBytes(file.read(MAX_FILE_BYTES + 1), text, error);
}
