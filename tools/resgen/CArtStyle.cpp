#include "CArtStyle.h"

#include "CLettering.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

QColor CArtStyle::Tint(const QColor& colour, qreal amount)
{
    return Colour(ArtColours::Tint(colour.rgb() & 0xffffff, amount));
}

QColor CArtStyle::Shade(const QColor& colour, qreal amount)
{
    return Colour(ArtColours::Shade(colour.rgb() & 0xffffff, amount));
}

QFont CArtStyle::Font(qreal pixelSize, bool bold)
{
    return CLettering::Font(pixelSize, bold);
}

QPen CArtStyle::OutlinePen(qreal width)
{
    QPen pen(Ink(), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void CArtStyle::Prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void CArtStyle::FillShape(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                          qreal outline)
{
    const QRectF bounds = shape.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, Tint(colour, 0.25));
    gradient.setColorAt(1.0, Shade(colour, 0.12));
    painter.save();
    painter.setBrush(gradient);
    painter.setPen(outline > 0 ? OutlinePen(outline) : QPen(Qt::NoPen));
    painter.drawPath(shape);
    painter.restore();
}

void CArtStyle::FillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius,
                                const QColor& colour, qreal outline)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    FillShape(painter, path, colour, outline);
}

void CArtStyle::FillEllipse(QPainter& painter, const QRectF& rect, const QColor& colour,
                            qreal outline)
{
    QPainterPath path;
    path.addEllipse(rect);
    FillShape(painter, path, colour, outline);
}

void CArtStyle::DrawGleam(QPainter& painter, const QRectF& rect, qreal radius)
{
    const QRectF gleam(rect.left() + rect.width() * 0.12, rect.top() + rect.height() * 0.08,
                       rect.width() * 0.76, rect.height() * 0.32);
    QLinearGradient gradient(gleam.topLeft(), gleam.bottomLeft());
    gradient.setColorAt(0.0, QColor(255, 255, 255, 150));
    gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(gleam, radius * 0.7, radius * 0.7);
    painter.restore();
}

void CArtStyle::DrawCentredText(QPainter& painter, const QRectF& box, const QString& text,
                                const QFont& font, const QColor& fill, const QColor& outline,
                                qreal outlineWidth)
{
    CLettering::DrawCentred(painter, box, text, font, fill, outline, outlineWidth);
}

void CArtStyle::DrawLeftText(QPainter& painter, const QRectF& box, const QString& text,
                             const QFont& font, const QColor& fill, const QColor& outline,
                             qreal outlineWidth)
{
    CLettering::DrawLeft(painter, box, text, font, fill, outline, outlineWidth);
}

QFont CArtStyle::FittingFont(const QString& text, qreal pixelSize, qreal width, bool bold)
{
    return CLettering::FittingFont(text, pixelSize, width, bold);
}

QPainterPath CArtStyle::StarPath(const QPointF& centre, qreal outerRadius, qreal innerRadius,
                                 int points, qreal rotationDegrees)
{
    QPainterPath path;
    const qreal step = std::numbers::pi / points;
    const qreal start = rotationDegrees * std::numbers::pi / 180.0;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const QPointF point(centre.x() + radius * std::cos(start + i * step),
                            centre.y() + radius * std::sin(start + i * step));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

void CArtStyle::DrawStar(QPainter& painter, const QPointF& centre, qreal radius,
                         const QColor& colour, qreal outline, qreal rotationDegrees)
{
    FillShape(painter, StarPath(centre, radius, radius * 0.48, 5, rotationDegrees), colour,
              outline);
}

void CArtStyle::DrawTwinkle(QPainter& painter, const QPointF& centre, qreal radius,
                            const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(StarPath(centre, radius, radius * 0.28, 4, -90.0));
    painter.restore();
}

void CArtStyle::DrawBackdrop(QPainter& painter, const QRectF& rect, const QColor& base,
                             quint32 seed)
{
    QRadialGradient glow(rect.center() - QPointF(rect.width() * 0.15, rect.height() * 0.2),
                         qMax(rect.width(), rect.height()) * 0.85);
    glow.setColorAt(0.0, Tint(base, 0.88));
    glow.setColorAt(1.0, Tint(base, 0.55));
    painter.fillRect(rect, glow);

    QRandomGenerator random(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    const qreal unit = qMin(rect.width(), rect.height());
    for (int i = 0; i < 6; ++i) {
        const qreal radius = unit * (0.06 + random.bounded(0.12));
        const QPointF centre(rect.left() + random.bounded(rect.width()),
                             rect.top() + random.bounded(rect.height()));
        painter.drawEllipse(centre, radius, radius);
    }
    painter.restore();
}

void CArtStyle::DrawConfetti(QPainter& painter, const QRectF& area, int count, quint32 seed,
                             qreal phase)
{
    const QColor colours[] = {Coral(), Sun(), Leaf(), Sky(), Grape(), Pink(), Tangerine()};
    QRandomGenerator random(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal x = area.left() + random.bounded(area.width());
        const qreal fall = random.bounded(0.5) + 0.5;
        qreal y = area.top() + random.bounded(area.height()) + phase * area.height() * 0.25 * fall;
        if (y > area.bottom()) {
            y -= area.height();
        }
        const qreal angle = random.bounded(180.0) + phase * 120.0 * (i % 2 == 0 ? 1 : -1);
        const qreal size = 3.0 + random.bounded(3.0);
        painter.save();
        painter.translate(x, y);
        painter.rotate(angle);
        painter.setBrush(colours[i % std::size(colours)]);
        if (i % 3 == 0) {
            painter.drawEllipse(QPointF(0, 0), size * 0.55, size * 0.55);
        } else {
            painter.drawRoundedRect(QRectF(-size, -size * 0.4, size * 2, size * 0.8), 1, 1);
        }
        painter.restore();
    }
    painter.restore();
}
