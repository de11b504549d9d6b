#include "rasteriser.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace forms {

Rasteriser::Rasteriser(std::uint32_t *bits, int width, int height, qsizetype stridePixels)
    : m_bits(bits), m_width(width), m_height(height), m_stride(stridePixels)
{
}

const std::vector<std::pair<int, int>> &Rasteriser::spans(int diameter)
{
    diameter = std::max(diameter, 1);
    static std::map<int, std::vector<std::pair<int, int>>> cache;
    static int lastDiameter = 0;
    static const std::vector<std::pair<int, int>> *last = nullptr;
    if (diameter == lastDiameter)
        return *last;

    auto [it, inserted] = cache.try_emplace(diameter);
    if (inserted) {
        const double radius = diameter / 2.0;
        for (int row = 0; row < diameter; ++row) {
            const double dy = row + 0.5 - radius;
            int begin = diameter;
            int end = 0;
            for (int column = 0; column < diameter; ++column) {
                const double dx = column + 0.5 - radius;
                if (dx * dx + dy * dy <= radius * radius) {
                    begin = std::min(begin, column);
                    end = column + 1;
                }
            }
            it->second.emplace_back(begin, std::max(begin, end));
        }
    }
    lastDiameter = diameter;
    last = &it->second;
    return *last;
}

QRect Rasteriser::dot(double x, double y, int diameter, std::uint32_t pixel)
{
    diameter = std::max(diameter, 1);
    const double offset = 0.5 - diameter / 2.0;
    const double left = std::floor(x + offset);
    const double top = std::floor(y + offset);
    if (!(left < m_width && top < m_height && left + diameter > 0 && top + diameter > 0))
        return {};
    const int boxLeft = static_cast<int>(left);
    const int boxTop = static_cast<int>(top);

    const auto &rows = spans(diameter);
    const int firstRow = std::max(0, -boxTop);
    const int lastRow = std::min(diameter, m_height - boxTop);
    int minX = m_width;
    int maxX = -1;
    for (int row = firstRow; row < lastRow; ++row) {
        const int begin = std::max(boxLeft + rows[row].first, 0);
        const int end = std::min(boxLeft + rows[row].second, m_width);
        if (begin >= end)
            continue;
        std::fill(m_bits + (boxTop + row) * m_stride + begin,
                  m_bits + (boxTop + row) * m_stride + end, pixel);
        minX = std::min(minX, begin);
        maxX = std::max(maxX, end - 1);
    }
    if (maxX < minX)
        return {};
    return QRect(QPoint(minX, boxTop + firstRow), QPoint(maxX, boxTop + lastRow - 1));
}

QRect Rasteriser::line(double x1, double y1, double x2, double y2, int width, std::uint32_t pixel)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)))));
    QRect touched;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        touched |= dot(x1 + dx * t, y1 + dy * t, width, pixel);
    }
    return touched;
}

} // namespace forms
