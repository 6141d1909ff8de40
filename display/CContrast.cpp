#include "CContrast.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMixSteps = 64;

double Linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double share)
{
    auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}
} // namespace

double CContrast::Luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double CContrast::Ratio(const QColor& first, const QColor& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor CContrast::Legible(const QColor& preferred, const QColor& background, double minimum)
{
    if (Ratio(preferred, background) >= minimum)
        return preferred;
    // Away from the background: towards white on a dark one, towards black on a light one.
    const bool darkBackground = Ratio(background, Qt::black) < Ratio(background, Qt::white);
    const QColor target = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step <= kMixSteps; ++step) {
        const QColor mixed = Mix(preferred.toRgb(), target, double(step) / kMixSteps);
        if (Ratio(mixed, background) >= minimum)
            return mixed;
    }
    return target;
}
