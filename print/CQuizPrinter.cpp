#include "CQuizPrinter.h"

#include "CDib.h"
#include "CPaletteState.h"
#include "CResourceException.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QFontMetrics>
#include <QPrinter>

using namespace PrintLayout;

namespace {
const char* const kFontFamily = "Arial";
// Rules are 1/150 inch, thin but clear on paper.
constexpr int kRulesPerInch = 150;

QFont PrintFont(int pixels, QFont::Weight weight)
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}
} // namespace

CQuizPrinter::CQuizPrinter(QPrinter* printer, CPaletteState* palette)
    : m_pPrinter(printer), m_pPalette(palette)
{
}

PrinterMetrics CQuizPrinter::MetricsOf(const QPrinter& printer)
{
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterMetrics metrics;
    metrics.dpiX = printer.logicalDpiX();
    metrics.dpiY = printer.logicalDpiY();
    metrics.offsetX = page.left() - paper.left();
    metrics.offsetY = page.top() - paper.top();
    metrics.paperWidth = paper.width();
    metrics.paperHeight = paper.height();
    return metrics;
}

bool CQuizPrinter::Begin(const QString& documentName)
{
    m_pPrinter->setResolution(kPrintDpi);
    m_pPrinter->setDocName(documentName);
    if (!m_painter.begin(m_pPrinter))
        return false;
    m_frame = FrameOf(MetricsOf(*m_pPrinter));
    m_titleFont = PrintFont(TitleFontPixels(m_frame.dpiY), QFont::Bold);
    m_textFont = PrintFont(TextFontPixels(m_frame.dpiY), QFont::Normal);
    QPen rule(Qt::black);
    rule.setWidth(std::max(1, m_frame.dpiX / kRulesPerInch));
    m_painter.setPen(rule);
    m_painter.setFont(m_textFont);
    return true;
}

void CQuizPrinter::End()
{
    m_painter.end();
}

int CQuizPrinter::CellHeight(const QFont& font) const
{
    return QFontMetrics(font, m_pPrinter).height();
}

void CQuizPrinter::DrawPicture(int resourceId, const QRect& target)
{
    if (resourceId == 0)
        return;
    try {
        const CDib picture(resourceId);
        if (m_pPalette)
            m_pPalette->SetCurrent(picture.Palette());
        // A round badge stays round: the picture keeps its proportions within its box.
        picture.StretchDraw(m_painter, FitPicture(picture.Size(), target));
    } catch (const CResourceException&) {
        // A picture missing from the build leaves a gap; the texts still print.
    }
}

void CQuizPrinter::DrawTextAt(int x, int top, const QString& text)
{
    const QFontMetrics metrics(m_painter.font(), m_pPrinter);
    m_painter.drawText(x, top + metrics.ascent(), text);
}

void CQuizPrinter::DrawRule(int left, int right, int y)
{
    m_painter.drawLine(left, y, right, y);
}

void CQuizPrinter::DrawHead(const TableColumns& columns, const TableRows& rows, Heading heading)
{
    const int inset = TextInset(m_frame.dpiX);
    const int textTop = rows.headTop + (rows.rowHeight - CellHeight(m_textFont)) / 2;
    if (heading == Heading::Question) {
        m_painter.setFont(m_titleFont);
        DrawTextAt(m_frame.left, rows.y0, tr("Tutorama Question"));
        m_painter.setFont(m_textFont);
    } else {
        DrawTextAt(columns.left + inset, textTop, tr("No."));
    }
    m_painter.drawRect(
        QRect(columns.left, rows.headTop, columns.right - columns.left, rows.rowHeight));
    m_painter.drawLine(columns.x1, rows.headTop, columns.x1, rows.ybase);
    m_painter.drawLine(columns.x2, rows.headTop, columns.x2, rows.ybase);
    DrawTextAt(columns.x1 + inset, textTop, tr("Question"));
    DrawTextAt(columns.x2 + inset, textTop, tr("Answer"));
}

