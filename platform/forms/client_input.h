#pragma once
// The mouse on one window among the windowless controls drawn on it (a form's labels and
// images, those of a frame, a picture box or a user control). A press goes to the topmost
// windowless control under the pointer that takes the mouse, or else to the window's own
// handling; whichever took it keeps the mouse until the last button is up, and a release over
// it clicks it, unless the press was a double click. Coordinates are twips in the client area
// of the form whose controls these are. A release's handlers may end the window's object, and
// this with it (or start it afresh): the click then does not follow.
#include <memory>

namespace qv::forms {

class Control;
class Form;

class ClientInput {
public:
    // The window's own side, with twips in the form's client area.
    class Owner {
    public:
        virtual void ownDown(int button, int shift, float x, float y) = 0;
        virtual void ownMove(int buttons, int shift, float x, float y) = 0;
        virtual void ownUp(int button, int shift, float x, float y) = 0;
        virtual void ownClick(int button, float x, float y) = 0;
        virtual void ownDblClick(int button, float x, float y) = 0;
        virtual bool ownTakesDoubleClicks() const = 0;
        // Whether a point lies on the window's own area (a release there clicks it).
        virtual bool ownContains(float x, float y) const = 0;

    protected:
        ~Owner() = default;
    };

    // The windowless controls of `form` sitting in `container` (nullptr: on the form itself).
    ClientInput(const Form& form, const Control* container, Owner& owner)
        : form_(&form), container_(container), owner_(&owner) {}

    // A press; dbl when it is the second of a double click.
    void down(int button, int shift, float x, float y, bool dbl);
    void move(int buttons, int shift, float x, float y);
    void up(int button, int shift, float x, float y);
    // The pointer left the window.
    void leave() { hover(nullptr); }
    // Whether a button is held on the window.
    bool held() const { return buttons_ != 0; }
    // The topmost windowless control at the point that takes the mouse, or nullptr.
    Control* windowlessAt(float x, float y) const;
    // A control goes away.
    void forget(const Control* c);

private:
    void hover(Control* c);

    const Form* form_;
    const Control* container_;
    Owner* owner_;
    Control* pressed_ = nullptr;  // while a button is held: the windowless control it went to
    bool dbl_ = false;            // the held press was a double click
    int buttons_ = 0;
    Control* hovered_ = nullptr;
    // Replaced when this is, gone when it goes: handlers that ended it are told from the rest.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace qv::forms
