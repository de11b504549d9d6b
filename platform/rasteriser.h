#pragma once

#include <QRect>

#include <cstdint>
#include <utility>
#include <vector>

namespace forms {

// Fills round dots and wide lines into a 32-bit pixel buffer, exactly, without
// blending. A pixel belongs to a dot when its centre lies within half the diameter
// of the dot's centre; the centre sits on a pixel corner for even diameters and on a
// pixel centre for odd ones, so every dot of one diameter has the same shape and is
// exactly that many pixels across. Coordinates are continuous device pixels.
class Rasteriser
{
public:
    Rasteriser(std::uint32_t *bits, int width, int height, qsizetype stridePixels);

    // Returns the rectangle of pixels written (empty where the dot misses the buffer).
    QRect dot(double x, double y, int diameter, std::uint32_t pixel);
    // A line of the given width: dots stamped at steps of at most one pixel.
    QRect line(double x1, double y1, double x2, double y2, int width, std::uint32_t pixel);

    // The pixel rows of a dot of this diameter: [begin, end) columns for each row,
    // relative to the dot's bounding box.
    static const std::vector<std::pair<int, int>> &spans(int diameter);

private:
    std::uint32_t *m_bits;
    int m_width;
    int m_height;
    qsizetype m_stride;
};

} // namespace forms
