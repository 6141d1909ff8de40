#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPainterPath;

// The lettering of the program's pictures: bold Liberation Sans ("Arial") drawn as outlines, so
// it is as sharp at any scale as the picture under it, with an optional edge drawn under the
// fill. Both the picture generator and the program letter with it.
class CLettering
{
public:
    static QFont Font(qreal pixelSize, bool bold = true);
    // The largest font up to pixelSize at which the text fits the width.
    static QFont FittingFont(const QString& text, qreal pixelSize, qreal width, bool bold = true);

    // Letters the text with its middle on the box's middle.
    static void DrawCentred(QPainter& painter, const QRectF& box, const QString& text,
                            const QFont& font, const QColor& fill, const QColor& outline,
                            qreal outlineWidth);
    // Letters the text with its left edge at the box's left.
    static void DrawLeft(QPainter& painter, const QRectF& box, const QString& text,
                         const QFont& font, const QColor& fill, const QColor& outline,
                         qreal outlineWidth);

    // Letters the words that belong on a program picture, in the picture's coordinates, each
    // shrunk to fit its place.
    static void DrawPictureWords(QPainter& painter, int pictureId);

private:
    static QPainterPath TextPath(const QString& text, const QFont& font, qreal x, qreal baseline);
    static void Paint(QPainter& painter, const QPainterPath& path, const QColor& fill,
                      const QColor& outline, qreal outlineWidth);
};
