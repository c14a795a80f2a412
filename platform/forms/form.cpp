#include "platform/forms/form.h"

#include <algorithm>

#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"
#include "platform/forms/control.h"
#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"
#include "platform/forms/start_up_position.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

std::string& designFolderSetting() {
    static std::string folder;
    return folder;
}

int depthOf(const Control* c) {
    int d = 0;
    for (const Control* p = c->Container(); p != nullptr; p = p->Container()) ++d;
    return d;
}

}  // namespace

void setDesignFolder(std::string folder) { designFolderSetting() = std::move(folder); }

const std::string& designFolder() {
    if (designFolderSetting().empty()) designFolderSetting() = base::inProgramFolder("Forms");
    return designFolderSetting();
}

Form::Form(std::string name, std::string designName)
    : name_(std::move(name)), designName_(std::move(designName)) {}

Form::~Form() { destroyWindows(); }

void Form::Width(int w) {
    width_ = std::max(w, 0);
    changed();
    if (loaded_) Form_Resize();
}

void Form::Height(int h) {
    height_ = std::max(h, 0);
    changed();
    if (loaded_) Form_Resize();
}

void Form::Move(int left, int top, int width, int height) {
    Left(left);
    Top(top);
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    changed();
    if (loaded_) Form_Resize();
}

int Form::borderPixels() const { return BorderStyle() == 0 ? 0 : 4; }

int Form::captionPixels() const {
    if (BorderStyle() == 0) return 0;
    return BorderStyle() >= 4 ? 16 : 19;
}

int Form::ScaleWidth() const { return std::max(0, width_ - pixelsToTwips(2 * borderPixels())); }

int Form::ScaleHeight() const {
    return std::max(0, height_ - pixelsToTwips(2 * borderPixels() + captionPixels()));
}

void Form::Visible(bool v) {
    if (v)
        Show(0);
    else
        Hide();
}

void Form::Show(int modal) {
    if (!loaded_) Load(*this);
    if (!loaded_) return;  // its Load unloaded it
    bool wasVisible = visible_;
    if (!wasVisible && !placed_) {
        placed_ = true;
        placeAtStartUp(*this);
    }
    visible_ = true;
    changed();
    if (!wasVisible) {
        if (hwnd_ != 0) {
            gui::WindowSystem& ws = gui::windows();
            ws.showWindow(hwnd_, true);
            ws.setForegroundWindow(hwnd_);
        }
        HandlerScope scope;
        notifyShown();
        Form_Activate();
    }
    if (modal != 0 && !modal_ && loaded_) runModal();
}

void Form::Hide() {
    if (!loaded_) Load(*this);
    bool wasVisible = visible_;
    visible_ = false;
    changed();
    if (hwnd_ != 0) gui::windows().showWindow(hwnd_, false);
    if (wasVisible) notifyShown();
}

void Form::notifyShown() {
    HandlerScope scope;
    std::vector<Control*> controls = controls_;
    for (Control* c : controls)
        if (std::find(controls_.begin(), controls_.end(), c) != controls_.end()) c->formShownChanged();
}

void Form::focusControl(Control* c) {
    if (focus_ == c) return;
    Control* old = focus_;
    focus_ = c;
    // Both draw their focus anew.
    if (old != nullptr) old->Refresh();
    if (c != nullptr) c->Refresh();
    HandlerScope scope;
    std::vector<Control*> controls = controls_;
    for (Control* k : controls)
        if (std::find(controls_.begin(), controls_.end(), k) != controls_.end()) k->focusMoved(old, c);
}

Control* Form::findControl(std::string_view name, int index) const {
    for (Control* c : controls_)
        if (c->Index() == index && base::equalsNoCase(c->Name(), name)) return c;
    return nullptr;
}

void Form::registerControl(Control* c) { controls_.push_back(c); }

void Form::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (focus_ == c) focus_ = nullptr;
    input_.forget(c);
    for (Control* other : controls_) {
        other->forget(c);
        if (other->Container() == c) other->Container(nullptr);
    }
}

void Form::unregisterArray(void* array) {
    arrays_.erase(std::remove_if(arrays_.begin(), arrays_.end(), [&](auto& a) { return a.array == array; }),
                  arrays_.end());
}

