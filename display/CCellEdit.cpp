#include "CCellEdit.h"

#include "CContrast.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

const QColor kCellCyan(0, 255, 255);
// Letters measured together to find the advance the text layout gives each one.
constexpr int kMeasuredLetters = 64;

} // namespace

CCellEdit::CCellEdit(QWidget* parent) : CLineEdit(parent) {}

QFont CCellEdit::CellFont()
{
    QFont font(QStringLiteral("Courier"), kCellFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        // Letters of a proportional font cannot all fit equal cells.
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(kCellFontPoints);
    }
    font.setKerning(false);
    font.setLetterSpacing(QFont::AbsoluteSpacing, kLetterGap);
    return font;
}

qreal CCellEdit::CellWidth() const
{
    // A single letter's advance is the font's design width; the layout may
    // round each letter's advance, and it is the layout that places them.
    const QString run(kMeasuredLetters, QLatin1Char('m'));
    return QFontMetricsF(font()).horizontalAdvance(run) / kMeasuredLetters;
}

int CCellEdit::CaretX() const
{
    // The cursor rectangle is centred on the caret, which stands on the
    // boundary between two letters.
    const QRect caret = cursorRect();
    return caret.left() + caret.width() / 2;
}

int CCellEdit::TextOrigin() const
{
    // The text starts at a whole pixel (the line edit scrolls by whole pixels)
    // and the caret stands at that start plus the letters' advance, rounded.
    // Rounding the advance alone gives back the start exactly.
    const QString before = text().left(cursorPosition());
    return CaretX() - qRound(QFontMetricsF(font()).horizontalAdvance(before));
}

qreal CCellEdit::LetterGap() const
{
    QFont plain = font();
    plain.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const QString run(kMeasuredLetters, QLatin1Char('m'));
    return CellWidth() - QFontMetricsF(plain).horizontalAdvance(run) / kMeasuredLetters;
}

QList<int> CCellEdit::LinePositions(int clientRight, qreal cellWidth, qreal origin, int clientLeft)
{
    QList<int> lines;
    if (cellWidth <= 0)
        return lines;
    const int count = static_cast<int>((clientRight - origin) / cellWidth);
    for (int k = 1; k <= count; ++k) {
        const int x = qRound(origin + k * cellWidth);
        if (x >= clientLeft)
            lines.append(x);
    }
    return lines;
}

QRect CCellEdit::TextArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
}

QList<int> CCellEdit::CellLines() const
{
    const QRect area = TextArea();
    // A letter's gap follows it: the cell of the first letter starts half a gap
    // before the text does.
    const qreal firstCell = TextOrigin() - LetterGap() / 2;
    return LinePositions(area.right() + 1, CellWidth(), firstCell, area.left());
}

void CCellEdit::paintEvent(QPaintEvent* event)
{
    CLineEdit::paintEvent(event);
    const QRect area = TextArea();
    QPainter painter(this);
    painter.setClipRect(area);
    // Cyan borders, darker or lighter as the box's background needs to keep them visible.
    const QColor border =
        CContrast::Legible(kCellCyan, palette().color(QPalette::Base), CContrast::kLines);
    painter.setPen(QPen(border, 1));
    for (int x : CellLines())
        painter.drawLine(x, area.top(), x, area.bottom());
}
