#pragma once

class QImage;

// How steep a picture's edges are: the mean of the steepest 1 % of the grey-level steps between
// neighbouring pixels of a row. A picture blown up from fewer pixels spreads each edge over more
// of them and scores lower than one drawn at its size.
double EdgeSteepness(const QImage& image);
