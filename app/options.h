#pragma once
// The command line: quarvelin [--host=sim|linux] [--folder=DIR] [--scenario=FILE] [--help]
// [--version].
#include <optional>
#include <string>
#include <vector>

namespace qv::app {

struct Options {
    enum class HostKind { Sim, Linux };
    HostKind host = HostKind::Sim;
    std::string folder;    // "" for the executable's folder
    std::string scenario;  // "" for the shipped scenario
    bool help = false;
    bool version = false;
};

// The options, or nothing with error saying what is wrong.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

std::string usageText();

}  // namespace qv::app
