#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// Turns a true-colour picture into a 256-colour one for the program's bitmap loader. That loader
// always puts the 20 standard colours of a 256-colour display into entries 0-9 and 246-255, so
// those entries hold exactly those colours here, and the picture's own colours (found by median
// cut) go into entries 10-245. Every pixel takes the nearest of all 256 entries.
class CPaletteQuantizer
{
public:
    static constexpr int kFirstFreeEntry = 10;
    static constexpr int kLastFreeEntry = 245;

    static QList<QRgb> FixedColours(); // the 20 standard colours, entries 0-9 then 246-255
    static QImage Quantize(const QImage& picture);

private:
    static QList<QRgb> MedianCut(const QImage& picture, int colourCount);
};
