// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal.h"

#include <vector>

namespace forms {

class Form;

// The forms that are loaded, in the order they were loaded. Forms report their own
// loading and unloading here; this unit keeps the list and reports when the last
// one is unloaded, which ends the program. It neither creates nor deletes forms.
class LoadedForms
{
public:
    static LoadedForms &instance();

    void add(Form *form);
    // Reports the unloading, and the end of the program when it was the last form.
    void remove(Form *form);
    // A form destroyed while loaded leaves quietly.
    void forget(Form *form);
    const std::vector<Form *> &forms() const { return m_forms; }

    // Whether the last form was unloaded.
    bool programEnded() const { return m_programEnded; }
    void resetProgramEnded() { m_programEnded = false; }

    Signal<> formUnloaded;
    Signal<> lastFormUnloaded;

private:
    LoadedForms() = default;

    std::vector<Form *> m_forms;
    bool m_programEnded = false;
};

} // namespace forms
