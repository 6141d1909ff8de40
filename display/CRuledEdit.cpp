#include "CRuledEdit.h"

#include "CContrast.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

const QColor kRuleBlue(0, 0, 255);

} // namespace

CRuledEdit::CRuledEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    // Tab moves on to the next control, as in every other box of a page.
    setTabChangesFocus(true);
    // A scroll moves the pixels already drawn and paints only the rows that
    // come in; the line under such a row lies outside them, where the moved
    // pixels hold the top of the box, which has no line. So all is redrawn.
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            viewport()->update();
    });
}

QList<int> CRuledEdit::LinePositions(int clientBottom, qreal lineHeight, int origin)
{
    QList<int> lines;
    if (lineHeight <= 0)
        return lines;
    const int count = static_cast<int>((clientBottom - origin) / lineHeight);
    for (int k = 1; k <= count; ++k)
        lines.append(origin + qRound(k * lineHeight));
    return lines;
}

qreal CRuledEdit::LineHeight() const
{
    // The height the box's own layout gives a row of text, leading included.
    const QTextLayout* layout = document()->firstBlock().layout();
    if (layout && layout->lineCount() > 0)
        return layout->lineAt(0).height();
    QTextLayout probe(QStringLiteral("Xg"), font());
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLeadingIncluded(true);
    probe.endLayout();
    return line.height();
}

int CRuledEdit::TextTop() const
{
    const QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return 0;
    return qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
}

QList<int> CRuledEdit::RuledLines() const
{
    return LinePositions(viewport()->rect().bottom() + 1, LineHeight(), TextTop());
}

void CRuledEdit::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    // Blue lines, lighter or darker as the box's background needs to keep them visible.
    const QColor line =
        CContrast::Legible(kRuleBlue, palette().color(QPalette::Base), CContrast::kLines);
    painter.setPen(QPen(line, 1));
    const int right = viewport()->width();
    for (int y : RuledLines())
        painter.drawLine(0, y, right, y);
}

bool CRuledEdit::CaretOnFirstLine() const
{
    const QTextCursor cursor = textCursor();
    if (cursor.blockNumber() != 0)
        return false;
    const QTextLayout* layout = cursor.block().layout();
    if (!layout || layout->lineCount() == 0)
        return true;
    return layout->lineForTextPosition(cursor.positionInBlock()).lineNumber() <= 0;
}

void CRuledEdit::keyPressEvent(QKeyEvent* event)
{
    // Up on the first row goes nowhere: the caret stays where it is.
    if (event->key() == Qt::Key_Up && CaretOnFirstLine()) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool adds = !text.isEmpty() && (text.front().isPrint() || text.front() == u'\r');
    if (adds && Room() < text.size()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool CRuledEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void CRuledEdit::insertFromMimeData(const QMimeData* source)
{
    // Only plain text goes in; a picture or anything else leaves the text alone.
    if (source->hasText())
        insertPlainText(source->text().left(qMax(0, Room())));
}

int CRuledEdit::Room() const
{
    const qsizetype length = document()->characterCount() - 1; // less the closing paragraph
    const qsizetype room = m_nMaxLength - length + textCursor().selectedText().size();
    return int(std::clamp<qsizetype>(room, 0, std::numeric_limits<int>::max()));
}
