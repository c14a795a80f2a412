#pragma once
// Animation: plays a clip file in a box. Open names the clip (a file that does not exist is
// error 35752, and nothing changes); Play, Stop and Close change what the box is doing; with
// AutoPlay an opened clip starts at once.
#include <string>

#include "platform/forms/control.h"

namespace qv::forms {

class Animation : public Control {
public:
    Animation(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1200);
        Height(600);
    }
    std::string_view kind() const override { return "Animation"; }

    QV_FORMS_PROPERTY(bool, AutoPlay, false)
    QV_FORMS_PROPERTY(bool, Center, false)
    QV_FORMS_PROPERTY(int, BackStyle, 0)  // 0 transparent, 1 opaque

    void Open(const std::string& file);
    // Repeat count -1 plays until stopped; frames from start to end (-1 the last).
    void Play(int repeatCount = -1, int startFrame = 0, int endFrame = -1);
    void Stop();
    void Close();

    const std::string& clip() const { return clip_; }  // "" when none is open
    bool playing() const { return playing_; }
    int repeatCount() const { return repeat_; }

    bool applyDesign(const std::string& key, const DesignValue& v) override;

    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
private:
    std::string clip_;
    bool playing_ = false;
    int repeat_ = 0;
};

}  // namespace qv::forms
