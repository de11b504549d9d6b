// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// The steady pace at which a front end presents drawing: a yield lasts at least one
// refresh of the screen. On in the programs; tests and the benchmark switch it off.
class Pacing
{
public:
    static bool enabled() { return s_enabled; }
    static void setEnabled(bool on) { s_enabled = on; }
    // One refresh of the primary screen.
    static int frameMilliseconds();

private:
    static inline bool s_enabled = true;
};

} // namespace forms
