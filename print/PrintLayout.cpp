#include "PrintLayout.h"

#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "MathRules.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace PrintLayout {

namespace {
constexpr int kPointsPerInch = 72;
// The table's rules: "No." one inch wide, "Question" three inches.
constexpr int kQuestionColumnInches = 1;
constexpr int kAnswerColumnInches = 4;
constexpr int kRuleInset = 2;
constexpr int kHeadRowsBelowStart = 2;
constexpr int kAirPerInch = 32;       // the row's air is 1/32 inch
constexpr int kTextInsetPerInch = 30; // texts keep 1/30 inch from the rules
constexpr int kTitleAirPerInch = 8;   // 1/8 inch more air between banner and title
constexpr double kPerfectPercent = 100.0;

// The texts below are marked with QT_TRANSLATE_NOOP so that lupdate extracts them.
QString Translate(const char* text)
{
    return QCoreApplication::translate("PrintLayout", text);
}

// The length of the word at pos together with the blanks after it.
int WordLength(const QString& text, int pos)
{
    int end = pos;
    while (end < text.size() && text.at(end) != QLatin1Char(' '))
        ++end;
    while (end < text.size() && text.at(end) == QLatin1Char(' '))
        ++end;
    return end - pos;
}

QString WithoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}
} // namespace

PageFrame FrameOf(const PrinterMetrics& metrics)
{
    PageFrame frame;
    frame.dpiX = metrics.dpiX;
    frame.dpiY = metrics.dpiY;
    frame.left = metrics.dpiX - metrics.offsetX;
    frame.right = metrics.paperWidth - metrics.offsetX - metrics.dpiX;
    frame.top = metrics.dpiY - metrics.offsetY;
    return frame;
}

int TitleFontPixels(int dpiY)
{
    return kTitlePoints * dpiY / kPointsPerInch;
}

int TextFontPixels(int dpiY)
{
    return kTextPoints * dpiY / kPointsPerInch;
}

int RowHeight(int textCellHeight, int dpiY)
{
    return textCellHeight + dpiY / kAirPerInch;
}

QRect BannerRect(const PageFrame& frame)
{
    const int width = std::max(0, std::min(kBannerWidth, frame.right - frame.left));
    return QRect(frame.left, frame.top, width, kBannerHeight);
}

QRect FitPicture(const QSize& picture, const QRect& box)
{
    if (picture.isEmpty() || box.isEmpty())
        return QRect(box.topLeft(), QSize(0, 0));
    return QRect(box.topLeft(), picture.scaled(box.size(), Qt::KeepAspectRatio));
}

TableColumns ColumnsOf(const PageFrame& frame)
{
    TableColumns columns;
    columns.left = frame.left;
    columns.x1 = frame.left + kQuestionColumnInches * frame.dpiX + kRuleInset;
    columns.x2 = frame.left + kAnswerColumnInches * frame.dpiX + kRuleInset;
    columns.right = frame.right;
    return columns;
}

TableColumns UnnumberedColumnsOf(const PageFrame& frame)
{
    TableColumns columns = ColumnsOf(frame);
    columns.x1 = columns.left;
    return columns;
}

int TextInset(int dpiX)
{
    return dpiX / kTextInsetPerInch;
}

TableRows TableRowsOf(const PageFrame& frame, int rowHeight)
{
    TableRows rows;
    rows.rowHeight = rowHeight;
    rows.y0 = frame.top + kTableGap;
    rows.headTop = rows.y0 + kHeadRowsBelowStart * rowHeight;
    rows.ybase = rows.headTop + rowHeight;
    return rows;
}

TableRows TitledRowsOf(const PageFrame& frame, int rowHeight)
{
    const int air = frame.dpiY / kTitleAirPerInch;
    TableRows rows = TableRowsOf(frame, rowHeight);
    rows.y0 += air;
    rows.headTop += air;
    rows.ybase += air;
    return rows;
}

SplitLine SplitPrintLine(const QString& text, const TextWidth& widthOf, int room)
{
    const auto fits = [&](qsizetype length) {
        return !widthOf || widthOf(WithoutTrailingBlanks(text.left(length))) <= room;
    };
    const bool tooManyCharacters = text.size() > kLineChars;
    if (!tooManyCharacters && fits(text.size()))
        return {text, QString()};
    int length = 0;
    while (length < text.size()) {
        const int word = WordLength(text, length);
        if ((tooManyCharacters && length + word >= kLineChars) || !fits(length + word))
            break;
        length += word;
    }
    // The first word alone fills the row: break it, or the rest would never get shorter.
    if (length == 0) {
        length = static_cast<int>(std::min<qsizetype>(kLineChars, text.size()));
        while (length > 1 && !fits(length))
            --length;
    }
    return {text.left(length), text.mid(length)};
}

