#pragma once

#include "BenchSupport.h"

#include <QByteArray>

#include <map>
#include <optional>

struct xcb_connection_t;

// Watches an X display as a window manager would: the first top-level window mapped
// (MapNotify on the root) and the first drawing inside it (the DAMAGE extension on the
// root, which reports drawing in every window of the screen).
class CDesktopWatcher
{
public:
    explicit CDesktopWatcher(const QByteArray& display);
    ~CDesktopWatcher();
    CDesktopWatcher(const CDesktopWatcher&) = delete;
    CDesktopWatcher& operator=(const CDesktopWatcher&) = delete;

    // Connected, and the server draws with DAMAGE.
    bool IsReady() const { return m_nDamageEvent >= 0; }

    // Milliseconds from start to the window's first map and to its first drawing.
    struct FirstPaint
    {
        double m_mapMs = 0;
        double m_paintMs = 0;
    };
    // Waits for the next top-level window to be mapped and drawn in.
    std::optional<FirstPaint> Wait(bench::Clock::time_point start, int timeoutMs);
    // Reads and forgets what happened on the screen for a while (a window closing).
    void Drain(int ms);

private:
    struct Window
    {
        unsigned m_id = 0;
        int m_x = 0, m_y = 0, m_width = 0, m_height = 0;
    };
    bool WaitForEvent(bench::Clock::time_point deadline);
    void Note(const void* event);
    bool Intersects(int x, int y, int width, int height) const;

    xcb_connection_t* m_pConnection = nullptr;
    int m_nDamageEvent = -1;
    std::map<unsigned, Window> m_windows; // the top-level windows created, by id
    Window m_mapped;
    std::optional<double> m_mapMs;
    std::optional<double> m_paintMs;
    bench::Clock::time_point m_start;
};
