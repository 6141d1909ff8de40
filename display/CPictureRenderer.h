#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class CDib;
class QPainter;

// Draws the program's pictures as sharp as the device they land on. Beside each 256-colour
// picture of record, tools/resgen stores the same drawing at 2 and 3 times its size
// (":/bitmaps@2x/<id>.png", ":/bitmaps@3x/<id>.png"); a rendering is made from the smallest of
// them that is at least as large as wanted (only that one is read), and the picture's words
// are lettered over it at the rendering's own size. Renderings are kept for later paints.
class CPictureRenderer
{
public:
    static constexpr int kSharperScales[] = {2, 3};

    static QString ScaledResourcePath(int resourceId, int scale);

    // The picture as it shows on a device with this many pixels to one of its own, with its
    // words; the image carries the scale as its device pixel ratio.
    static QImage Rendering(const CDib& picture, qreal scale);

    // The picture at exactly this many device pixels, or a null image when the picture of
    // record, drawn as it is, is already the best there is (no words, nothing sharper).
    static QImage Render(const CDib& picture, const QSize& pixels);

    // Whether the picture at this size is more than the picture of record drawn as it is.
    static bool NeedsRendering(const CDib& picture, const QSize& pixels);
    // The name a rendering is kept under: the picture, its size and its words.
    static QString CacheKey(int resourceId, const QSize& pixels);
    // Makes the rendering afresh. It touches nothing shared, so it may run on any thread.
    static QImage MakeRendering(const CDib& picture, const QSize& pixels);

    // How many device pixels a painter puts on one unit of its coordinates.
    static qreal DeviceScale(const QPainter& painter);
    // The size in device pixels of a picture shown at this scale.
    static QSize PixelsAt(const QSize& size, qreal scale);

private:
    // The drawing without words at this size: from the smallest larger set, else the picture
    // of record.
    static QImage Art(const CDib& picture, const QSize& pixels);
    static int SetFor(const CDib& picture, const QSize& pixels);
};
