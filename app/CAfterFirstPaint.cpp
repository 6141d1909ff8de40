#include "CAfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

CAfterFirstPaint::CAfterFirstPaint(QWidget* window, std::function<void()> work)
    : QObject(window), m_work(std::move(work))
{
    window->installEventFilter(this);
}

void CAfterFirstPaint::Run(QWidget* window, std::function<void()> work)
{
    new CAfterFirstPaint(window, std::move(work));
}

bool CAfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the painted window reaches the screen first.
        QTimer::singleShot(0, this, [this] {
            m_work();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
