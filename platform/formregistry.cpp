#include "formregistry.h"

#include "application.h"
#include "handlerscope.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace forms {

std::map<std::type_index, Form *> &FormRegistry::defaults()
{
    static std::map<std::type_index, Form *> forms;
    return forms;
}

std::vector<std::unique_ptr<Form>> &FormRegistry::owned()
{
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}

std::vector<Form *> &FormRegistry::loaded()
{
    static std::vector<Form *> forms;
    return forms;
}

void FormRegistry::formLoaded(Form *form)
{
    loaded().push_back(form);
}

void FormRegistry::formDestroyed(Form *form)
{
    forget(form);
}

void FormRegistry::forget(Form *form)
{
    auto &forms = loaded();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
    for (auto it = defaults().begin(); it != defaults().end(); ++it) {
        if (it->second == form) {
            defaults().erase(it);
            break;
        }
    }
}

void FormRegistry::formUnloaded(Form *form)
{
    forget(form);
    auto &forms = loaded();
    scheduleCollect();
    if (forms.empty()) {
        s_programEnded = true;
        // Only a forms program's own application ends; a test harness carries on.
        if (qobject_cast<Application *>(QCoreApplication::instance()))
            QCoreApplication::exit(0);
    }
}

int FormRegistry::loadedCount()
{
    return static_cast<int>(loaded().size());
}

void FormRegistry::scheduleCollect()
{
    const auto &forms = owned();
    const bool anyUnloaded = std::any_of(forms.begin(), forms.end(),
                                         [](const auto &form) { return !form->IsLoaded(); });
    if (anyUnloaded && QCoreApplication::instance())
        QTimer::singleShot(0, &FormRegistry::collect);
}

void FormRegistry::collect()
{
    if (HandlerScope::anyRunning())
        return;
    auto &forms = owned();
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
    for (Form *form : std::vector<Form *>(loaded()))
        form->Unload();
    loaded().clear();
    defaults().clear();
    owned().clear();
}

} // namespace forms
