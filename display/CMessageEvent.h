#pragma once

#include <QEvent>
#include <QPointer>

#include <cstdint>

// A window message as a Qt event: posted with QCoreApplication::postEvent, so
// messages are queued and handled in the order they were posted. The event
// type is the message value itself (all values lie in Qt's user event range).
class CMessageEvent : public QEvent
{
public:
    CMessageEvent(int message, std::intptr_t wParam, QObject* lParam = nullptr)
        : QEvent(static_cast<QEvent::Type>(message)), m_wParam(wParam), m_lParam(lParam)
    {
    }
    // A message whose second parameter is a number (a control id).
    CMessageEvent(int message, std::intptr_t wParam, std::intptr_t nParam)
        : QEvent(static_cast<QEvent::Type>(message)), m_wParam(wParam), m_nParam(nParam)
    {
    }

    int Message() const { return static_cast<int>(type()); }
    std::intptr_t WParam() const { return m_wParam; }
    QObject* LParam() const { return m_lParam.data(); }
    std::intptr_t NParam() const { return m_nParam; }

private:
    std::intptr_t m_wParam;
    QPointer<QObject> m_lParam;
    std::intptr_t m_nParam = 0;
};

// Posted by a picture button to its parent page on a press: wParam is the
// button's control id, lParam the button.
constexpr int WM_PICTURE_BUTTON_CLICKED = 0x4404;
