#pragma once

#include "form.h"

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace forms {

// The program-wide instance of each form class, created and loaded on first use.
// The program ends when no form is loaded. An unloaded form is kept, hidden, until
// no handler is running, so that no handler ever runs on a destroyed form.
class FormRegistry
{
public:
    template<class T>
    static T &instance()
    {
        Form *&slot = defaults()[std::type_index(typeid(T))];
        if (!slot) {
            auto form = std::make_unique<T>();
            slot = form.get();
            owned().push_back(std::move(form));
        }
        T &form = static_cast<T &>(*slot);
        form.Load();
        return form;
    }

    // The loaded instance, or nullptr.
    template<class T>
    static T *find()
    {
        auto it = defaults().find(std::type_index(typeid(T)));
        return it == defaults().end() ? nullptr : static_cast<T *>(it->second);
    }

    // Unloads the instance; nothing happens when it is not loaded.
    template<class T>
    static void unload()
    {
        if (T *form = find<T>())
            form->Unload();
    }

    static void formLoaded(Form *form);
    static void formUnloaded(Form *form);
    static void formDestroyed(Form *form);
    static int loadedCount();

    // Deletes the unloaded forms once no handler is running.
    static void scheduleCollect();
    static void collect();
    // Unloads and deletes every form; for the end of the program and between tests.
    static void destroyAll();

    // Whether the last form was unloaded, which ends the program.
    static bool programEnded() { return s_programEnded; }
    static void resetProgramEnded() { s_programEnded = false; }

private:
    static void forget(Form *form);
    static std::map<std::type_index, Form *> &defaults();
    static std::vector<std::unique_ptr<Form>> &owned();
    static std::vector<Form *> &loaded();

    static inline bool s_programEnded = false;
};

} // namespace forms
