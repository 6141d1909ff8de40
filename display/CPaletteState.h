#pragma once

#include "CPalette.h"

#include <optional>

// The application's current palette: the one a page made current after
// loading its pictures, and selected before drawing them. Owned by the
// application object and handed to the pages, so tests can look at it.
class CPaletteState
{
public:
    void SetCurrent(const CPalette& palette);
    void Clear();

    bool HasCurrent() const { return m_current.has_value(); }
    // The current palette; an all-black palette when none was made current.
    const CPalette& Current() const;
    // How many times a palette was made current (pages do it on activation).
    int ChangeCount() const { return m_nChangeCount; }

private:
    std::optional<CPalette> m_current;
    CPalette m_empty;
    int m_nChangeCount = 0;
};
