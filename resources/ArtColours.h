#pragma once

#include <QtGlobal>

#include <cmath>

// The colours of the program's pictures, as 0xRRGGBB. The pictures are drawn with them
// (tools/resgen), and the words lettered over the pictures at run time use the same ones, so
// both always match.
namespace ArtColours {

constexpr quint32 kInk = 0x263859; // outlines and dark lettering edges
constexpr quint32 kSky = 0x4db6f0;
constexpr quint32 kSun = 0xffc93c;
constexpr quint32 kCoral = 0xff6b5e;
constexpr quint32 kLeaf = 0x45c06a;
constexpr quint32 kGrape = 0x9b6df0;
constexpr quint32 kTangerine = 0xff9a2e;
constexpr quint32 kOcean = 0x3a7bf0;
constexpr quint32 kTeal = 0x22b8b0;
constexpr quint32 kWhite = 0xffffff;

constexpr int Red(quint32 rgb)
{
    return int((rgb >> 16) & 0xff);
}
constexpr int Green(quint32 rgb)
{
    return int((rgb >> 8) & 0xff);
}
constexpr int Blue(quint32 rgb)
{
    return int(rgb & 0xff);
}
constexpr quint32 Rgb(int red, int green, int blue)
{
    return (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue);
}

// A colour mixed by amount (0..1) towards a target colour.
inline quint32 Mix(quint32 colour, quint32 target, double amount)
{
    const auto mix = [amount](int c, int t) { return int(std::lround(c + (t - c) * amount)); };
    return Rgb(mix(Red(colour), Red(target)), mix(Green(colour), Green(target)),
               mix(Blue(colour), Blue(target)));
}

// Towards white, and towards the outline ink.
inline quint32 Tint(quint32 colour, double amount)
{
    return Mix(colour, kWhite, amount);
}
inline quint32 Shade(quint32 colour, double amount)
{
    return Mix(colour, kInk, amount);
}

} // namespace ArtColours
