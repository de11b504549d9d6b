#pragma once

namespace forms {

// Lets the event loop handle all pending input, then returns. Re-entrant: a handler
// started in here may yield again itself. It also shows what has been drawn; with
// pacing on it lasts at least one screen refresh, handling input while it waits.
void DoEvents();

// Shows what has been drawn without handling input; with pacing on it waits for the
// next screen refresh.
void ShowProgress();

// The steady pace at which drawing is presented. On in the programs; tests and the
// benchmark switch it off.
class Pacing
{
public:
    static bool enabled() { return s_enabled; }
    static void setEnabled(bool on) { s_enabled = on; }
    static int frameMilliseconds();

private:
    static inline bool s_enabled = true;
};

} // namespace forms
