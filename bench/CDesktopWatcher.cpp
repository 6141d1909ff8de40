#include "CDesktopWatcher.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <poll.h>

CDesktopWatcher::CDesktopWatcher(const QByteArray& display)
{
    m_pConnection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(m_pConnection))
        return;
    const xcb_query_extension_reply_t* damage =
        xcb_get_extension_data(m_pConnection, &xcb_damage_id);
    if (!damage || !damage->present)
        return;
    // The version must be asked before the extension is used.
    std::free(xcb_damage_query_version_reply(
        m_pConnection,
        xcb_damage_query_version(m_pConnection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_pConnection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_damage_create(m_pConnection, xcb_generate_id(m_pConnection), root,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(m_pConnection);
    m_nDamageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
}

CDesktopWatcher::~CDesktopWatcher()
{
    xcb_disconnect(m_pConnection);
}

bool CDesktopWatcher::WaitForEvent(bench::Clock::time_point deadline)
{
    const auto left = deadline - bench::Clock::now();
    if (left <= bench::Clock::duration::zero())
        return false;
    pollfd fd{xcb_get_file_descriptor(m_pConnection), POLLIN, 0};
    const int ms = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
    return poll(&fd, 1, ms) > 0;
}

bool CDesktopWatcher::Intersects(int x, int y, int width, int height) const
{
    return x < m_mapped.m_x + m_mapped.m_width && m_mapped.m_x < x + width &&
           y < m_mapped.m_y + m_mapped.m_height && m_mapped.m_y < y + height;
}

void CDesktopWatcher::Note(const void* any)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(any);
    const int type = event->response_type & ~0x80;
    const double now = bench::Milliseconds(bench::Clock::now() - m_start);
    if (type == XCB_CREATE_NOTIFY) {
        const auto* create = static_cast<const xcb_create_notify_event_t*>(any);
        if (!create->override_redirect)
            m_windows[create->window] = {create->window, create->x, create->y, create->width,
                                         create->height};
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(any);
        if (m_windows.contains(configure->window))
            m_windows[configure->window] = {configure->window, configure->x, configure->y,
                                            configure->width, configure->height};
    } else if (type == XCB_MAP_NOTIFY) {
        const auto* map = static_cast<const xcb_map_notify_event_t*>(any);
        if (!map->override_redirect && !m_mapMs && m_windows.contains(map->window)) {
            m_mapped = m_windows[map->window];
            m_mapMs = now;
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        m_windows.erase(static_cast<const xcb_destroy_notify_event_t*>(any)->window);
    } else if (type == m_nDamageEvent && m_mapMs && !m_paintMs) {
        const auto* damage = static_cast<const xcb_damage_notify_event_t*>(any);
        if (Intersects(damage->area.x, damage->area.y, damage->area.width, damage->area.height))
            m_paintMs = now;
    }
}

std::optional<CDesktopWatcher::FirstPaint> CDesktopWatcher::Wait(bench::Clock::time_point start,
                                                                 int timeoutMs)
{
    m_start = start;
    m_mapMs.reset();
    m_paintMs.reset();
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    while (!m_paintMs) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_pConnection)) {
            Note(event);
            std::free(event);
        }
        if (m_paintMs || xcb_connection_has_error(m_pConnection) || !WaitForEvent(deadline))
            break;
    }
    if (!m_paintMs)
        return std::nullopt;
    return FirstPaint{*m_mapMs, *m_paintMs};
}

void CDesktopWatcher::Drain(int ms)
{
    const auto deadline = bench::Clock::now() + std::chrono::milliseconds(ms);
    do {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_pConnection))
            std::free(event);
    } while (WaitForEvent(deadline));
}
