#include "CDoubleClickGuard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

CDoubleClickGuard::CDoubleClickGuard(QObject* parent) : QObject(parent) {}

void CDoubleClickGuard::Watch(QWidget* button)
{
    button->installEventFilter(this);
}

bool CDoubleClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    // Input time stamps, not the clock: the interval is between the two presses themselves.
    const quint64 stamp = static_cast<QMouseEvent*>(event)->timestamp();
    const quint64 interval = static_cast<quint64>(QApplication::doubleClickInterval());
    if (m_bHasPress && m_bMovedSincePress && stamp >= m_nLastPress &&
        stamp - m_nLastPress < interval)
        return true;
    m_bHasPress = true;
    m_bMovedSincePress = false;
    m_nLastPress = stamp;
    return false;
}
