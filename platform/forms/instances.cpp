#include "platform/forms/instances.h"

#include <algorithm>
#include <map>

#include "platform/forms/runtime.h"

namespace qv::forms {
namespace {

struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> defaults;
    std::vector<std::unique_ptr<Form>> instances;
    std::vector<std::unique_ptr<Form>> unloadedDefaults;  // replaced, waiting for release
    bool ended = false;
};

Registry& registry() {
    static Registry r;
    return r;
}

void release(Form* f) {
    auto& r = registry();
    auto drop = [&](std::vector<std::unique_ptr<Form>>& v) {
        auto it = std::find_if(v.begin(), v.end(), [&](auto& p) { return p.get() == f; });
        if (it == v.end()) return false;
        std::unique_ptr<Form> owned = std::move(*it);
        v.erase(it);
        if (owned->loaded()) {  // loaded again before its release: keep it
            v.push_back(std::move(owned));
            return true;
        }
        HandlerScope scope;
        owned->Form_Terminate();
        return true;
    };
    if (drop(r.instances) || drop(r.unloadedDefaults)) return;
    for (auto it = r.defaults.begin(); it != r.defaults.end(); ++it) {
        if (it->second.get() != f) continue;
        if (f->loaded()) return;
        std::unique_ptr<Form> owned = std::move(it->second);
        r.defaults.erase(it);
        HandlerScope scope;
        owned->Form_Terminate();
        return;
    }
}

}  // namespace

namespace detail {

Form* findDefault(std::type_index t) {
    auto& r = registry();
    auto it = r.defaults.find(t);
    if (it == r.defaults.end()) return nullptr;
    if (!it->second->loaded()) {
        // Unloaded and waiting for its release: the next use gets a fresh instance.
        r.unloadedDefaults.push_back(std::move(it->second));
        r.defaults.erase(it);
        return nullptr;
    }
    return it->second.get();
}

Form& adoptDefault(std::type_index t, std::unique_ptr<Form> f) {
    Form& ref = *f;
    registry().defaults[t] = std::move(f);
    return ref;
}

Form& adoptInstance(std::unique_ptr<Form> f) {
    Form& ref = *f;
    registry().instances.push_back(std::move(f));
    return ref;
}

void initialise(Form& f) {
    HandlerScope scope;
    f.Form_Initialize();
}

// Called by Unload for every form: an owned one is released once no handler runs.
void formUnloaded(Form& f) {
    auto& r = registry();
    bool owned = std::any_of(r.instances.begin(), r.instances.end(), [&](auto& p) { return p.get() == &f; });
    for (auto& [t, p] : r.defaults) owned = owned || p.get() == &f;
    if (!owned || r.ended) return;
    Form* ptr = &f;
    releaseLater([ptr] { release(ptr); });
}

}  // namespace detail

std::vector<Form*> LoadedForms() {
    std::vector<Form*> out;
    auto& r = registry();
    for (auto& [t, p] : r.defaults)
        if (p->loaded()) out.push_back(p.get());
    for (auto& p : r.instances)
        if (p->loaded()) out.push_back(p.get());
    return out;
}

namespace {
void dropAll() {
    auto& r = registry();
    // Moved out first: a form's destructor may still look at the registry.
    auto defaults = std::move(r.defaults);
    auto instances = std::move(r.instances);
    auto unloaded = std::move(r.unloadedDefaults);
    r.defaults.clear();
    r.instances.clear();
    r.unloadedDefaults.clear();
}
}  // namespace

void End() {
    auto& r = registry();
    r.ended = true;
    resetRuntime();
    // Destroyed without events once the handler that ended the program has returned.
    if (handlerDepth() == 0)
        dropAll();
    else
        releaseLater(dropAll);
}

bool ended() { return registry().ended; }

void resetForms() {
    End();
    registry().ended = false;
}

}  // namespace qv::forms
