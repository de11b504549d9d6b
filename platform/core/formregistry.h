// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "loadedforms.h"

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace forms {

// The program-wide instance of each form class, created and loaded on first use. An
// unloaded form is kept, hidden, until no handler is running, so that no handler ever
// runs on a destroyed form.
class FormRegistry
{
public:
    template<class T>
    static T &instance()
    {
        watchForms();
        Form *&slot = instanceByClass()[std::type_index(typeid(T))];
        if (!slot) {
            auto form = std::make_unique<T>();
            slot = form.get();
            createdForms().push_back(std::move(form));
        }
        T &form = static_cast<T &>(*slot);
        form.Load();
        return form;
    }

    // The loaded instance, or nullptr.
    template<class T>
    static T *find()
    {
        auto it = instanceByClass().find(std::type_index(typeid(T)));
        return it == instanceByClass().end() ? nullptr : static_cast<T *>(it->second);
    }

    // Unloads the instance; nothing happens when it is not loaded.
    template<class T>
    static void unload()
    {
        if (T *form = find<T>())
            form->Unload();
    }

    static int loadedCount() { return static_cast<int>(LoadedForms::instance().forms().size()); }

    // Deletes the unloaded forms once no handler is running.
    static void scheduleCollect();
    static void collect();
    // Unloads and deletes every form; for the end of the program and between tests.
    static void destroyAll();

    // Whether the last form was unloaded, which ends the program.
    static bool programEnded() { return LoadedForms::instance().programEnded(); }
    static void resetProgramEnded() { LoadedForms::instance().resetProgramEnded(); }

private:
    // Listens for unloaded forms and for the end of the outermost handler; once.
    static void watchForms();
    static void forgetUnloadedInstances();
    static std::map<std::type_index, Form *> &instanceByClass();
    // The forms the registry created, and deletes once they are unloaded.
    static std::vector<std::unique_ptr<Form>> &createdForms();
};

} // namespace forms
