#pragma once
// A control array: controls of one kind sharing a name, told apart by Index (chkAct(0),
// chkAct(1), ...). Elements come from the design or from Load(index) at run time; their events
// reach the array's handlers with the element's index first.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace qv::forms {

template <class T>
class ControlArray {
public:
    ControlArray(Form& owner, std::string name) : form_(&owner), name_(std::move(name)) {
        form_->registerArray({name_, &ControlArray::createThunk, this});
    }
    ~ControlArray() { form_->unregisterArray(this); }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The element of that index; a missing one is error 340.
    T& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end())
            throw base::BasicError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
        return *it->second;
    }
    bool exists(int index) const { return items_.count(index) != 0; }
    int Count() const { return static_cast<int>(items_.size()); }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::vector<int> indexes() const {
        std::vector<int> out;
        for (auto& [i, c] : items_) out.push_back(i);
        return out;
    }

    // A new element at run time, with its kind's defaults and hidden, as a loaded element
    // starts; the caller places it. An index in use is error 360.
    T& Load(int index) {
        if (exists(index)) throw base::BasicError(360, "Object already loaded");
        T& c = create(index);
        c.Visible(false);
        // On a loaded form the element gets its window and starts at once (a timer counts, a
        // user control sites).
        if (form_->loaded()) {
            c.attachWindow();
            c.designApplied();
        }
        return c;
    }
    void Unload(int index) {
        auto it = items_.find(index);
        if (it == items_.end()) throw base::BasicError(340, "Control array element doesn't exist");
        items_.erase(it);
    }

    // Wires an event of every element, present and future, to a handler taking the index first:
    //   chkAct.on(&CheckBox::Click, [this](int i) { chkAct_Click(i); });
    template <class M, class... A, class H>
    void on(Event<A...> M::*event, H handler) {
        static_assert(std::is_base_of_v<M, T>);
        auto wire = [event, h = std::function<void(int, A...)>(handler)](T& c, int index) {
            (c.*event) = [h, index](A... a) { h(index, a...); };
        };
        wirings_.push_back(wire);
        for (auto& [i, c] : items_) wire(*c, i);
    }

private:
    static Control* createThunk(void* self, int index) { return &static_cast<ControlArray*>(self)->create(index); }
    T& create(int index) {
        auto c = std::make_unique<T>(*form_, name_, index);
        T& ref = *c;
        items_[index] = std::move(c);
        for (auto& w : wirings_) w(ref, index);
        return ref;
    }

    Form* form_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> items_;
    std::vector<std::function<void(T&, int)>> wirings_;
};

}  // namespace qv::forms
