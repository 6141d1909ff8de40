#include "CRenderAhead.h"

#include "CDib.h"
#include "CPictureRenderer.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Only the main thread starts, takes and ends renderings ahead, so no lock is needed here.
CRenderAhead* s_pActive = nullptr;

qreal LikelyScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : qApp->devicePixelRatio();
}

} // namespace

CRenderAhead::CRenderAhead(int resourceId)
{
    // The picture is read here, so the thread only letters and paints (fonts, translations,
    // resources and painting on images are safe on any thread).
    const CDib picture(resourceId);
    const QSize pixels = CPictureRenderer::PixelsAt(picture.Size(), LikelyScale());
    if (!CPictureRenderer::NeedsRendering(picture, pixels))
        return;
    m_strKey = CPictureRenderer::CacheKey(resourceId, pixels);
    m_worker = std::thread([this, picture, pixels] {
        m_rendering = CPictureRenderer::MakeRendering(picture, pixels);
    });
    s_pActive = this;
}

CRenderAhead::~CRenderAhead()
{
    if (m_worker.joinable())
        m_worker.join();
    if (s_pActive == this)
        s_pActive = nullptr;
}

QImage CRenderAhead::Take(const QString& key)
{
    if (!s_pActive || s_pActive->m_strKey != key)
        return QImage();
    if (s_pActive->m_worker.joinable())
        s_pActive->m_worker.join();
    s_pActive->m_strKey.clear();
    return std::move(s_pActive->m_rendering);
}
