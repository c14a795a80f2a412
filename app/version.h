#pragma once
// The program's version.
namespace qv::app {
inline constexpr const char* kVersion = "1.3.0";
}
