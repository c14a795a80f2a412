#include "ui/windows/frm_port.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "controls/balloon.h"
#include "engine/address.h"
#include "engine/connection_closer.h"
#include "engine/filter_pass.h"
#include "engine/tcp_state_names.h"
#include "platform/base/clock.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "platform/host/host.h"
#include "ui/main/companions.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"
#include "ui/windows/filter_window_set.h"
#include "ui/windows/frm_block.h"

namespace qv::ui {

namespace {

constexpr std::size_t kShapeBytes = regionBytes(1);
constexpr int kLocalPortColumn = 1, kRemotePortColumn = 2, kStatusColumn = 3, kTimeColumn = 4;

// A row's address or port as a number in the order people read it, for sorting.
uint32_t readingOrder(uint32_t address) {
    return (address >> 24) | ((address >> 8) & 0xFF00u) | ((address << 8) & 0xFF0000u) | (address << 24);
}

// The order the system's sorted table has: local address, local port, remote address, remote
// port.
bool tableOrder(const host::TcpRow& a, const host::TcpRow& b) {
    auto key = [](const host::TcpRow& r) {
        return std::make_tuple(readingOrder(r.localAddress), host::portOfRow(r.localPort),
                               readingOrder(r.remoteAddress), host::portOfRow(r.remotePort));
    };
    return key(a) < key(b);
}

// An item's Tag: its connection's endpoints, the row values of the local address and port and of
// the remote address and port, in decimal.
std::string endpointTag(const host::TcpRow& r) {
    return std::to_string(r.localAddress) + " " + std::to_string(r.localPort) + " " +
           std::to_string(r.remoteAddress) + " " + std::to_string(r.remotePort);
}

std::optional<host::TcpRow> endpointsOfTag(const std::string& tag) {
    host::TcpRow r;
    std::istringstream in(tag);
    if (!(in >> r.localAddress >> r.localPort >> r.remoteAddress >> r.remotePort)) return std::nullopt;
    return r;
}

std::string portText(uint32_t rowPortValue) { return std::to_string(host::portOfRow(rowPortValue)); }

}  // namespace

frmport::frmport(frmMain& main, FilterWindowSet& windows)
    : Form("frmport", "frmport"), main_(main), windows_(windows), drag_(*this, main) {
    PictureButton1.Click = [this] { Hide(); };
    PictureButton2.Click = [this] { RefreshNS(); };
    tmr1.Tick = [] { engine::FilterPass(); };
    lvwCon.ItemClick = [this](forms::ListItem&) { showActions(); };
    lvwCon.MouseUp = [this](int button, int, float, float) { lvwCon_MouseUp(button); };
    mnukill.Click = [this] { mnukill_Click(); };
    mnuHello.Click = [this] { mnuHello_Click(); };
    mnuBlock.Click = [this] { mnuBlock_Click(); };
}

frmport::~frmport() = default;

void frmport::Form_Load() {
    engine::InitTcpStateNames();
    isButton1.Caption("");
    ShowAll = false;
    ResolveAddr = false;
    // The first pass adds an ICMP row whatever the counters are.
    engine::ResetEchoSum();
    RefreshNS();
    tmr1.Enabled(true);
    if (main_.Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        controls::AddBalloonTip(lvwCon.hWnd(), "This is a list for open port");
    }
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);
}

const std::vector<host::TcpRow>& frmport::freshTable() {
    std::vector<host::TcpRow> rows;
    if (host::currentHost().readTcpTable(rows)) {
        std::sort(rows.begin(), rows.end(), tableOrder);
        table_ = std::move(rows);
    }
    return table_;
}

void frmport::RefreshNS() {
    const std::vector<host::TcpRow>& rows = freshTable();
    forms::ListItemList& items = lvwCon.ListItems();
    items.Clear();
    for (const host::TcpRow& row : rows) {
        if (row.state == host::kTcpListen) continue;
        forms::ListItem& item = items.Add(-1, "", engine::IpToString(row.remoteAddress));
        item.Tag = endpointTag(row);
        item.SubItems(kLocalPortColumn, portText(row.localPort));
        item.SubItems(kRemotePortColumn, portText(row.remotePort));
        item.SubItems(kStatusColumn, engine::TcpStateName(static_cast<int>(row.state)));
        item.SubItems(kTimeColumn, base::TimeNow());
    }
}

void frmport::showActions() {
    picked_.reset();
    if (const forms::ListItem* item = lvwCon.SelectedItem()) {
        if (auto endpoints = endpointsOfTag(item->Tag))
            picked_ = PickedConnection{*endpoints, item->Text(), item->SubItems(kLocalPortColumn),
                                       item->SubItems(kRemotePortColumn)};
    }
    PopupMenu(mnuKport);
    picked_.reset();
}

void frmport::lvwCon_MouseUp(int Button) {
    if (Button == forms::kRightButton && lvwCon.ListItems().Count() > 0) showActions();
}

void frmport::mnukill_Click() {
    if (!picked_) return;
    const host::TcpRow picked = picked_->endpoints;
    const std::vector<host::TcpRow>& rows = freshTable();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const host::TcpRow& r) { return host::sameEndpoints(r, picked); });
    // The connection is gone: there is nothing left to close.
    if (found == rows.end()) return;
    // A copy: the boxes below let timers run, and a refresh among them reads the table again.
    const host::TcpRow row = *found;
    if (row.state == host::kTcpListen) {
        forms::MsgBox(kCannotTerminateListening);
        return;
    }
    if (!engine::CloseTcpRow(row)) forms::MsgBox(kTerminateFailed);
    // The list is not rebuilt here; the next refresh shows the change.
    forms::DoEvents();
}

void frmport::mnuHello_Click() {
    if (picked_) companions().showTester(picked_->address, picked_->remotePort);
}

void frmport::mnuBlock_Click() {
    if (!picked_) return;
    const PickedConnection picked = *picked_;
    frmBlock& block = windows_.block();
    block.txtAddr.Text(picked.address);
    block.txtRemP.Text(picked.remotePort);
    block.txtLocP.Text(picked.localPort);
    block.Show();
}

}  // namespace qv::ui
