#pragma once

#include "Form.h"

#include <typeinfo>

// The registry of the program's screens. Each exists at most once; asking for
// one that is not loaded creates it and runs its Form_Load.
namespace Screens {

Form* Find(const std::type_info& type);
void Register(const std::type_info& type, Form* form);

template <class T>
T& Get()
{
    if (Form* loaded = Find(typeid(T)))
        return static_cast<T&>(*loaded);
    auto* form = new T;
    Register(typeid(T), form);
    form->Form_Load();
    return *form;
}

template <class T>
bool IsLoaded()
{
    return Find(typeid(T)) != nullptr;
}

// Loads the screen as Get does, handing it what it is about (a student, a
// test) through `prepare` before its Form_Load runs. A screen loaded
// already is returned as it is.
template <class T, class Prepare>
T& Load(Prepare&& prepare)
{
    if (Form* loaded = Find(typeid(T)))
        return static_cast<T&>(*loaded);
    auto* form = new T;
    Register(typeid(T), form);
    prepare(*form);
    form->Form_Load();
    return *form;
}

// Loads the screen if needed and shows it modeless.
template <class T>
void Show()
{
    Get<T>().Show();
}

template <class T>
void Hide()
{
    if (Form* loaded = Find(typeid(T)))
        loaded->Hide();
}

// Runs the screen's Form_QueryUnload, then discards it; its next use loads it
// afresh. Unloading a screen that is already being unloaded does nothing.
void Unload(Form& form);

template <class T>
void Unload()
{
    if (Form* loaded = Find(typeid(T)))
        Unload(*loaded);
}

// Shows `form` modally; returns when it is hidden or unloaded.
void ShowModal(Form& form);

// Deletes every screen at once without running any handler (program end, tests).
void DiscardAll();

}
