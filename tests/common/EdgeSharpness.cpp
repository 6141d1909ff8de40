#include "EdgeSharpness.h"

#include <QImage>
#include <QList>

#include <algorithm>
#include <cstdlib>
#include <functional>

double EdgeSteepness(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QList<int> steps;
    steps.reserve(qsizetype(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 1; x < rgb.width(); ++x)
            steps.append(std::abs(qGray(row[x]) - qGray(row[x - 1])));
    }
    if (steps.isEmpty())
        return 0;
    const qsizetype top = std::max<qsizetype>(1, steps.size() / 100);
    std::nth_element(steps.begin(), steps.begin() + (top - 1), steps.end(), std::greater<>());
    double sum = 0;
    for (qsizetype i = 0; i < top; ++i)
        sum += steps[i];
    return sum / double(top);
}
