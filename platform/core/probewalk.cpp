// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "probewalk.h"

#include "maths.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace forms {

namespace {

// An index of a line of count points moved at least inset in from either end.
int inFrom(int index, int count, int inset)
{
    const int margin = std::clamp(inset, 0, (count - 1) / 2);
    return std::clamp(index, margin, count - 1 - margin);
}

} // namespace

ProbeWalk::ProbeWalk(std::vector<ProbeGrid> grids) : m_grids(std::move(grids))
{
    if (!m_grids.empty())
        moveTo(0, m_grids.front().columns / 2, m_grids.front().rows / 2);
}

PointF ProbeWalk::pointOf(int grid, double column, double row) const
{
    const ProbeGrid &lattice = m_grids[static_cast<std::size_t>(grid)];
    return lattice.first + column * lattice.right + row * lattice.up;
}

PointF ProbeWalk::point() const
{
    return m_grids.empty() ? PointF() : pointOf(m_grid, m_column, m_row);
}

void ProbeWalk::moveTo(int grid, int column, int row)
{
    if (m_grids.empty())
        return;
    m_grid = std::clamp(grid, 0, static_cast<int>(m_grids.size()) - 1);
    const ProbeGrid &lattice = m_grids[static_cast<std::size_t>(m_grid)];
    m_column = std::clamp(column, 0, lattice.columns - 1);
    m_row = std::clamp(row, 0, lattice.rows - 1);
}

bool ProbeWalk::step(int right, int up)
{
    if (m_grids.empty())
        return false;
    const ProbeGrid &lattice = m_grids[static_cast<std::size_t>(m_grid)];
    const int column = m_column + right;
    const int row = m_row + up;
    if (column >= 0 && column < lattice.columns && row >= 0 && row < lattice.rows) {
        m_column = column;
        m_row = row;
        return true;
    }

    // Off the edge: the point of another lattice nearest to where the step leads, if it
    // lies within a step of there and is not the point the probe stands on.
    const PointF wanted = pointOf(m_grid, column, row);
    const PointF here = point();
    const PointF stride = right * lattice.right + up * lattice.up;
    const double reach = maths::Hypot(stride.x(), stride.y()) * 1.5;
    double nearest = std::numeric_limits<double>::infinity();
    int found = -1;
    int foundColumn = 0;
    int foundRow = 0;
    for (int other = 0; other < static_cast<int>(m_grids.size()); ++other) {
        if (other == m_grid)
            continue;
        const ProbeGrid &next = m_grids[static_cast<std::size_t>(other)];
        // wanted = first + a * right + b * up, solved for a and b.
        const PointF offset = wanted - next.first;
        const double det = next.right.x() * next.up.y() - next.right.y() * next.up.x();
        if (det == 0)
            continue;
        const double a = (offset.x() * next.up.y() - offset.y() * next.up.x()) / det;
        const double b = (next.right.x() * offset.y() - next.right.y() * offset.x()) / det;
        for (const double ca : {std::floor(a), std::ceil(a)}) {
            for (const double cb : {std::floor(b), std::ceil(b)}) {
                const int c = std::clamp(static_cast<int>(ca), 0, next.columns - 1);
                const int r = std::clamp(static_cast<int>(cb), 0, next.rows - 1);
                const PointF candidate = pointOf(other, c, r);
                const double distance = maths::Hypot(candidate.x() - wanted.x(), candidate.y() - wanted.y());
                if (distance > reach || distance >= nearest)
                    continue;
                const int landColumn = inFrom(c, next.columns, next.inset);
                const int landRow = inFrom(r, next.rows, next.inset);
                // A point of another lattice on the very same spot is where it stands.
                if (nearlySame(pointOf(other, landColumn, landRow), here))
                    continue;
                nearest = distance;
                found = other;
                foundColumn = landColumn;
                foundRow = landRow;
            }
        }
    }
    if (found >= 0) {
        moveTo(found, foundColumn, foundRow);
        return true;
    }
    const int oldColumn = m_column;
    const int oldRow = m_row;
    moveTo(m_grid, column, row);
    return m_column != oldColumn || m_row != oldRow;
}

bool ProbeWalk::toRowEnd(bool last)
{
    if (m_grids.empty())
        return false;
    const int column = last ? m_grids[static_cast<std::size_t>(m_grid)].columns - 1 : 0;
    const bool moved = column != m_column;
    m_column = column;
    return moved;
}

} // namespace forms
