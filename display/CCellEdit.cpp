#include "CCellEdit.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

const QColor kCellCyan(0, 255, 255);
// QLineEdit keeps this fixed gap between its contents rectangle and the text.
constexpr int kLineEditInnerMargin = 2;

} // namespace

CCellEdit::CCellEdit(QWidget* parent) : QLineEdit(parent) {}

QFont CCellEdit::CellFont()
{
    QFont font(QStringLiteral("Courier"), kCellFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

qreal CCellEdit::CellWidth()
{
    // Every letter of the fixed-pitch font is this wide. The font's recorded
    // average width is rounded and would drift away from the letters.
    return QFontMetricsF(CellFont()).horizontalAdvance(QLatin1Char('x'));
}

QList<int> CCellEdit::LinePositions(int clientRight, qreal cellWidth, int origin)
{
    QList<int> lines;
    if (cellWidth <= 0)
        return lines;
    const int count = static_cast<int>((clientRight - origin) / cellWidth);
    for (int k = 1; k <= count; ++k)
        lines.append(origin + qRound(k * cellWidth));
    return lines;
}

QRect CCellEdit::TextArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
}

int CCellEdit::TextLeft() const
{
    return TextArea().left() + textMargins().left() + kLineEditInnerMargin;
}

QList<int> CCellEdit::CellLines() const
{
    const QRect area = TextArea();
    return LinePositions(area.right() + 1, CellWidth(), TextLeft());
}

void CCellEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const QRect area = TextArea();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.setPen(QPen(kCellCyan, 1));
    for (int x : CellLines())
        painter.drawLine(x, area.top(), x, area.bottom());
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    // A paste with no text on the clipboard must not wipe the selected letters.
    if (event->matches(QKeySequence::Paste) && !ClipboardOffersText()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool CCellEdit::ClipboardOffersText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}
