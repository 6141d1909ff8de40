#pragma once

#include <QColor>

#include <array>
#include <cstdint>

// One entry of a logical palette: a colour and its palette flags.
struct CPaletteEntry
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    bool operator==(const CPaletteEntry&) const = default;
};

// The 256-entry logical palette a picture carries for 256-colour displays.
// The first ten and the last ten entries are the display's static colours;
// the entries between are the picture's own, marked "no collapse" so the
// display gives each its own slot. True-colour displays draw the same with or
// without it, but the palette is kept so the rules stay visible and testable.
class CPalette
{
public:
    static constexpr int kVersion = 0x300;
    static constexpr int kEntryCount = 256;
    static constexpr int kFixedLowCount = 10;   // entries 0-9
    static constexpr int kFixedHighFirst = 246; // entries 246-255
    static constexpr std::uint8_t kNoCollapse = 0x04;

    CPalette() = default;

    // Builds the palette of a picture whose colour count is colorCount, from
    // the colours of its table (entries past the table stay black).
    static CPalette ForPicture(int colorCount, const QList<QRgb>& pictureColors);

    static bool IsFixedIndex(int index);
    static CPaletteEntry FixedEntry(int index);

    int Version() const { return kVersion; }
    const CPaletteEntry& Entry(int index) const { return m_entries.at(index); }
    QColor Color(int index) const;

    bool operator==(const CPalette&) const = default;

private:
    std::array<CPaletteEntry, kEntryCount> m_entries{};
};
