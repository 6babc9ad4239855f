#include "platform/numbers.h"

#include <cmath>

namespace platform {

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // default rounding mode is to nearest even
}

QString zeroPadded(int value, int width) {
    const QString digits = QString::number(std::abs(static_cast<long long>(value)));
    const QString padded = digits.rightJustified(width, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + padded : padded;
}

int twipsToPixels(int twips) {
    return roundHalfEven(twips / 15.0);
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The tolerance keeps products such as 311 x 1.1 from tipping over a whole number.
int deviceCoordinate(int logical, double ratio) {
    return static_cast<int>(std::floor(logical * ratio + 1e-6));
}

int devicePixels(int logical, double ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

} // namespace platform
