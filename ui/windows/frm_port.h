#pragma once
// frmport: the open-port window. It lists the computer's TCP connections that are not listening
// (remote address, local and remote port, state, when listed) and drives the engine's filter
// pass from its 1 ms timer from its first load to the end of the program; its close button only
// hides it. Its menu closes the connection an item shows, opens the connection tester on it, or
// puts its address or a port into the filter lists through the block dialog.
//
// Each item keeps its connection's endpoints, and the menu acts on the item picked when it
// opened, so Terminate Connection closes the connection the person picked, found again by its
// endpoints in a fresh table, whatever rows came or went and however often the list was filled
// again since.
#include <optional>
#include <string>
#include <vector>

#include "controls/button.h"
#include "controls/picture_button.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/host/tcp_table.h"
#include "ui/main/form_drag.h"
#include "ui/windows/single_window.h"

namespace qv::ui {

class FilterWindowSet;

inline constexpr const char* kCannotTerminateListening = "Currently unable to terminate listening ports...";
inline constexpr const char* kTerminateFailed = "Unable to terminate this connection...";

class frmport : public forms::Form, public WindowLifetime {
public:
    frmport(frmMain& main, FilterWindowSet& windows);
    ~frmport() override;

    void Form_Load() override;
    // Dragging the window by its surface.
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    // Rebuilds the list from a fresh table.
    void RefreshNS();

    // Public switches; nothing in the program sets them.
    bool Logging = false;
    bool ShowAll = false;
    bool ResolveAddr = false;
    bool Filtering = false;

    // The heading.
    forms::Shape Shape1{*this, "Shape1"};
    forms::Image Image1{*this, "Image1"};
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    controls::PictureButton PictureButton2{*this, "PictureButton2"};  // refresh
    controls::PictureButton PictureButton1{*this, "PictureButton1"};  // close
    forms::Shape Shape2{*this, "Shape2"};                            // the window's edge

    forms::XTab XTab1{*this, "XTab1"};
    forms::ListView lvwCon{*this, "lvwCon"};
    controls::isButton isButton1{*this, "isButton1"};
    forms::Timer tmr1{*this, "tmr1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

    forms::Menu mnuKport{*this, "mnuKport"};
    forms::Menu mnuBlock{*this, "mnuBlock"};
    forms::Menu mnuHello{*this, "mnuHello"};
    forms::Menu mnuLine{*this, "mnuLine"};
    forms::Menu mnukill{*this, "mnukill"};
    forms::Menu mnuRem{*this, "mnuRem"};

private:
    // What the menu acts on: the connection of the item selected when it opened.
    struct PickedConnection {
        host::TcpRow endpoints;
        std::string address, localPort, remotePort;
    };
    void showActions();
    void lvwCon_MouseUp(int Button);
    void mnukill_Click();
    void mnuHello_Click();
    void mnuBlock_Click();
    // The rows of a fresh table, sorted; the table keeps the rows of the last read that
    // succeeded.
    const std::vector<host::TcpRow>& freshTable();

    frmMain& main_;
    FilterWindowSet& windows_;
    FormDrag drag_;
    std::vector<host::TcpRow> table_;
    std::optional<PickedConnection> picked_;
};

}  // namespace qv::ui
