#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class CQuestion;
class CTU_QuizDoc;

// The arithmetic of the printed quiz report, question and score sheet: where
// the frame, the columns and the rows lie in printer pixels, how texts are
// split into table rows and how rows fall onto pages. Everything here returns
// data, so the painting code only draws what it is told.
namespace PrintLayout {

// The layouts' pixel sizes (banner 2000 x 200, picture 600 x 600, the gap of
// 205 under the banner) were drawn for a page of this resolution; at it they
// fill the width between the margins.
constexpr int kPrintDpi = 300;

constexpr int kRowsPerPage = 40;
// A text up to this long is one row; longer texts are split at a word.
constexpr int kLineChars = 30;

constexpr int kBannerWidth = 2000;
constexpr int kBannerHeight = 200;
constexpr int kTableGap = 205; // from the top of the banner to the table (or title)
constexpr int kScoreGap = 220; // from the top of the banner to the score picture
constexpr int kScorePictureSize = 600;
constexpr int kScoreTitleIndent = 610;
constexpr int kScoreTextIndent = 612;
constexpr int kTitlePoints = 14;
constexpr int kTextPoints = 10;

// The radio choice of the print choice dialog.
enum PrintWhat : int
{
    PRINT_QUESTIONS_AND_ANSWERS = 0,
    PRINT_QUESTIONS_ONLY = 1,
    PRINT_ANSWERS_ONLY = 2,
};

// What the printer says about its paper, in printer pixels.
struct PrinterMetrics
{
    int dpiX = kPrintDpi;
    int dpiY = kPrintDpi;
    int offsetX = 0; // left edge of the printable area from the paper's edge
    int offsetY = 0; // top edge of the printable area from the paper's edge
    int paperWidth = 0;
    int paperHeight = 0;
};

// One inch in from the paper's left, right and top edges, in the painter's
// coordinates (whose origin is the printable area's corner).
struct PageFrame
{
    int left = 0;
    int right = 0;
    int top = 0;
    int dpiX = kPrintDpi;
    int dpiY = kPrintDpi;
};
PageFrame FrameOf(const PrinterMetrics& metrics);

// Pixel heights of the two printing fonts (Arial 14 bold, Arial 10).
int TitleFontPixels(int dpiY);
int TextFontPixels(int dpiY);
// A table row: the text font's cell height and a little air.
int RowHeight(int textCellHeight, int dpiY);

// The banner's box at the top-left of the frame, never wider than the frame.
QRect BannerRect(const PageFrame& frame);
// Where a picture of this size is drawn in a box: as large as fits without changing its
// proportions, at the box's top-left corner.
QRect FitPicture(const QSize& picture, const QRect& box);

// The x positions of the table's vertical rules.
struct TableColumns
{
    int left = 0; // "No."
    int x1 = 0;   // "Question"
    int x2 = 0;   // "Answer"
    int right = 0;
};
TableColumns ColumnsOf(const PageFrame& frame);
// The single-question printout numbers nothing: its question column starts at the left rule.
TableColumns UnnumberedColumnsOf(const PageFrame& frame);
// How far texts keep from the rule on their left (and right).
int TextInset(int dpiX);

// The vertical places of the table: the head row and the first row below it.
struct TableRows
{
    int y0 = 0;      // where the table (or the question title) starts
    int headTop = 0; // top of the head row
    int ybase = 0;   // top of row 0 on every page
    int rowHeight = 0;
    int RowTop(int row) const { return ybase + row * rowHeight; }
};
TableRows TableRowsOf(const PageFrame& frame, int rowHeight);
// The single-question printout's title has air between it and the banner.
TableRows TitledRowsOf(const PageFrame& frame, int rowHeight);

// The first line of a text and what is left for the next row.
struct SplitLine
{
    QString line;
    QString rest;
    friend bool operator==(const SplitLine&, const SplitLine&) = default;
};
// How wide a text prints in the table's font, in printer pixels.
using TextWidth = std::function<int(const QString&)>;
// Ends the line before the word that brings it to kLineChars characters, or
// before the word that would make it wider than room when widthOf is given; a
// single word too long on its own is broken, so every split makes progress.
SplitLine SplitPrintLine(const QString& text, const TextWidth& widthOf = {}, int room = 0);

// The width a line of text may take in each column.
struct ColumnRoom
{
    TextWidth widthOf; // none: only characters count
    int question = 0;
    int answer = 0;
};
ColumnRoom RoomOf(const TableColumns& columns, int dpiX, TextWidth widthOf);

// One question's two texts as the table prints them.
struct TableEntry
{
    int number = 0; // 1, 2, ...; 0 prints no number
    QString question;
    QString answer;
};

// One printed row of the table.
struct TableRow
{
    int number = 0; // printed in the "No." column when not 0
    QString question;
    QString answer;
    bool endsQuestion = false; // a rule is drawn under it
    friend bool operator==(const TableRow&, const TableRow&) = default;
};

// Every row of the table. Both texts are split side by side until both are
// used up, whatever is printed, so the three choices give the same rows and a
// questions-only sheet lines up with its answer sheet; the choice only blanks
// the column that is not printed. Every entry takes at least one row.
std::vector<TableRow> BuildRows(const std::vector<TableEntry>& entries, int printWhat,
                                const ColumnRoom& room = {});

// Which rows go onto each page: kRowsPerPage a page, and no page without rows.
struct PageSpan
{
    int firstRow = 0;
    int rowCount = 0;
    friend bool operator==(const PageSpan&, const PageSpan&) = default;
};
std::vector<PageSpan> Paginate(int rowCount);

// The printed answer of a question: "True"/"False", the worked-out math
// answer, or the stored back (flash cards, spelling).
QString AnswerText(int quizType, const CQuestion& question);
// Every question of the quiz in writing order, numbered from 1.
std::vector<TableEntry> QuizEntries(const CTU_QuizDoc& doc);
// Only the question being asked, without a number.
std::vector<TableEntry> CurrentQuestionEntries(const CTU_QuizDoc& doc);

// The banner of the quiz report and question printout for a quiz kind; 0 for none.
int BannerIdOf(int quizType);

// The score sheet's numbers and texts.
struct ScoreSheet
{
    int correct = 0;
    int count = 0;
    double percent = 0;
    int pictureId = 0;
    QString scoreLine;   // "In quiz file ... you got ... out of ... right."
    QString percentLine; // "That equals ...%."
};
ScoreSheet ScoreSheetOf(const CTU_QuizDoc& doc);

// Line breaks and tabs become blanks: a row holds one line of text.
QString OneLine(const QString& text);

} // namespace PrintLayout
