// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pacing.h"

namespace forms {

// Presents what has been drawn, lets the front end deliver the input that is waiting,
// and runs the handlers of what it delivered, on this stack, before it returns.
// Re-entrant: a handler started in here may yield again itself. With pacing on it
// lasts at least one screen refresh, handling input while it waits.
void DoEvents();

} // namespace forms
