#include "devicepixels.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace forms {

int devicePixelAt(double logical, double ratio)
{
    const double inverse = 1 / ratio;
    const auto corner = [ratio, inverse](double device) { return std::min(device / ratio, device * inverse); };
    // The product is off by a rounding at most, so one step either way finds the pixel.
    int pixel = static_cast<int>(std::floor(logical * ratio));
    if (corner(pixel) > logical)
        --pixel;
    else if (corner(pixel + 1.0) <= logical)
        ++pixel;
    return pixel;
}

QPoint devicePixelAt(QPointF logical, double ratio)
{
    return {devicePixelAt(logical.x(), ratio), devicePixelAt(logical.y(), ratio)};
}

QRect deviceArea(const QRect &logical, double ratio)
{
    // The corners are mapped, not the origin and the size, as Qt maps a clip region.
    const QPoint topLeft(qRound(logical.left() * ratio), qRound(logical.top() * ratio));
    const QPoint farCorner(qRound((logical.left() + logical.width()) * ratio),
                           qRound((logical.top() + logical.height()) * ratio));
    return QRect(topLeft, farCorner - QPoint(1, 1));
}

} // namespace forms
