#pragma once
// The names of the TCP states by their table number, as the open-port window shows them.
#include <array>
#include <string>

namespace qv::engine {

inline constexpr int kTcpStateCount = 13;
inline constexpr int kTcpStateListening = 2;
inline constexpr int kTcpStateDeleteTcb = 12;

// Fills the names: 0 "UNKNOWN", 1 "CLOSED", 2 "LISTENING", ... 12 "DELETE_TCB".
void InitTcpStateNames();
// The filled table; every name is "" before InitTcpStateNames.
const std::array<std::string, kTcpStateCount>& TcpStateNames();
// The name of a state number; "" for a number outside 0 .. 12.
std::string TcpStateName(int state);

}  // namespace qv::engine
