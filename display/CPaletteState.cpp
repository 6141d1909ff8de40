#include "CPaletteState.h"

void CPaletteState::SetCurrent(const CPalette& palette)
{
    m_current = palette;
    ++m_nChangeCount;
}

void CPaletteState::Clear()
{
    m_current.reset();
}

const CPalette& CPaletteState::Current() const
{
    return m_current ? *m_current : m_empty;
}
