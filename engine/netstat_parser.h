#pragma once
// Turns the text of "Netstat -o" into the connection table.
#include <functional>
#include <string>
#include <string_view>

#include "engine/connection_table.h"

namespace qv::engine {

// Called right after a record is kept, with its index (the dangerous-port check hooks in here).
using KeptRecordHook = std::function<void(int index)>;

// Refills table from output: every run of blanks counts as one, lines end at CR LF, and a line is
// kept when its sixth blank-separated field (counting the empty field before the indent) is a
// process id other than 0. Endpoints split at their first ":". AppPath stays "".
// Lets pending window messages run as it goes; holds no reference into the table across them.
void ParseNetstat(std::string_view output, ConnectionTable& table,
                  const KeptRecordHook& afterKept = {});

// Every run of blanks replaced by one blank.
std::string CollapseBlanks(std::string_view text);

}  // namespace qv::engine
