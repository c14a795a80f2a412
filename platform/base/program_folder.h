#pragma once
// The program folder (App.Path): the folder that holds the executable, unless the program was
// started with another one. Conf, Data, Logs, Sounds, Doc and Updates are found below it.
#include <string>
#include <string_view>

namespace qv::base {

std::string programFolder();
void setProgramFolder(std::string_view folder);
// programFolder() joined with a relative path written with "\" or "/".
std::string inProgramFolder(std::string_view relative);
// The executable's own path.
std::string executablePath();

}  // namespace qv::base
