#pragma once

#include <QRect>
#include <QString>

namespace platform {

// Every conversion from a real number to an integer in both programs goes to the
// nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
int roundHalfEven(double value);

// A counter written with at least `width` digits, zeros in front ("00", "000",
// "0000" patterns); larger numbers keep all their digits, negatives keep their sign.
QString zeroPadded(int value, int width);

// A dialog measure in twips (1/1440 inch) as pixels of a 96 DPI screen, 15
// twips a pixel.
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

// Screens scaled above 100 % have `ratio` device pixels to a logical one. A
// logical coordinate falls on the device pixel deviceCoordinate() gives; a
// logical extent covers devicePixels() of them, a part-covered one counted
// whole, so pieces placed side by side at their device corners leave no gap.
int deviceCoordinate(int logical, double ratio);
int devicePixels(int logical, double ratio);

} // namespace platform
