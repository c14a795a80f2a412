#include "app/options.h"

namespace qv::app {

namespace {

// The value of "--name=value" when arg is that option, else nothing.
std::optional<std::string> valueOf(const std::string& arg, const std::string& name) {
    const std::string prefix = "--" + name + "=";
    if (arg.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    return arg.substr(prefix.size());
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    bool hostGiven = false;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (auto host = valueOf(arg, "host")) {
            if (*host == "sim") o.host = Options::HostKind::Sim;
            else if (*host == "linux") o.host = Options::HostKind::Linux;
            else {
                error = "unknown host \"" + *host + "\" (sim or linux)";
                return std::nullopt;
            }
            hostGiven = true;
        } else if (auto folder = valueOf(arg, "folder")) {
            if (folder->empty()) {
                error = "--folder needs a folder";
                return std::nullopt;
            }
            o.folder = *folder;
        } else if (auto scenario = valueOf(arg, "scenario")) {
            if (scenario->empty()) {
                error = "--scenario needs a file";
                return std::nullopt;
            }
            o.scenario = *scenario;
        } else {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
    }
    if (!o.scenario.empty() && hostGiven && o.host == Options::HostKind::Linux) {
        error = "--scenario describes a simulated machine; it cannot go with --host=linux";
        return std::nullopt;
    }
    return o;
}

std::string usageText() {
    return "Usage: quarvelin [--host=sim|linux] [--folder=DIR] [--scenario=FILE]\n"
           "       quarvelin --help | --version\n"
           "\n"
           "A personal firewall and connection monitor that lives in the notification area.\n"
           "\n"
           "  --host=sim        watch a simulated machine (the default): a shipped scenario of\n"
           "                    applications and connections, so the program can be seen at work\n"
           "  --host=linux      watch this computer's TCP connections and their processes\n"
           "                    (closing connections needs the network-administration capability)\n"
           "  --folder=DIR      keep Conf, Data, Logs, Sounds, Doc and Updates in DIR instead of the\n"
           "                    executable's folder\n"
           "  --scenario=FILE   the simulated machine described by FILE instead of the shipped one\n"
           "  --help            show this text\n"
           "  --version         show the program's version\n";
}

}  // namespace qv::app
