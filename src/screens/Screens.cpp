#include "Screens.h"

#include "app/Platform.h"

#include <QPointer>
#include <map>
#include <typeindex>

namespace {

std::map<std::type_index, QPointer<Form>>& Registry()
{
    static std::map<std::type_index, QPointer<Form>> registry;
    return registry;
}

}

Form* Screens::Find(const std::type_info& type)
{
    const auto found = Registry().find(std::type_index(type));
    if (found == Registry().end())
        return nullptr;
    Form* form = found->second.data();
    return form && !form->IsUnloaded() ? form : nullptr;
}

void Screens::Register(const std::type_info& type, Form* form) { Registry()[std::type_index(type)] = form; }

void Screens::Unload(Form& form)
{
    if (form.IsUnloading() || form.IsUnloaded())
        return;
    form.MarkUnloading();
    form.Form_QueryUnload();
    form.hide();
    form.MarkUnloaded();
    for (auto it = Registry().begin(); it != Registry().end(); ++it) {
        if (it->second.data() == &form) {
            Registry().erase(it);
            break;
        }
    }
    // Deleted once control is back in the event loop: the handler that
    // unloaded the form may still be running on it.
    form.deleteLater();
}

void Screens::ShowModal(Form& form)
{
    form.MarkDialog();
    platform().RunModal(form);
}

void Screens::DiscardAll()
{
    auto registry = std::move(Registry());
    Registry().clear();
    for (auto& [type, form] : registry) {
        if (form) {
            form->MarkUnloaded();
            delete form.data();
        }
    }
}
