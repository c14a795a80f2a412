#pragma once
// The machine's network interfaces and the bytes moved over them all. Every read of Interfaces
// reads the interface table afresh into a new collection and renews the two sums.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/cinterfaces.h"
#include "platform/host/interfaces.h"

namespace qv::engine {

class CIpHelper {
public:
    CIpHelper();

    void Interfaces(std::shared_ptr<CInterfaces> interfaces) { interfaces_ = std::move(interfaces); }
    std::shared_ptr<CInterfaces> Interfaces();

    // Sums of the interfaces' received and sent octet counters at the last read (0 before it).
    // The counters are unsigned 32-bit; their sum is kept in 64 bits, so it never turns
    // negative however many interfaces or bytes there are.
    int64_t BytesReceived() const { return bytesReceived_; }
    int64_t BytesSent() const { return bytesSent_; }

private:
    void LoadInterfaceTable(CInterfaces& collection);

    std::shared_ptr<CInterfaces> interfaces_;
    int64_t bytesReceived_ = 0;
    int64_t bytesSent_ = 0;
    bool toldUnsupported_ = false;
};

// A physical address as the interface list shows it: each byte in upper-case hexadecimal
// without a leading zero, a zero byte as "00", joined by "-"; at most 8 bytes; "" for none.
std::string AdapterAddressText(const std::vector<uint8_t>& bytes);
// One interface object from one row of the table.
std::shared_ptr<CInterface> InterfaceFromRow(const host::InterfaceRow& row);

}  // namespace qv::engine
