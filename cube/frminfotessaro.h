// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

namespace forms {
class Label;
}

// Five panels explaining the colour cube.
class frmInfoTessaro : public forms::Form
{
    Q_OBJECT

public:
    frmInfoTessaro();

    forms::Label *Label1;
    forms::Label *Label3;
    forms::Label *Label2;
    forms::Label *Label4;
    forms::Label *Label5;
};
