#pragma once
// The program's title: "Quarvelin - " and a subtitle, 39 characters in all. It names the Run
// value, titles the hidden application window that the single-instance check looks for, and
// titles every message box that gives none.
#include <string_view>

namespace qv::ui {

inline constexpr std::string_view ApplicationTitle = "Quarvelin - Desktop Connection Firewall";
static_assert(ApplicationTitle.size() == 39);

}  // namespace qv::ui
