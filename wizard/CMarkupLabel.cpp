#include "CMarkupLabel.h"

#include "CMarkupRenderer.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

CMarkupLabel::CMarkupLabel(const CMarkupRenderer& renderer, const QRect& frame, QWidget* parent)
    : QLabel(parent), m_renderer(renderer), m_frame(frame)
{
    setTextFormat(Qt::PlainText);
    // Painted over the page's pictures, it must not take their clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(frame);
}

void CMarkupLabel::SetMarkup(const QString& markup)
{
    m_strMarkup = markup;
    setText(m_renderer.PlainText(markup));
    FitToText();
    update();
}

void CMarkupLabel::FitToText()
{
    QRect covered(QPoint(0, 0), m_frame.size());
    const CMarkupRenderer::Layout layout =
        m_renderer.LayoutMarkup(font(), QRect(QPoint(0, 0), m_frame.size()), m_strMarkup);
    for (const CMarkupRenderer::Run& run : layout.m_runs) {
        const QFontMetrics metrics(run.m_font);
        covered |= QRect(run.m_topLeft,
                         QSize(metrics.horizontalAdvance(run.m_text) + 1, metrics.height()));
    }
    m_origin = -covered.topLeft();
    setGeometry(QRect(m_frame.topLeft() + covered.topLeft(), covered.size()));
}

void CMarkupLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitToText();
}

void CMarkupLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBackgroundMode(Qt::TransparentMode);
    m_renderer.DrawMarkup(painter, QRect(m_origin, m_frame.size()), m_strMarkup);
}
