#include "ui/main/interface_status.h"

#include "platform/base/convert.h"
#include "platform/base/text.h"

namespace qv::ui {
namespace {

// Setting a caption to what it shows already would only ask for a repaint.
void setCaption(forms::Label& label, const std::string& text) {
    if (label.Caption() != text) label.Caption(text);
}

}  // namespace

std::optional<std::string_view> InterfaceTypeText(int32_t type) {
    switch (type) {
        case 1: return "Other";
        case 6: return "Ethernet";
        case 9: return "TokenRing";
        case 15: return "FDDI";
        case 23: return "PPP";
        case 24: return "Loopback";
        case 28: return "SLIP";
        default: return std::nullopt;
    }
}

std::string ByteTotalText(int64_t bytes) { return base::Trim(base::Format(static_cast<double>(bytes), "###,###,###,###")); }

int ActivityPicture(bool receivedGrew, bool sentGrew) {
    if (receivedGrew && sentGrew) return 4;
    if (sentGrew) return 3;
    if (receivedGrew) return 2;
    return 1;
}

void InterfaceStatus::ShowInterfaceStatus() {
    const auto interfaces = helper_.Interfaces();
    const auto first = interfaces->Item(1);
    if (!first) return;
    if (auto text = InterfaceTypeText(first->InterfaceType())) setCaption(c_.lblType, std::string(*text));
    const int64_t received = helper_.BytesReceived(), sent = helper_.BytesSent();
    setCaption(c_.lblRecv, ByteTotalText(received));
    setCaption(c_.lblSent, ByteTotalText(sent));
    const int picture = ActivityPicture(received > received_, sent > sent_);
    if (picture <= c_.ImageList1.Count()) {
        forms::PictureRef p = c_.ImageList1(picture).Picture;
        if (c_.Image1.Picture() != p) c_.Image1.Picture(p);
    }
    received_ = received;
    sent_ = sent;
}

int64_t ReceivedDifference(int64_t current, int64_t previous) {
    const int64_t d = current - previous;
    return d >= 0 ? d : static_cast<int64_t>(static_cast<uint32_t>(d));
}

void Bandwidth::ShowBandwidth() {
    helper_.Interfaces();
    const int64_t current = helper_.BytesReceived();
    const int64_t difference = ReceivedDifference(current, previous_);
    c_.Label16.Caption(std::to_string(current));
    c_.Label14.Caption(std::to_string(previous_));
    c_.Label15.Caption(std::to_string(difference));
    c_.Label12.Caption(base::CStr(static_cast<double>(difference) / 1000.0));
    previous_ = current;
}

}  // namespace qv::ui
