#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The title banner across the top of a page: a band in the page's colour with the page's sign in
// a white badge at the left and a few stars at the right. The page's title is lettered between
// them when the banner is drawn (PictureWords), in the program's language.
class CBannerArt
{
public:
    enum class Sign
    {
        Owl,
        PencilAndPaper,
        Disk,
        Clipboard,
        TrueFalse,
        FlashCards,
        LetterBlocks,
        MathSigns,
        Trophy
    };

    static void Draw(QPainter& painter, const QRectF& rect, const QColor& colour, Sign sign);

private:
    static void DrawBand(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void DrawBadge(QPainter& painter, const QRectF& rect, Sign sign);
    static void DrawSign(QPainter& painter, const QRectF& square, Sign sign);
    static void DrawStars(QPainter& painter, const QRectF& rect, const QColor& starColour);
};
