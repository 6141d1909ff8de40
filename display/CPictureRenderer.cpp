#include "CPictureRenderer.h"

#include "CDib.h"
#include "CLettering.h"
#include "CRenderAhead.h"
#include "PictureWords.h"

#include <QCache>
#include <QFile>
#include <QPainter>

#include <cmath>

namespace {

// Room for every picture of a few pages at 3x; pages and printouts ask for the same sizes again.
constexpr int kCacheKilobytes = 48 * 1024;

QCache<QString, QImage>& Renderings()
{
    static QCache<QString, QImage> renderings(kCacheKilobytes);
    return renderings;
}

} // namespace

QString CPictureRenderer::CacheKey(int resourceId, const QSize& pixels)
{
    // The words are part of the picture, so a change of language makes new renderings.
    QStringList texts;
    for (const PictureWords::Word& word : PictureWords::For(resourceId))
        texts.append(PictureWords::Text(word));
    return QStringLiteral("%1:%2x%3:%4")
        .arg(resourceId)
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(texts.join(QLatin1Char('\n')));
}

QString CPictureRenderer::ScaledResourcePath(int resourceId, int scale)
{
    return QStringLiteral(":/bitmaps@%1x/%2.png").arg(scale).arg(resourceId);
}

qreal CPictureRenderer::DeviceScale(const QPainter& painter)
{
    const QTransform& world = painter.worldTransform();
    const qreal transformScale =
        std::max(std::hypot(world.m11(), world.m12()), std::hypot(world.m21(), world.m22()));
    const qreal deviceRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return transformScale * deviceRatio;
}

QSize CPictureRenderer::PixelsAt(const QSize& size, qreal scale)
{
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))));
}

int CPictureRenderer::SetFor(const CDib& picture, const QSize& pixels)
{
    if (pixels.width() <= picture.Width() && pixels.height() <= picture.Height())
        return 1;
    const qreal wanted = std::max(qreal(pixels.width()) / picture.Width(),
                                  qreal(pixels.height()) / picture.Height());
    int chosen = 1;
    for (int scale : kSharperScales) {
        if (!QFile::exists(ScaledResourcePath(picture.ResourceId(), scale)))
            continue;
        chosen = scale;
        if (scale >= wanted)
            break;
    }
    return chosen;
}

QImage CPictureRenderer::Art(const CDib& picture, const QSize& pixels)
{
    const int set = SetFor(picture, pixels);
    QImage art = picture.Image();
    if (set > 1) {
        const QImage loaded(ScaledResourcePath(picture.ResourceId(), set));
        if (!loaded.isNull())
            art = loaded.convertToFormat(QImage::Format_RGB32);
    }
    if (art.size() != pixels)
        art = art.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return art;
}

QImage CPictureRenderer::MakeRendering(const CDib& picture, const QSize& pixels)
{
    QImage rendering = Art(picture, pixels);
    if (!PictureWords::For(picture.ResourceId()).isEmpty()) {
        QPainter painter(&rendering);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(pixels.width()) / picture.Width(),
                      qreal(pixels.height()) / picture.Height());
        CLettering::DrawPictureWords(painter, picture.ResourceId());
    }
    return rendering;
}

bool CPictureRenderer::NeedsRendering(const CDib& picture, const QSize& pixels)
{
    // Without words and without a sharper set, the picture of record drawn as it is is all
    // there is.
    const bool hasWords = !PictureWords::For(picture.ResourceId()).isEmpty();
    return !pixels.isEmpty() && (hasWords || SetFor(picture, pixels) > 1);
}

QImage CPictureRenderer::Render(const CDib& picture, const QSize& pixels)
{
    if (!NeedsRendering(picture, pixels))
        return QImage();
    const QString key = CacheKey(picture.ResourceId(), pixels);
    if (const QImage* kept = Renderings().object(key))
        return *kept;
    QImage rendering = CRenderAhead::Take(key);
    if (rendering.isNull())
        rendering = MakeRendering(picture, pixels);
    const auto kilobytes = int(std::max<qsizetype>(1, rendering.sizeInBytes() / 1024));
    Renderings().insert(key, new QImage(rendering), kilobytes);
    return rendering;
}

QImage CPictureRenderer::Rendering(const CDib& picture, qreal scale)
{
    QImage rendering = Render(picture, PixelsAt(picture.Size(), scale));
    if (rendering.isNull())
        rendering = picture.Image();
    rendering.setDevicePixelRatio(qreal(rendering.width()) / picture.Width());
    return rendering;
}
