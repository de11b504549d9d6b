// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <memory>
#include <string>

namespace forms {
class Label;
class PanelFlow;
} // namespace forms

// Five panels explaining the colour cube.
class frmInfoTessaro : public forms::Form
{
public:
    frmInfoTessaro();
    ~frmInfoTessaro() override;

    forms::Label *Label1;
    forms::Label *Label3;
    forms::Label *Label2;
    forms::Label *Label4;
    forms::Label *Label5;

private:
    std::unique_ptr<forms::PanelFlow> m_panelFlow;
};
