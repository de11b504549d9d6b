// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadedforms.h"

#include <algorithm>

namespace forms {

LoadedForms &LoadedForms::instance()
{
    static LoadedForms forms;
    return forms;
}

void LoadedForms::add(Form *form)
{
    m_forms.push_back(form);
}

void LoadedForms::forget(Form *form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
}

void LoadedForms::remove(Form *form)
{
    forget(form);
    formUnloaded.report();
    if (m_forms.empty()) {
        m_programEnded = true;
        lastFormUnloaded.report();
    }
}

} // namespace forms