ColumnRoom RoomOf(const TableColumns& columns, int dpiX, TextWidth widthOf)
{
    // A text keeps its inset from the rules on both sides.
    const int insets = 2 * TextInset(dpiX);
    return {std::move(widthOf), columns.x2 - columns.x1 - insets,
            columns.right - columns.x2 - insets};
}

std::vector<TableRow> BuildRows(const std::vector<TableEntry>& entries, int printWhat,
                                const ColumnRoom& room)
{
    const bool printQuestions = printWhat != PRINT_ANSWERS_ONLY;
    const bool printAnswers = printWhat != PRINT_QUESTIONS_ONLY;
    std::vector<TableRow> rows;
    for (const TableEntry& entry : entries) {
        QString question = OneLine(entry.question);
        QString answer = OneLine(entry.answer);
        bool first = true;
        do {
            const SplitLine questionLine = SplitPrintLine(question, room.widthOf, room.question);
            const SplitLine answerLine = SplitPrintLine(answer, room.widthOf, room.answer);
            TableRow row;
            row.number = first ? entry.number : 0;
            if (printQuestions)
                row.question = questionLine.line;
            if (printAnswers)
                row.answer = answerLine.line;
            rows.push_back(row);
            question = questionLine.rest;
            answer = answerLine.rest;
            first = false;
        } while (!question.isEmpty() || !answer.isEmpty());
        rows.back().endsQuestion = true;
    }
    return rows;
}

std::vector<PageSpan> Paginate(int rowCount)
{
    std::vector<PageSpan> pages;
    for (int first = 0; first < rowCount; first += kRowsPerPage)
        pages.push_back({first, std::min(kRowsPerPage, rowCount - first)});
    if (pages.empty())
        pages.push_back({0, 0}); // an empty quiz still prints its banner and head
    return pages;
}

QString AnswerText(int quizType, const CQuestion& question)
{
    switch (quizType) {
    case QUIZ_TRUE_FALSE:
        return question.m_nAnswer == 0 ? Translate(QT_TRANSLATE_NOOP("PrintLayout", "True"))
                                       : Translate(QT_TRANSLATE_NOOP("PrintLayout", "False"));
    case QUIZ_MATH:
        return MathRules::FormatMathAnswer(MathRules::EvaluateProblem(question.m_strQuestion));
    default:
        return question.m_strAnswer;
    }
}

std::vector<TableEntry> QuizEntries(const CTU_QuizDoc& doc)
{
    std::vector<TableEntry> entries;
    int number = 0;
    for (const auto& question : doc.Questions())
        entries.push_back(
            {++number, question->m_strQuestion, AnswerText(doc.m_nQuizType, *question)});
    return entries;
}

std::vector<TableEntry> CurrentQuestionEntries(const CTU_QuizDoc& doc)
{
    const CQuestion* question = doc.CurrentQuestion();
    if (!question)
        return {};
    return {{0, question->m_strQuestion, AnswerText(doc.m_nQuizType, *question)}};
}

int BannerIdOf(int quizType)
{
    switch (quizType) {
    case QUIZ_TRUE_FALSE:
        return IDB_TRUE_FALSE_QUIZ_BANNER;
    case QUIZ_FLASH_CARD:
        return IDB_FLASH_CARD_QUIZ_BANNER;
    case QUIZ_SPELLING:
        return IDB_SPELLING_QUIZ_BANNER;
    case QUIZ_MATH:
        return IDB_MATH_QUIZ_BANNER;
    default:
        return 0;
    }
}

ScoreSheet ScoreSheetOf(const CTU_QuizDoc& doc)
{
    ScoreSheet sheet;
    sheet.correct = doc.CountCorrect();
    sheet.count = doc.m_nQuestionCount;
    // An empty quiz has no score to speak of; it must not print "nan%".
    sheet.percent = sheet.count > 0 ? double(sheet.correct) / sheet.count * 100.0 : 0.0;
    sheet.pictureId =
        sheet.percent == kPerfectPercent ? IDB_PRINTED_PERFECT_SCORE : IDB_PRINTED_SCORE;
    sheet.scoreLine =
        Translate(QT_TRANSLATE_NOOP("PrintLayout", "In quiz file %1 you got %2 out of %3 right."))
            .arg(doc.m_strQuizName, QString::number(sheet.correct), QString::number(sheet.count));
    // printf rounds as the score page does; "%.0f" prints no decimal point in any locale.
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.0f", sheet.percent);
    sheet.percentLine = Translate(QT_TRANSLATE_NOOP("PrintLayout", "That equals %1%."))
                            .arg(QString::fromLatin1(percent));
    return sheet;
}

QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return line;
}

} // namespace PrintLayout
