#include "CPaletteQuantizer.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

struct WeightedColour
{
    QRgb colour;
    int count;
};

struct Box
{
    std::vector<WeightedColour> colours;

    int Channel(QRgb c, int channel) const
    {
        return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
    }

    // The channel with the widest spread, and that spread.
    std::pair<int, int> WidestChannel() const
    {
        int bestChannel = 0;
        int bestRange = -1;
        for (int channel = 0; channel < 3; ++channel) {
            int low = 255;
            int high = 0;
            for (const WeightedColour& c : colours) {
                low = std::min(low, Channel(c.colour, channel));
                high = std::max(high, Channel(c.colour, channel));
            }
            if (high - low > bestRange) {
                bestRange = high - low;
                bestChannel = channel;
            }
        }
        return {bestChannel, bestRange};
    }

    qint64 Weight() const
    {
        qint64 total = 0;
        for (const WeightedColour& c : colours) {
            total += c.count;
        }
        return total;
    }

    QRgb Average() const
    {
        qint64 r = 0, g = 0, b = 0, total = 0;
        for (const WeightedColour& c : colours) {
            r += qint64(qRed(c.colour)) * c.count;
            g += qint64(qGreen(c.colour)) * c.count;
            b += qint64(qBlue(c.colour)) * c.count;
            total += c.count;
        }
        return qRgb(int((r + total / 2) / total), int((g + total / 2) / total),
                    int((b + total / 2) / total));
    }
};

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

QList<QRgb> CPaletteQuantizer::FixedColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
            qRgb(192, 220, 192), qRgb(166, 202, 240), qRgb(255, 251, 240), qRgb(160, 160, 164),
            qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255)};
}

QList<QRgb> CPaletteQuantizer::MedianCut(const QImage& picture, int colourCount)
{
    QHash<QRgb, int> histogram;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            ++histogram[line[x] | 0xff000000u];
        }
    }
    std::vector<Box> boxes(1);
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) {
        boxes[0].colours.push_back({it.key(), it.value()});
    }
    // The hash's order changes from run to run; a fixed order keeps the output reproducible.
    std::sort(boxes[0].colours.begin(), boxes[0].colours.end(),
              [](const WeightedColour& a, const WeightedColour& b) { return a.colour < b.colour; });

    while (int(boxes.size()) < colourCount) {
        // Split the box whose colours spread widest, weighted by how many pixels it holds.
        int chosen = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            const double score =
                double(boxes[i].WidestChannel().second) * std::sqrt(double(boxes[i].Weight()));
            if (score > bestScore) {
                bestScore = score;
                chosen = i;
            }
        }
        if (chosen < 0) {
            break;
        }
        Box& box = boxes[chosen];
        const int channel = box.WidestChannel().first;
        std::stable_sort(box.colours.begin(), box.colours.end(),
                         [&](const WeightedColour& a, const WeightedColour& b) {
                             return box.Channel(a.colour, channel) < box.Channel(b.colour, channel);
                         });
        const qint64 half = box.Weight() / 2;
        qint64 running = 0;
        std::size_t split = 1;
        for (std::size_t i = 0; i + 1 < box.colours.size(); ++i) {
            running += box.colours[i].count;
            split = i + 1;
            if (running >= half) {
                break;
            }
        }
        Box upper;
        upper.colours.assign(box.colours.begin() + std::ptrdiff_t(split), box.colours.end());
        box.colours.resize(split);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> palette;
    for (const Box& box : boxes) {
        palette.append(box.Average());
    }
    return palette;
}

QImage CPaletteQuantizer::Quantize(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> fixed = FixedColours();
    const int freeEntries = kLastFreeEntry - kFirstFreeEntry + 1;
    QList<QRgb> own = MedianCut(source, freeEntries);
    while (own.size() < freeEntries) {
        own.append(qRgb(0, 0, 0));
    }

    QList<QRgb> table;
    table.append(fixed.mid(0, kFirstFreeEntry));
    table.append(own);
    table.append(fixed.mid(kFirstFreeEntry));

    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(table);
    QHash<QRgb, uchar> nearest;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto found = nearest.constFind(colour);
            if (found == nearest.cend()) {
                int best = 0;
                int bestDistance = INT_MAX;
                for (int i = 0; i < table.size(); ++i) {
                    const int d = Distance(colour, table[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                found = nearest.insert(colour, uchar(best));
            }
            out[x] = *found;
        }
    }
    return result;
}
