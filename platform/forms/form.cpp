#include "platform/forms/form.h"

#include <algorithm>

#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"
#include "platform/forms/control.h"
#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"

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

Form::~Form() = default;

void Form::Width(int w) {
    width_ = std::max(w, 0);
    ++changes_;
    if (loaded_) Form_Resize();
}

void Form::Height(int h) {
    height_ = std::max(h, 0);
    ++changes_;
    if (loaded_) Form_Resize();
}

void Form::Move(int left, int top, int width, int height) {
    Left(left);
    Top(top);
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    ++changes_;
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
    visible_ = true;
    ++changes_;
    if (!wasVisible) {
        HandlerScope scope;
        notifyShown();
        Form_Activate();
    }
    if (modal != 0 && !modal_) {
        // The wait counts as a running handler: a form unloaded meanwhile (this one too) is
        // released only after Show has returned to its caller.
        HandlerScope scope;
        modal_ = true;
        runUntil([this] { return !loaded_ || !visible_ || ended(); });
        modal_ = false;
    }
}

void Form::Hide() {
    if (!loaded_) Load(*this);
    bool wasVisible = visible_;
    visible_ = false;
    ++changes_;
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
    if (captured_ == c) captured_ = nullptr;
    if (hovered_ == c) hovered_ = nullptr;
    for (Control* other : controls_)
        if (other->Container() == c) other->Container(nullptr);
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
    std::vector<Control*> controls = f.controls_;
    try {
        for (Control* c : controls) c->designApplied();
    } catch (...) {
        // A control refused its values (a user control's ReadProperties): the form stays
        // unloaded, and what the others started (timers) stops again.
        for (Control* c : controls) c->formUnloading();
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
    hovered_ = nullptr;
    captured_ = nullptr;
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
        if (!c->shownOnForm() || !c->containsFormPoint(tx, ty)) continue;
        // Line, Shape and Timer take no mouse input: it goes to what lies beneath.
        if (c->kind() == "Line" || c->kind() == "Shape" || c->kind() == "Timer") continue;
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

void Form::injectMouseDown(int button, int shift, int x, int y) {
    if (!loaded_ || !Enabled()) return;
    Control* c = captured_ != nullptr ? captured_ : controlAt(x, y);
    if (c != nullptr && !c->enabledOnForm()) return;
    captureButtons_ |= button;
    if (c == nullptr) {
        HandlerScope scope;
        Form_MouseDown(button, shift, static_cast<float>(pixelsToTwips(x)), static_cast<float>(pixelsToTwips(y)));
        return;
    }
    captured_ = c;
    c->mouseDown(button, shift, static_cast<float>(pixelsToTwips(x) - c->formLeft()),
                 static_cast<float>(pixelsToTwips(y) - c->formTop()));
}

void Form::injectKeyDown(int keyCode, int shift) {
    if (!loaded_ || !Enabled()) return;
    if (focus_ != nullptr && focus_->enabledOnForm()) focus_->keyDown(keyCode, shift);
    if (keyCode == 9 && loaded_) {
        std::vector<Control*> order;
        for (Control* c : controls_)
            if (c->canFocus()) order.push_back(c);
        if (order.empty()) return;
        std::stable_sort(order.begin(), order.end(),
                         [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
        auto it = std::find(order.begin(), order.end(), focus_);
        const bool back = (shift & kShiftMask) != 0;
        size_t i = 0;
        if (it != order.end()) {
            const size_t at = static_cast<size_t>(it - order.begin());
            i = back ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
        } else if (back) {
            i = order.size() - 1;
        }
        focusControl(order[i]);
    }
}

void Form::injectKeyUp(int keyCode, int shift) {
    if (loaded_ && focus_ != nullptr && focus_->enabledOnForm()) focus_->keyUp(keyCode, shift);
}

void Form::injectKeyPress(int keyAscii) {
    if (loaded_ && focus_ != nullptr && focus_->enabledOnForm()) focus_->keyPress(keyAscii);
}

void Form::hover(Control* c) {
    if (hovered_ == c) return;
    Control* left = hovered_;
    hovered_ = c;
    if (left != nullptr) left->mouseLeave();
}

void Form::injectMouseLeave() {
    if (loaded_) hover(nullptr);
}

void Form::injectMouseMove(int button, int shift, int x, int y) {
    if (!loaded_) return;
    hover(controlAt(x, y));
    if (!loaded_) return;
    Control* c = captured_ != nullptr ? captured_ : controlAt(x, y);
    if (c == nullptr) {
        HandlerScope scope;
        Form_MouseMove(button, shift, static_cast<float>(pixelsToTwips(x)), static_cast<float>(pixelsToTwips(y)));
        return;
    }
    if (!c->enabledOnForm()) return;
    c->mouseMove(button, shift, static_cast<float>(pixelsToTwips(x) - c->formLeft()),
                 static_cast<float>(pixelsToTwips(y) - c->formTop()));
}

void Form::injectMouseUp(int button, int shift, int x, int y) {
    if (!loaded_) return;
    Control* c = captured_;
    captureButtons_ &= ~button;
    if (captureButtons_ == 0) captured_ = nullptr;
    const float fx = static_cast<float>(pixelsToTwips(x)), fy = static_cast<float>(pixelsToTwips(y));
    if (c == nullptr) {
        if (controlAt(x, y) != nullptr) return;
        HandlerScope scope;
        Form_MouseUp(button, shift, fx, fy);
        Form_Click();
        return;
    }
    const float cx = fx - static_cast<float>(c->formLeft()), cy = fy - static_cast<float>(c->formTop());
    // The control may unload the form from its MouseUp; keep going only while it is loaded.
    c->mouseUp(button, shift, cx, cy);
    if (loaded_ && c->containsFormPoint(pixelsToTwips(x), pixelsToTwips(y))) c->mouseClick(button, cx, cy);
}

void Form::injectClick(int x, int y, int button) {
    injectMouseDown(button, 0, x, y);
    injectMouseUp(button, 0, x, y);
}

void Form::clickControl(Control& c, int button) {
    if (!loaded_ || !c.shownOnForm() || !c.enabledOnForm()) return;
    const float x = static_cast<float>(c.Width() / 2), y = static_cast<float>(c.Height() / 2);
    c.mouseDown(button, 0, x, y);
    if (!loaded_) return;
    c.mouseUp(button, 0, x, y);
    if (loaded_) c.mouseClick(button, x, y);
}

}  // namespace qv::forms
