#include "CAdviceView.h"

#include "CProgramLanguage.h"
#include "CPrompt.h"
#include "CRtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace {

constexpr qreal kEdge = 0.5;               // printer pixels
constexpr qreal kLayoutPixelsPerInch = 96; // the unit of paragraph lengths in the document

// Paragraph lengths are kept in pixels at 96 per inch. A layout on the printer scales the
// vertical ones (spacing, line heights) and tab stops to its resolution by itself, but takes
// the horizontal margins and the first-line indent as printer pixels.
void ScaleParagraphLengths(QTextDocument& document, qreal scale)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() * scale);
        format.setRightMargin(format.rightMargin() * scale);
        format.setTextIndent(format.textIndent() * scale);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

} // namespace

CAdviceView::CAdviceView(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("adviceView"));
    setReadOnly(true);
    setOpenLinks(false);
    setAccessibleName(tr("Advice"));
}

bool CAdviceView::LoadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_strFilePath = path;
    CRtfReader reader(document());
    if (!reader.Read(&file)) {
        document()->clear();
        return false;
    }
    // A file with nothing to read counts as no advice at all.
    return !document()->toPlainText().trimmed().isEmpty();
}

CAdviceView::PrinterMetrics CAdviceView::MetricsOf(QPrinter& printer)
{
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
    PrinterMetrics metrics;
    metrics.printableWidth = printable.width();
    metrics.printableHeight = printable.height();
    metrics.dpiX = printer.logicalDpiX();
    metrics.dpiY = printer.logicalDpiY();
    metrics.paperWidth = paper.width();
    metrics.paperHeight = paper.height();
    metrics.offsetX = printable.left() - paper.left();
    metrics.offsetY = printable.top() - paper.top();
    return metrics;
}

CAdviceView::TwipsRect CAdviceView::PageRectTwips(const PrinterMetrics& m)
{
    if (m.dpiX <= 0 || m.dpiY <= 0)
        return {};
    return {0, 0, (m.printableWidth / m.dpiX) * kTwipsPerInch,
            (m.printableHeight / m.dpiY) * kTwipsPerInch};
}

CAdviceView::TwipsRect CAdviceView::PrintRectTwips(const PrinterMetrics& m)
{
    if (m.dpiX <= 0 || m.dpiY <= 0)
        return {};
    return {kMarginTwips - (m.offsetX * kTwipsPerInch) / m.dpiX,
            kMarginTwips - (m.offsetY * kTwipsPerInch) / m.dpiY,
            ((m.paperWidth - m.offsetX) * kTwipsPerInch) / m.dpiX - kMarginTwips,
            ((m.paperHeight - m.offsetY) * kTwipsPerInch) / m.dpiY - kMarginTwips};
}

bool CAdviceView::Print(QPrinter* printer)
{
    if (!printer || (printer->outputFormat() == QPrinter::NativeFormat && !printer->isValid()))
        return false;
    const PrinterMetrics metrics = MetricsOf(*printer);
    const TwipsRect twips = PrintRectTwips(metrics);
    const QRectF rect(QPointF(qreal(twips.left) * metrics.dpiX / kTwipsPerInch,
                              qreal(twips.top) * metrics.dpiY / kTwipsPerInch),
                      QPointF(qreal(twips.right) * metrics.dpiX / kTwipsPerInch,
                              qreal(twips.bottom) * metrics.dpiY / kTwipsPerInch));
    if (rect.width() <= 0 || rect.height() <= 0)
        return false;

    // Lay the text out for the printer, one long column as wide as the print rectangle.
    std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->documentLayout()->setPaintDevice(printer);
    ScaleParagraphLengths(*copy, metrics.dpiY / kLayoutPixelsPerInch);
    copy->setDocumentMargin(0);
    copy->setTextWidth(rect.width());
    const std::vector<Line> lines = LinesOf(*copy);
    const int total = copy->characterCount() - 1;

    printer->setDocName(QStringLiteral("Advice"));
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    for (int position = 0;;) {
        position = FormatRange(painter, *copy, lines, rect, position);
        if (position >= total)
            break;
        printer->newPage();
    }
    painter.end();
    return true;
}

std::vector<CAdviceView::Line> CAdviceView::LinesOf(QTextDocument& document)
{
    document.size(); // lays out the whole document
    std::vector<Line> lines;
    int blockIndex = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++blockIndex) {
        const QTextLayout* layout = block.layout();
        const QTextBlockFormat format = block.blockFormat();
        const qreal origin = layout->position().y();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            Line entry;
            entry.start = block.position() + line.textStart();
            entry.top = origin + line.y();
            entry.bottom = entry.top + line.height();
            entry.block = blockIndex;
            entry.firstOfBlock = i == 0;
            entry.lastOfBlock = i == layout->lineCount() - 1;
            entry.pageBreakBefore = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
            entry.keepTogether = format.boolProperty(CRtfReader::kKeepTogetherProperty);
            entry.keepWithNext = format.boolProperty(CRtfReader::kKeepWithNextProperty);
            entry.widowControl = format.boolProperty(CRtfReader::kWidowControlProperty);
            lines.push_back(entry);
        }
    }
    return lines;
}

