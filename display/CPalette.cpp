#include "CPalette.h"

#include <algorithm>

namespace {

// The static colours of a 256-colour display: ten at each end of the palette.
constexpr std::array<CPaletteEntry, CPalette::kFixedLowCount> kLowColors{{
    {0, 0, 0, 0},
    {128, 0, 0, 0},
    {0, 128, 0, 0},
    {128, 128, 0, 0},
    {0, 0, 128, 0},
    {128, 0, 128, 0},
    {0, 128, 128, 0},
    {192, 192, 192, 0},
    {192, 220, 192, 0},
    {166, 202, 240, 0},
}};

constexpr std::array<CPaletteEntry, CPalette::kEntryCount - CPalette::kFixedHighFirst> kHighColors{{
    {255, 251, 240, 0},
    {160, 160, 164, 0},
    {128, 128, 128, 0},
    {255, 0, 0, 0},
    {0, 255, 0, 0},
    {255, 255, 0, 0},
    {0, 0, 255, 0},
    {255, 0, 255, 0},
    {0, 255, 255, 0},
    {255, 255, 255, 0},
}};

} // namespace

bool CPalette::IsFixedIndex(int index)
{
    return (index >= 0 && index < kFixedLowCount) ||
           (index >= kFixedHighFirst && index < kEntryCount);
}

CPaletteEntry CPalette::FixedEntry(int index)
{
    if (index >= 0 && index < kFixedLowCount)
        return kLowColors[static_cast<std::size_t>(index)];
    return kHighColors.at(static_cast<std::size_t>(index - kFixedHighFirst));
}

CPalette CPalette::ForPicture(int colorCount, const QList<QRgb>& pictureColors)
{
    CPalette palette;
    // The static colours hold whatever the picture has there, even when its
    // table is shorter, so every picture leaves the system colours alone.
    for (int i = 0; i < kEntryCount; ++i) {
        if (IsFixedIndex(i))
            palette.m_entries[static_cast<std::size_t>(i)] = FixedEntry(i);
    }
    const int pictureEntries = std::min(colorCount, static_cast<int>(kFixedHighFirst));
    for (int i = kFixedLowCount; i < pictureEntries; ++i) {
        if (i >= pictureColors.size())
            break;
        const QRgb rgb = pictureColors.at(i);
        palette.m_entries[static_cast<std::size_t>(i)] = {
            static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb)), kNoCollapse};
    }
    return palette;
}

QColor CPalette::Color(int index) const
{
    const CPaletteEntry& entry = Entry(index);
    return QColor(entry.red, entry.green, entry.blue);
}
