// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// A key as the forms take it: the few keys they act on, and the modifiers that change
// what they do. A front end turns its own key events into these.
struct KeyPress
{
    enum class Key { Other, Left, Right, Up, Down, PageUp, PageDown, Home, End, Return, Enter, Space, Escape };

    Key key = Key::Other;
    bool shift = false;
    // Control, Alt or Meta held: the forms leave the key alone.
    bool command = false;
    // Held down and repeated by the keyboard.
    bool autoRepeat = false;
};

} // namespace forms
