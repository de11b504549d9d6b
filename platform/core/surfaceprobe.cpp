// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surfaceprobe.h"

namespace forms {

namespace {
constexpr int TenSteps = 10;
}

void SurfaceProbe::set(std::vector<ProbeGrid> grids)
{
    m_walk = ProbeWalk(std::move(grids));
}

bool SurfaceProbe::open()
{
    if (m_open || isEmpty())
        return false;
    m_open = true;
    return true;
}

SurfaceProbe::Action SurfaceProbe::key(const KeyPress &press)
{
    if (!m_open || press.command)
        return Action::NotMine;
    const int stride = press.shift ? TenSteps : 1;
    bool moved = false;
    using Key = KeyPress::Key;
    switch (press.key) {
    case Key::Left:
        moved = m_walk.step(-stride, 0);
        break;
    case Key::Right:
        moved = m_walk.step(stride, 0);
        break;
    case Key::Up:
        moved = m_walk.step(0, stride);
        break;
    case Key::Down:
        moved = m_walk.step(0, -stride);
        break;
    case Key::PageUp:
        moved = m_walk.step(0, TenSteps);
        break;
    case Key::PageDown:
        moved = m_walk.step(0, -TenSteps);
        break;
    case Key::Home:
        moved = m_walk.toRowEnd(false);
        break;
    case Key::End:
        moved = m_walk.toRowEnd(true);
        break;
    case Key::Return:
    case Key::Enter:
    case Key::Space:
        // Held down, the key lays one cut, as a held button clicks once.
        return press.autoRepeat ? Action::Stayed : Action::Press;
    default:
        return Action::NotMine;
    }
    return moved ? Action::Moved : Action::Stayed;
}

} // namespace forms