void Form::applyFormDesign(const DesignEntry& e) {
    using base::equalsNoCase;
    for (auto& p : e.properties) {
        const std::string& k = p.key;
        const DesignValue& v = p.value;
        if (equalsNoCase(k, "Caption")) Caption(v.asText());
        else if (equalsNoCase(k, "Tag")) Tag(v.asText());
        else if (equalsNoCase(k, "Left")) Left(v.asLong());
        else if (equalsNoCase(k, "Top")) Top(v.asLong());
        else if (equalsNoCase(k, "Width")) width_ = std::max(0, v.asLong());
        else if (equalsNoCase(k, "Height")) height_ = std::max(0, v.asLong());
        else if (equalsNoCase(k, "BackColor")) BackColor(static_cast<OleColor>(v.asLong()));
        else if (equalsNoCase(k, "ForeColor")) ForeColor(static_cast<OleColor>(v.asLong()));
        else if (equalsNoCase(k, "BorderStyle")) BorderStyle(v.asLong());
        else if (equalsNoCase(k, "ControlBox")) ControlBox(v.asBool());
        else if (equalsNoCase(k, "ShowInTaskbar")) ShowInTaskbar(v.asBool());
        else if (equalsNoCase(k, "StartUpPosition")) StartUpPosition(v.asLong());
        else if (equalsNoCase(k, "ScaleMode")) ScaleMode(v.asLong());
        else if (equalsNoCase(k, "Enabled")) Enabled(v.asBool());
        else if (equalsNoCase(k, "KeyPreview")) KeyPreview(v.asBool());
        else if (equalsNoCase(k, "FontName")) { auto f = Font(); f.Name = v.asText(); Font(f); }
        else if (equalsNoCase(k, "FontSize")) { auto f = Font(); f.Size = v.asNumber(); Font(f); }
        else if (equalsNoCase(k, "FontBold")) { auto f = Font(); f.Bold = v.asBool(); Font(f); }
        else if (equalsNoCase(k, "Region")) region_ = v.asBytes();
        else throw DesignError(v.line, "form " + name_ + " has no property " + k);
    }
}

void Form::applyControls(const Design& d) {
    // Make every control first (array elements included), so containers can be named in any order.
    std::vector<std::pair<const DesignEntry*, Control*>> placed;
    for (auto& e : d.controls) {
        Control* c = findControl(e.name, e.index);
        if (c == nullptr && e.index >= 0) {
            for (auto& a : arrays_)
                if (base::equalsNoCase(a.name, e.name)) c = a.create(a.array, e.index);
        }
        if (c == nullptr) throw DesignError(e.line, "form " + name_ + " has no control " + e.name);
        if (!base::equalsNoCase(c->kind(), e.kind))
            throw DesignError(e.line, e.name + " is a " + std::string(c->kind()) + ", not a " + e.kind);
        placed.emplace_back(&e, c);
    }
    for (auto& [e, c] : placed) {
        c->beginDesign();
        for (auto& p : e->properties) {
            if (base::equalsNoCase(p.key, "Container")) {
                std::string target = p.value.asText();
                int index = -1;
                size_t paren = target.find('(');
                if (paren != std::string::npos) {
                    index = static_cast<int>(base::Val(target.substr(paren + 1)));
                    target = target.substr(0, paren);
                }
                Control* box = findControl(target, index);
                if (box == nullptr || !box->isContainer())
                    throw DesignError(p.value.line, "no container " + p.value.text);
                c->Container(box);
                continue;
            }
            if (!c->applyDesign(p.key, p.value))
                throw DesignError(p.value.line, e->kind + " " + e->name + " has no property " + p.key);
        }
    }
}

void Load(Form& f) {
    if (f.loaded_ || f.loading_) return;
    f.loading_ = true;
    try {
        if (!f.designName_.empty()) {
            Design d = loadDesign(base::joinPath(designFolder(), f.designName_ + ".qvf"));
            f.applyFormDesign(d.form);
            f.applyControls(d);
        }
    } catch (...) {
        f.loading_ = false;
        throw;
    }
    // The windows first: a user control reaches its own as it reads its properties.
    f.createWindows();
    std::vector<Control*> controls = f.controls_;
    try {
        for (Control* c : controls) c->designApplied();
    } catch (...) {
        // A control refused its values (a user control's ReadProperties): the form stays
        // unloaded, and what the others started (timers) stops again.
        for (Control* c : controls) c->formUnloading();
        f.destroyWindows();
        f.loading_ = false;
        throw;
    }
    f.loading_ = false;
    f.loaded_ = true;
    HandlerScope scope;
    f.Form_Load();
}

bool Form::unloadSteps(int mode) {
    if (!loaded_) return false;
    HandlerScope scope;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel != 0 || !loaded_) return false;
    Form_Unload(cancel);
    if (cancel != 0 || !loaded_) return false;
    std::vector<Control*> controls = controls_;
    for (Control* c : controls) c->formUnloading();
    const bool wasVisible = visible_;
    visible_ = false;
    if (wasVisible) notifyShown();
    loaded_ = false;
    destroyWindows();
    ++changes_;
    detail::formUnloaded(*this);
    return true;
}

bool Unload(Form& f) { return f.unloadSteps(kFormCode); }

void Form::closeByUser() { unloadSteps(kFormControlMenu); }

Control* Form::controlAt(int x, int y) const {
    const int tx = pixelsToTwips(x), ty = pixelsToTwips(y);
    Control* best = nullptr;
    int bestDepth = -1;
    bool bestWindowed = false;
    for (Control* c : controls_) {
        if (!c->shownOnForm() || !c->takesMouse() || !c->containsFormPoint(tx, ty)) continue;
        int depth = depthOf(c);
        bool w = c->windowed();
        // Deeper wins; at the same depth windowed controls lie above windowless ones, and the
        // later control above the earlier.
        if (depth > bestDepth || (depth == bestDepth && (w || !bestWindowed))) {
            best = c;
            bestDepth = depth;
            bestWindowed = w;
        }
    }
    return best;
}

}  // namespace qv::forms
