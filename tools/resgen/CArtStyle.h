#pragma once

#include "ArtColours.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The one look shared by every picture: a small bright palette, thick dark-navy outlines with
// round joins, soft two-tone fills and bold Liberation Sans ("Arial") lettering.
class CArtStyle
{
public:
    // Palette. Each quiz kind has its own colour, used by its banners, side picture and frames.
    static QColor Ink() { return Colour(ArtColours::kInk); }
    static QColor Cream() { return QColor(0xff, 0xf8, 0xe7); }
    static QColor Sky() { return Colour(ArtColours::kSky); }
    static QColor Sun() { return Colour(ArtColours::kSun); }
    static QColor Coral() { return Colour(ArtColours::kCoral); }
    static QColor Leaf() { return Colour(ArtColours::kLeaf); }
    static QColor Grape() { return Colour(ArtColours::kGrape); }
    static QColor Tangerine() { return Colour(ArtColours::kTangerine); }
    static QColor Ocean() { return Colour(ArtColours::kOcean); }
    static QColor Teal() { return Colour(ArtColours::kTeal); }
    static QColor Pink() { return QColor(0xff, 0x7e, 0xb3); }
    static QColor Colour(quint32 rgb) { return QColor::fromRgb(QRgb(rgb)); }
    // The default page colour of the wizard, used around labels that sit on the page.
    static QColor Page() { return QColor(0xef, 0xef, 0xef); }

    // A colour mixed towards white (amount 0..1).
    static QColor Tint(const QColor& colour, qreal amount);
    // A colour mixed towards the outline ink (amount 0..1).
    static QColor Shade(const QColor& colour, qreal amount);

    static QFont Font(qreal pixelSize, bool bold = true);
    static QPen OutlinePen(qreal width = 3.0);

    static void Prepare(QPainter& painter);

    // A shape filled top-light to bottom-dark in one colour, with the shared outline.
    static void FillShape(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                          qreal outline = 3.0);
    static void FillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius,
                                const QColor& colour, qreal outline = 3.0);
    static void FillEllipse(QPainter& painter, const QRectF& rect, const QColor& colour,
                            qreal outline = 3.0);
    // A soft white gleam across the top of a shape.
    static void DrawGleam(QPainter& painter, const QRectF& rect, qreal radius);

    // Lettering with an outline drawn under the fill, centred in the box.
    static void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text,
                                const QFont& font, const QColor& fill, const QColor& outline,
                                qreal outlineWidth);
    // The same, with its left edge at box.left().
    static void DrawLeftText(QPainter& painter, const QRectF& box, const QString& text,
                             const QFont& font, const QColor& fill, const QColor& outline,
                             qreal outlineWidth);
    // The largest font size up to pixelSize at which the text fits the width.
    static QFont FittingFont(const QString& text, qreal pixelSize, qreal width, bool bold = true);

    static QPainterPath StarPath(const QPointF& centre, qreal outerRadius, qreal innerRadius,
                                 int points = 5, qreal rotationDegrees = -90.0);
    static void DrawStar(QPainter& painter, const QPointF& centre, qreal radius,
                         const QColor& colour, qreal outline = 2.5, qreal rotationDegrees = -90.0);
    // A four-pointed twinkle without an outline.
    static void DrawTwinkle(QPainter& painter, const QPointF& centre, qreal radius,
                            const QColor& colour);

    // A backdrop: a soft radial glow from light to base colour, with a few faint bubbles.
    static void DrawBackdrop(QPainter& painter, const QRectF& rect, const QColor& base,
                             quint32 seed);
    // Little paper pieces scattered over an area; phase (0..1) drifts them downwards.
    static void DrawConfetti(QPainter& painter, const QRectF& area, int count, quint32 seed,
                             qreal phase = 0.0);
};
