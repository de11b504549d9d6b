// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pacing.h"

namespace forms {

// Lets the event loop handle all pending input, then returns. Re-entrant: a handler
// started in here may yield again itself. It also presents what has been drawn; with
// pacing on it lasts at least one screen refresh, handling input while it waits.
void DoEvents();

} // namespace forms
