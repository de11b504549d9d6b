// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formregistry.h"

#include "frontend.h"
#include "handlerscope.h"

#include <algorithm>

namespace forms {

std::map<std::type_index, Form *> &FormRegistry::instanceByClass()
{
    static std::map<std::type_index, Form *> forms;
    return forms;
}

std::vector<std::unique_ptr<Form>> &FormRegistry::createdForms()
{
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}

void FormRegistry::watchForms()
{
    static const bool watching = [] {
        LoadedForms::instance().formUnloaded.connect(&FormRegistry::forgetUnloadedInstances);
        HandlerScope::outermostEnded().connect(&FormRegistry::scheduleCollect);
        return true;
    }();
    static_cast<void>(watching);
}

void FormRegistry::forgetUnloadedInstances()
{
    // The next use of the class creates a new instance.
    std::erase_if(instanceByClass(), [](const auto &entry) { return !entry.second->IsLoaded(); });
    scheduleCollect();
}

void FormRegistry::scheduleCollect()
{
    const auto &forms = createdForms();
    const bool anyUnloaded = std::any_of(forms.begin(), forms.end(),
                                         [](const auto &form) { return !form->IsLoaded(); });
    if (anyUnloaded && FrontEnd::exists())
        FrontEnd::current().post(&FormRegistry::collect);
}

void FormRegistry::collect()
{
    if (HandlerScope::anyRunning())
        return;
    auto &forms = createdForms();
    std::vector<std::unique_ptr<Form>> retired;
    for (auto &form : forms)
        if (!form->IsLoaded())
            retired.push_back(std::move(form));
    forms.erase(std::remove(forms.begin(), forms.end(), nullptr), forms.end());
    retired.clear();
}

void FormRegistry::destroyAll()
{
    // Unloading may end the program; that is what is wanted here.
    for (Form *form : std::vector<Form *>(LoadedForms::instance().forms()))
        form->Unload();
    instanceByClass().clear();
    createdForms().clear();
}

} // namespace forms