void CQuizPrinter::DrawRow(const TableRow& row, int top, const TableColumns& columns, int rowHeight)
{
    const int inset = TextInset(m_frame.dpiX);
    const int textTop = top + (rowHeight - CellHeight(m_textFont)) / 2;
    if (row.number != 0)
        DrawTextAt(columns.left + inset, textTop, QString::number(row.number));
    if (!row.question.isEmpty())
        DrawTextAt(columns.x1 + inset, textTop, row.question);
    if (!row.answer.isEmpty())
        DrawTextAt(columns.x2 + inset, textTop, row.answer);
    const int bottom = top + rowHeight;
    for (const int x : {columns.left, columns.x1, columns.x2, columns.right})
        m_painter.drawLine(x, top, x, bottom);
    if (row.endsQuestion)
        DrawRule(columns.left, columns.right, bottom);
}

TableColumns CQuizPrinter::ColumnsFor(Heading heading) const
{
    return heading == Heading::Question ? UnnumberedColumnsOf(m_frame) : ColumnsOf(m_frame);
}

std::vector<TableRow> CQuizPrinter::RowsOf(const std::vector<TableEntry>& entries, int printWhat,
                                           Heading heading) const
{
    // Lines are split where they really fill their column in the printer's font.
    const QFontMetrics metrics(m_textFont, m_pPrinter);
    const auto widthOf = [metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    return BuildRows(entries, printWhat, RoomOf(ColumnsFor(heading), m_frame.dpiX, widthOf));
}

void CQuizPrinter::PrintTable(int quizType, const std::vector<TableRow>& rows, Heading heading)
{
    const TableColumns columns = ColumnsFor(heading);
    const int rowHeight = RowHeight(CellHeight(m_textFont), m_frame.dpiY);
    const TableRows place = heading == Heading::Question ? TitledRowsOf(m_frame, rowHeight)
                                                         : TableRowsOf(m_frame, rowHeight);
    const std::vector<PageSpan> pages = Paginate(static_cast<int>(rows.size()));
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page == 0) {
            DrawPicture(BannerIdOf(quizType), BannerRect(m_frame));
            DrawHead(columns, place, heading);
        } else {
            m_pPrinter->newPage();
            DrawRule(columns.left, columns.right, place.ybase);
        }
        const PageSpan& span = pages[page];
        for (int r = 0; r < span.rowCount; ++r)
            DrawRow(rows[static_cast<size_t>(span.firstRow + r)], place.RowTop(r), columns,
                    place.rowHeight);
        if (span.rowCount == kRowsPerPage)
            DrawRule(columns.left, columns.right, place.RowTop(kRowsPerPage));
    }
}

bool CQuizPrinter::PrintQuiz(const CTU_QuizDoc& doc, int printWhat)
{
    if (!Begin(tr("Tutorama Report")))
        return false;
    PrintTable(doc.m_nQuizType, RowsOf(QuizEntries(doc), printWhat, Heading::Report),
               Heading::Report);
    End();
    return true;
}

bool CQuizPrinter::PrintQuestion(const CTU_QuizDoc& doc)
{
    if (!Begin(tr("Tutorama Question")))
        return false;
    PrintTable(doc.m_nQuizType,
               RowsOf(CurrentQuestionEntries(doc), PRINT_QUESTIONS_AND_ANSWERS, Heading::Question),
               Heading::Question);
    End();
    return true;
}

bool CQuizPrinter::PrintScore(const CTU_QuizDoc& doc)
{
    if (!Begin(tr("Tutorama Score")))
        return false;
    const ScoreSheet score = ScoreSheetOf(doc);
    DrawPicture(IDB_SCORE_BANNER, BannerRect(m_frame));
    const int pictureTop = m_frame.top + kScoreGap;
    DrawPicture(score.pictureId,
                QRect(m_frame.left, pictureTop, kScorePictureSize, kScorePictureSize));

    m_painter.setFont(m_titleFont);
    DrawTextAt(m_frame.left + kScoreTitleIndent, pictureTop, tr("Your Score"));
    m_painter.setFont(m_textFont);

    // Each line one row under the one above; a long quiz name wraps within the margin.
    const int textLeft = m_frame.left + kScoreTextIndent;
    const int width = std::max(1, m_frame.right - textLeft);
    int top = pictureTop + RowHeight(CellHeight(m_titleFont), m_frame.dpiY);
    for (const QString& line : {score.scoreLine, score.percentLine}) {
        QRect used;
        m_painter.drawText(QRect(textLeft, top, width, kScorePictureSize),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        top += RowHeight(std::max(used.height(), CellHeight(m_textFont)), m_frame.dpiY);
    }
    End();
    return true;
}
