// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmrundali.h"

#include "application.h"
#include "formregistry.h"

int main(int argc, char *argv[])
{
    return forms::RunProgram(argc, argv, {"Tubarin", "de.farbenlehre.Tubarin"},
                             [] { forms::FormRegistry::instance<frmRundali>().Show(); });
}
