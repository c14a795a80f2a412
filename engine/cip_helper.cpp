#include "engine/cip_helper.h"

#include "engine/ui_hooks.h"
#include "platform/host/host.h"

namespace qv::engine {

namespace {
int32_t asSigned(uint32_t v) { return static_cast<int32_t>(v); }
}  // namespace

CIpHelper::CIpHelper() : interfaces_(std::make_shared<CInterfaces>()) {}

std::shared_ptr<CInterfaces> CIpHelper::Interfaces() {
    interfaces_ = std::make_shared<CInterfaces>();
    LoadInterfaceTable(*interfaces_);
    return interfaces_;
}

void CIpHelper::LoadInterfaceTable(CInterfaces& collection) {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    auto table = host::currentHost().interfaceTable();
    if (!table) {
        // Said once per object: the main window reads the table every 10 ms.
        if (!toldUnsupported_) {
            toldUnsupported_ = true;
            MsgBox("IP Helper is not supported by this system.", kMbOk);
        }
        return;
    }
    for (const host::InterfaceRow& row : *table) {
        collection.Add(InterfaceFromRow(row));
        bytesReceived_ += row.inOctets;
        bytesSent_ += row.outOctets;
    }
}

std::string AdapterAddressText(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    const std::size_t n = bytes.size() < 8 ? bytes.size() : 8;
    for (std::size_t i = 0; i < n; ++i) {
        const uint8_t b = bytes[i];
        if (i) text += '-';
        if (b == 0) {
            text += "00";
        } else {
            if (b >= 16) text += digits[b >> 4];
            text += digits[b & 0xF];
        }
    }
    return text;
}

std::shared_ptr<CInterface> InterfaceFromRow(const host::InterfaceRow& row) {
    auto i = std::make_shared<CInterface>();
    i->InterfaceDescription(row.description);
    i->AdapterAddress(AdapterAddressText(row.physicalAddress));
    i->AdminStatus(asSigned(row.adminStatus));
    i->InterfaceIndex(asSigned(row.index));
    i->DiscardedIncomingPackets(asSigned(row.inDiscards));
    i->IncomingErrors(asSigned(row.inErrors));
    i->NonunicastPacketsReceived(asSigned(row.inNUcastPkts));
    i->OctetsReceived(asSigned(row.inOctets));
    i->UnicastPacketsReceived(asSigned(row.inUcastPkts));
    i->UnknownProtocolPackets(asSigned(row.inUnknownProtos));
    i->MaximumTransmissionUnit(asSigned(row.mtu));
    i->OperationalStatus(asSigned(row.operStatus));
    i->DiscardedOutgoingPackets(asSigned(row.outDiscards));
    i->OutgoingErrors(asSigned(row.outErrors));
    i->NonunicastPacketsSent(asSigned(row.outNUcastPkts));
    i->OctetsSent(asSigned(row.outOctets));
    i->OutputQueueLength(asSigned(row.outQLen));
    i->UnicastPacketsSent(asSigned(row.outUcastPkts));
    i->Speed(asSigned(row.speed));
    i->InterfaceType(asSigned(row.type));
    i->InterfaceName(row.name);
    return i;
}

}  // namespace qv::engine
