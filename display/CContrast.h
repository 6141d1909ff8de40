#pragma once

#include <QColor>

// Contrast between two colours as the accessibility guidelines measure it (1:1 to 21:1), and
// colours made to keep a contrast on whatever background the desktop's colour scheme gives.
class CContrast
{
public:
    // Lines and cell borders must stand out this much from their background; text this much.
    static constexpr double kLines = 3.0;
    static constexpr double kText = 4.5;

    // The relative luminance of a colour: 0 for black, 1 for white.
    static double Luminance(const QColor& colour);
    // (lighter + 0.05) / (darker + 0.05).
    static double Ratio(const QColor& first, const QColor& second);
    // The preferred colour when it has the contrast on this background; otherwise the same
    // colour mixed with white (on a dark background) or black (on a light one), just enough.
    static QColor Legible(const QColor& preferred, const QColor& background, double minimum);
};
