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

// The makers' line at the end of both window captions.
inline std::string MakersCredit()
{
    return "Ein Lehrprogramm zur additiven Farbmischung";
}

// Four panels explaining the hue circle, the disc and the cylinder.
class frmInfoRundali : public forms::Form
{
public:
    frmInfoRundali();
    ~frmInfoRundali() override;

    forms::Label *Label1;
    forms::Label *Label3;
    forms::Label *Label2;
    forms::Label *Label4;

private:
    std::unique_ptr<forms::PanelFlow> m_panelFlow;
};