int CAdviceView::FirstLineAt(const std::vector<Line>& lines, int position)
{
    const auto after = std::upper_bound(lines.begin(), lines.end(), position,
                                        [](int p, const Line& line) { return p < line.start; });
    return after == lines.begin() ? 0 : int(after - lines.begin()) - 1;
}

int CAdviceView::LastLineOnPage(const std::vector<Line>& lines, int first, qreal height)
{
    const int count = int(lines.size());
    const qreal top = lines[first].top;
    int last = first; // the first line always goes on the page, so printing moves on
    for (int k = first + 1; k < count; ++k) {
        if (lines[k].pageBreakBefore && lines[k].firstOfBlock)
            break;
        if (lines[k].bottom - top > height)
            break;
        last = k;
    }
    // Each rule moves the page's end back, unless that would leave the page empty.
    while (last + 1 < count) {
        int moved = LastKeepingParagraphs(lines, first, last);
        if (moved == last)
            moved = LastWithoutWidows(lines, first, last);
        if (moved == last)
            break;
        last = moved;
    }
    return last;
}

int CAdviceView::LastKeepingParagraphs(const std::vector<Line>& lines, int first, int last)
{
    const Line& line = lines[last];
    const bool splitsKept = line.keepTogether && !line.lastOfBlock;
    const bool strandsHeading =
        line.lastOfBlock && line.keepWithNext && !lines[last + 1].pageBreakBefore;
    if (!splitsKept && !strandsHeading)
        return last;
    int blockStart = last;
    while (blockStart > first && lines[blockStart - 1].block == line.block)
        --blockStart;
    return blockStart > first ? blockStart - 1 : last;
}

int CAdviceView::LastWithoutWidows(const std::vector<Line>& lines, int first, int last)
{
    constexpr int kMinLines = 2;
    const int count = int(lines.size());
    const Line& line = lines[last];
    if (!line.widowControl || lines[last + 1].block != line.block)
        return last;
    int blockStart = last;
    while (blockStart > first && lines[blockStart - 1].block == line.block)
        --blockStart;
    int blockEnd = last + 1;
    while (blockEnd + 1 < count && lines[blockEnd + 1].block == line.block)
        ++blockEnd;
    // A paragraph that began on an earlier page has no first line here to strand.
    const bool startsHere = lines[blockStart].firstOfBlock;
    const int onPage = last - blockStart + 1;
    const int onNextPage = blockEnd - last;
    const int leastHere = startsHere ? kMinLines : 1;
    // A last line alone on the next page takes one more with it, when enough stay here.
    if (onNextPage < kMinLines && onPage - 1 >= leastHere)
        return last - 1;
    // Else the paragraph moves whole, when it began here and the page keeps something.
    if ((onNextPage < kMinLines || onPage < leastHere) && startsHere && blockStart > first)
        return blockStart - 1;
    return last;
}

int CAdviceView::FormatRange(QPainter& painter, QTextDocument& document,
                             const std::vector<Line>& lines, const QRectF& rect, int position)
{
    const int total = document.characterCount() - 1;
    if (lines.empty())
        return total;
    const int first = FirstLineAt(lines, position);
    const int last = LastLineOnPage(lines, first, rect.height());
    const qreal top = lines[first].top;
    // Lines that only touch the page's edges belong to the neighbouring pages.
    const QRectF clip(0, top + kEdge, rect.width(), lines[last].bottom - top - 2 * kEdge);

    painter.save();
    painter.translate(rect.left(), rect.top() - top);
    document.drawContents(&painter, clip);
    painter.restore();
    return last + 1 < int(lines.size()) ? lines[last + 1].start : total;
}

bool CAdviceView::PrintAdvice(CPrompt& prompt, QPrinter* printer, const QString& adviceDir,
                              const QString& fileName, bool showDialog, QWidget* parent)
{
    CAdviceView view(parent);
    view.hide();
    if (parent)
        view.setGeometry(parent->rect());
    // The advice in the program's language where there is one, else the English.
    if (!view.LoadFile(CProgramLanguage::FileIn(adviceDir, fileName))) {
        prompt.ShowMessage(tr("Unable to find advice file for printing"));
        return false;
    }
    if ((showDialog && !prompt.ChoosePrinter(printer)) || !view.Print(printer)) {
        prompt.ShowMessage(tr("Unable to print advice file"));
        return false;
    }
    return true;
}
