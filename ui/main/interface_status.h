#pragma once
// The main window's interface figures: the type of the first interface, the bytes received and
// sent over all interfaces with a small picture of which of them grew (every 10 ms), and the
// bytes received in the last second (every second). The window keeps one of each beside its
// CIpHelper and calls them from its timers:
//
//   InterfaceStatus status{ipHelper, {lblType, lblRecv, lblSent, Image1, ImageList1}};
//   AddActivityPictures(ImageList1);            // at load, before the timers start
//   Timer3.Tick = [this] { status.ShowInterfaceStatus(); };
//   Bandwidth bandwidth{ipHelper, {Label16, Label14, Label15, Label12}};
//   Timer4.Tick = [this] { bandwidth.ShowBandwidth(); };
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cip_helper.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"

namespace qv::ui {

// The name of an interface type (a MIB-II number) as the status shows it; nullopt for a type
// the status does not name, which leaves the label as it was.
std::optional<std::string_view> InterfaceTypeText(int32_t type);
// A byte total in digit groups ("1,234,567"); "" for 0.
std::string ByteTotalText(int64_t bytes);
// The activity picture of ImageList1: 4 both totals grew, 3 only the sent one, 2 only the
// received one, 1 neither.
int ActivityPicture(bool receivedGrew, bool sentGrew);
// Adds the four activity pictures, in that order, to an image list.
void AddActivityPictures(forms::ImageList& list);

class InterfaceStatus {
public:
    struct Controls {
        forms::Label& lblType;
        forms::Label& lblRecv;
        forms::Label& lblSent;
        forms::Image& Image1;
        forms::ImageList& ImageList1;
    };
    InterfaceStatus(engine::CIpHelper& helper, Controls controls) : helper_(helper), c_(controls) {}

    // Reads the interface table afresh. With no interface at all everything stays as it is.
    void ShowInterfaceStatus();

private:
    engine::CIpHelper& helper_;
    Controls c_;
    int64_t received_ = 0;  // the totals of the tick before
    int64_t sent_ = 0;
};

// The bytes received between two totals. The counters summed are 32 bits wide and wrap, so a
// total that went down is taken modulo 2^32 and never shows as a negative figure.
int64_t ReceivedDifference(int64_t current, int64_t previous);

class Bandwidth {
public:
    struct Controls {
        forms::Label& Label16;  // the current total
        forms::Label& Label14;  // the previous total
        forms::Label& Label15;  // the difference
        forms::Label& Label12;  // the difference in thousands: "Max Speed: ... Kbs"
    };
    Bandwidth(engine::CIpHelper& helper, Controls controls) : helper_(helper), c_(controls) {}

    void ShowBandwidth();

private:
    engine::CIpHelper& helper_;
    Controls c_;
    int64_t previous_ = 0;
};

}  // namespace qv::ui
