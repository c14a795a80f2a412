#pragma once
// One network interface: plain stored values copied from one row of the interface table.
// Counters are 32-bit signed, as the views show them.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/datetime.h"

namespace qv::engine {


class CInterface {
public:
#define QV_CINTERFACE_PROPERTY(Type, Name, member)         \
    const Type& Name() const { return member; }            \
    void Name(const Type& value) { member = value; }

    QV_CINTERFACE_PROPERTY(std::string, InterfaceDescription, description_)
    QV_CINTERFACE_PROPERTY(int32_t, OutputQueueLength, outputQueueLength_)
    QV_CINTERFACE_PROPERTY(int32_t, OutgoingErrors, outgoingErrors_)
    QV_CINTERFACE_PROPERTY(int32_t, DiscardedOutgoingPackets, discardedOutgoingPackets_)
    QV_CINTERFACE_PROPERTY(int32_t, NonunicastPacketsSent, nonunicastPacketsSent_)
    QV_CINTERFACE_PROPERTY(int32_t, UnicastPacketsSent, unicastPacketsSent_)
    QV_CINTERFACE_PROPERTY(int32_t, OctetsSent, octetsSent_)
    QV_CINTERFACE_PROPERTY(int32_t, UnknownProtocolPackets, unknownProtocolPackets_)
    QV_CINTERFACE_PROPERTY(int32_t, IncomingErrors, incomingErrors_)
    QV_CINTERFACE_PROPERTY(int32_t, DiscardedIncomingPackets, discardedIncomingPackets_)
    QV_CINTERFACE_PROPERTY(int32_t, NonunicastPacketsReceived, nonunicastPacketsReceived_)
    QV_CINTERFACE_PROPERTY(int32_t, MaximumTransmissionUnit, maximumTransmissionUnit_)
    QV_CINTERFACE_PROPERTY(int32_t, UnicastPacketsReceived, unicastPacketsReceived_)
    QV_CINTERFACE_PROPERTY(int32_t, OctetsReceived, octetsReceived_)
    QV_CINTERFACE_PROPERTY(base::DateTime, LastChange, lastChange_)
    QV_CINTERFACE_PROPERTY(int32_t, OperationalStatus, operationalStatus_)
    QV_CINTERFACE_PROPERTY(int32_t, AdminStatus, adminStatus_)
    QV_CINTERFACE_PROPERTY(std::string, AdapterAddress, adapterAddress_)
    QV_CINTERFACE_PROPERTY(int32_t, Speed, speed_)
    QV_CINTERFACE_PROPERTY(int32_t, InterfaceType, interfaceType_)
    QV_CINTERFACE_PROPERTY(int32_t, InterfaceIndex, interfaceIndex_)
    QV_CINTERFACE_PROPERTY(std::string, InterfaceName, interfaceName_)

#undef QV_CINTERFACE_PROPERTY

private:
    std::string description_;
    int32_t outputQueueLength_ = 0;
    int32_t outgoingErrors_ = 0;
    int32_t discardedOutgoingPackets_ = 0;
    int32_t nonunicastPacketsSent_ = 0;
    int32_t unicastPacketsSent_ = 0;
    int32_t octetsSent_ = 0;
    int32_t unknownProtocolPackets_ = 0;
    int32_t incomingErrors_ = 0;
    int32_t discardedIncomingPackets_ = 0;
    int32_t nonunicastPacketsReceived_ = 0;
    int32_t maximumTransmissionUnit_ = 0;
    int32_t unicastPacketsReceived_ = 0;
    int32_t octetsReceived_ = 0;
    base::DateTime lastChange_;  // never filled: the zero date
    int32_t operationalStatus_ = 0;
    int32_t adminStatus_ = 0;
    std::string adapterAddress_;
    int32_t speed_ = 0;
    int32_t interfaceType_ = 0;
    int32_t interfaceIndex_ = 0;
    std::string interfaceName_;
};

}  // namespace qv::engine
