#pragma once
// Adding an entry to the filter lists, as the filter editor's add buttons and the block dialog
// do: duplicates refused, ports of digits only, addresses resolved to their dotted key. The
// window shows a refusal's message in a plain message box and clears its text box.
#include <string>
#include <string_view>

#include "engine/filter_lists.h"

namespace qv::engine {

inline constexpr std::string_view kItemExists = "Item allready exists...";
inline constexpr std::string_view kIpExists = "Ip address allready exists...";
inline constexpr std::string_view kNotANumber = "Not a valid number...";
inline constexpr std::string_view kCannotResolve = "Unable to resolve address...";

// Who adds: the editor does nothing for an empty box and refuses a port it lists already; the
// block dialog refuses an empty box and may list a port twice.
enum class FilterAddFrom { Editor, BlockDialog };

struct FilterAddResult {
    bool added = false;   // the entry was added, checked, at the end of the list
    std::string message;  // why it was refused; "" when added or when nothing happened
};

// Adds the typed text to a list. An address is taken without blanks at its ends; one that is
// empty or cannot be resolved is refused (kCannotResolve).
FilterAddResult AddFilterEntry(FilterLists& lists, int list, std::string_view typed, FilterAddFrom from);

}  // namespace qv::engine
