// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "point.h"

#include <vector>

namespace forms {

// How a lattice's points are painted where each has a dot of its own: dots of a width,
// column after column (from the last column back, where backwards), each column from
// its first row up, a later dot covering an earlier one. No width: the lattice says
// nothing of dots.
struct PaintedDots
{
    int drawWidth = 0;
    bool columnsBackwards = false;
};

// A lattice of points over part of a drawing surface, in the surface's user units: the
// first point, the step one press of the right arrow makes and the step one press of
// the up arrow makes, and how many points lie along each. A probe that comes over from
// another lattice lands inset steps in from the edge it crosses, clear of a border line
// drawn over the outer points; keys within the lattice still reach those.
struct ProbeGrid
{
    PointF first;
    PointF right;
    int columns = 1;
    PointF up;
    int rows = 1;
    int inset = 0;
    PaintedDots dots{};
};

// Where a keyboard probe stands on the lattices a program lays over a surface, and
// how the arrow keys move it: along its lattice, and past the lattice's edge onto the
// nearest point of a neighbouring one where the step leads there (then in by its inset). Plain arithmetic in
// user units; it knows nothing of keys, pixels or widgets.
class ProbeWalk
{
public:
    ProbeWalk() = default;
    // Starts in the middle of the first lattice.
    explicit ProbeWalk(std::vector<ProbeGrid> grids);

    bool isEmpty() const { return m_grids.empty(); }
    // The lattice the probe stands on; not for an empty walk.
    const ProbeGrid &lattice() const { return m_grids[static_cast<std::size_t>(m_grid)]; }
    void setDots(std::size_t grid, PaintedDots dots)
    {
        if (grid < m_grids.size())
            m_grids[grid].dots = dots;
    }
    int grid() const { return m_grid; }
    int column() const { return m_column; }
    int row() const { return m_row; }
    PointF point() const;

    // Moves by whole steps to the right and upwards; false if the probe stays put.
    bool step(int right, int up);
    // To the first or the last point of the row.
    bool toRowEnd(bool last);
    void moveTo(int grid, int column, int row);

private:
    PointF pointOf(int grid, double column, double row) const;

    std::vector<ProbeGrid> m_grids;
    int m_grid = 0;
    int m_column = 0;
    int m_row = 0;
};

} // namespace forms
