#pragma once

#include <QImage>
#include <QString>

#include <thread>

// Makes the rendering of one picture on a second thread while the window is being built, so
// that lettering the first page's banner (outlined words, a good part of the time to the first
// paint) no longer holds up the start. CPictureRenderer takes the rendering when the picture
// is first painted at the size guessed here; at any other size it is simply not used.
// The thread is waited for when the rendering is taken, or at the latest by the destructor,
// which must therefore run before the application object goes.
class CRenderAhead
{
public:
    explicit CRenderAhead(int resourceId);
    ~CRenderAhead();
    CRenderAhead(const CRenderAhead&) = delete;
    CRenderAhead& operator=(const CRenderAhead&) = delete;

    // The rendering made ahead under this key, waiting for it if need be; a null image when
    // none was made under it. A rendering is handed out once.
    static QImage Take(const QString& key);

private:
    QString m_strKey;
    QImage m_rendering;
    std::thread m_worker;
};
