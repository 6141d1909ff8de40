#pragma once

#include <QLabel>
#include <QRect>

class CMarkupRenderer;

// A help text written with the renderer's tags. It is painted as the renderer draws it, and
// screen readers read it as a label holding the same words in the order they are drawn.
class CMarkupLabel : public QLabel
{
    Q_OBJECT

public:
    // The text starts at the top-left corner of frame; the label grows to hold every line,
    // as the renderer does not wrap.
    CMarkupLabel(const CMarkupRenderer& renderer, const QRect& frame, QWidget* parent);

    void SetMarkup(const QString& markup);
    QString Markup() const { return m_strMarkup; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FitToText();

    const CMarkupRenderer& m_renderer;
    const QRect m_frame;
    QPoint m_origin; // where the frame's corner lies in the label
    QString m_strMarkup;
};
