// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <QString>

namespace forms {
class Label;
}

// The makers' line at the end of both window captions.
inline QString MakersCredit()
{
    return QStringLiteral("Ein Lehrprogramm zur additiven Farbmischung");
}

// Four panels explaining the hue circle, the disc and the cylinder.
class frmInfoRundali : public forms::Form
{
    Q_OBJECT

public:
    frmInfoRundali();

    forms::Label *Label1;
    forms::Label *Label3;
    forms::Label *Label2;
    forms::Label *Label4;
};
