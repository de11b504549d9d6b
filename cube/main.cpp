// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "application.h"
#include "formregistry.h"

int main(int argc, char *argv[])
{
    return forms::RunProgram(argc, argv, {"Tessaro", "de.farbenlehre.Tessaro"},
                             [] { forms::FormRegistry::instance<frmTessaro>().Show(); });
}
