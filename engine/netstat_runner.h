#pragma once
// Running the netstat command and finding the owners of the listed connections.
#include <string>

#include "engine/connection_table.h"

namespace qv::engine {

// The whole output of "Netstat -o", read while the command runs, or "Error: CreateProcess
// failed. <code>" / "Error: ReadFile failed. <code>" (texts that parse to no connection).
std::string RunNetstat();

// The Windows folder, ending in a path separator.
std::string WindowsDirectory();

// Gives each record the executable path of its process: every record of a process gets it, so
// that an application's rule holds for all its connections. A process that cannot be read leaves
// its records with "".
void FillAppPaths(ConnectionTable& table);
void FillAppPaths();

}  // namespace qv::engine
