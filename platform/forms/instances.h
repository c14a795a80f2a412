#pragma once
// The program's form instances: a default instance per single-instance form class, made and
// loaded on first use, and new instances for windows opened one per occasion. Both kinds are
// released once unloaded and no handler runs; a default instance used again afterwards is a
// fresh one with its designer values.
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/forms/form.h"

namespace qv::forms {

namespace detail {
Form* findDefault(std::type_index t);
Form& adoptDefault(std::type_index t, std::unique_ptr<Form> f);
Form& adoptInstance(std::unique_ptr<Form> f);
void formUnloaded(Form& f);
void initialise(Form& f);
}  // namespace detail

// The default instance, made (Initialize) and loaded (Load) on first use.
template <class F>
F& Default() {
    Form* f = detail::findDefault(typeid(F));
    if (f == nullptr) {
        Form& made = detail::adoptDefault(typeid(F), std::make_unique<F>());
        detail::initialise(made);
        f = &made;
    }
    Load(*f);
    return static_cast<F&>(*f);
}

// Whether the default instance is loaded, or shown; neither makes nor loads it.
template <class F>
bool IsLoaded() {
    Form* f = detail::findDefault(typeid(F));
    return f != nullptr && f->loaded();
}
template <class F>
bool IsVisible() {
    Form* f = detail::findDefault(typeid(F));
    return f != nullptr && f->loaded() && f->Visible();
}

// A new instance, initialised and loaded (as the first touch of a new window loads it).
template <class F, class... Args>
F& New(Args&&... args) {
    Form& f = detail::adoptInstance(std::make_unique<F>(std::forward<Args>(args)...));
    detail::initialise(f);
    Load(f);
    return static_cast<F&>(f);
}

// Every loaded form, default instances and new ones.
std::vector<Form*> LoadedForms();
// Ends the program's forms at once: no QueryUnload, Unload or Terminate runs; timers stop.
void End();
bool ended();
// Releases every instance and clears the ended state (between tests).
void resetForms();

}  // namespace qv::forms
