// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "webcontrol.h"

namespace forms {
class ProbeArea;
}

namespace forms::web {

// A probe area: an element over part of a surface that the keyboard explores; the
// pointer passes through it.
class WebProbeArea final : public WebControl<ProbeAreaPeer>
{
public:
    WebProbeArea(ProbeArea &area, int window);

    void setVisible(bool visible) override;

    bool key(const KeyPress &press) override;
    void focusChanged() override;

private:
    ProbeArea &m_area;
};

} // namespace forms::web
