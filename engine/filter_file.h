#pragma once
// The filter file Conf\filter.ini: the filter switch, the three filter lists with the activation
// of each, and the port-log choices. The filter editor reads it when it loads and writes it whole
// when the user saves; the main window reads the port-log choices itself.
#include <array>
#include <string>
#include <string_view>

#include "engine/filter_lists.h"

namespace qv::engine {

inline constexpr std::string_view kFilterFileName = "filter.ini";
inline constexpr std::string_view kFilterSaveFailed = "Unable to save the filter lists...";

// What the file holds, and where the editor and the main window keep it.
struct FilterFile {
    bool Filtering = false;          // the editor's `Filtering`
    bool Logging = false;            // the editor's `Logging`
    std::array<int, kFilterListCount> chkAct{};  // the main window's `chkAct(0..2)`
    std::array<int, 4> chkLog{};     // the main window's `chkLog(0..3)`
    FilterLists lists;               // the editor's `lvwFilter(0..2)`
};

// Reads the program folder's Conf\filter.ini into file. The lists are added to, not cleared
// first. A missing or non-Boolean Filter or Log reads as false; an Activate other than "1" as 0;
// a port-log value that is missing or not 0, 1 or 2 leaves file's value as it was. Entries whose
// text or key is empty, or cannot be stored (a control character), are passed over, as is an
// address entry whose key an earlier entry holds; an entry is checked when its chk_i is "True".
// A count larger than the entries the section holds reads only those.
void LoadFilter(FilterFile& file);

// The whole text of the file for file's values, lines ended by CR LF, ending in an empty line.
std::string FilterFileText(const FilterFile& file);

// Writes FilterFileText to the program folder's Conf\filter.ini, replacing the file in one step;
// false (the old file left as it was) when it cannot be written.
bool SaveFilter(const FilterFile& file);

}  // namespace qv::engine
