// A filter file of any shape: whatever loads from it saves and loads again as the same lists,
// and saving those gives the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/filter_file.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"

namespace {

// A program folder with its Conf folder, made once for the whole run.
const std::string& folder() {
    static const std::string made = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qv-fuzz-filter-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        qv::base::makeDir(tmpl + "/Conf");
        return tmpl;
    }();
    return made;
}

qv::engine::FilterFile load() {
    qv::engine::FilterFile f;
    qv::engine::LoadFilter(f);
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::base::setProgramFolder(folder());
    const std::string path = folder() + "/Conf/filter.ini";
    if (!qv::base::writeFileAtomic(path, std::string(reinterpret_cast<const char*>(data), size))) std::abort();

    qv::engine::FilterFile first = load();
    if (!qv::engine::SaveFilter(first)) std::abort();
    auto saved = qv::base::readFile(path);
    qv::engine::FilterFile second = load();
    if (!(second.lists == first.lists) || second.Filtering != first.Filtering || second.Logging != first.Logging ||
        second.chkAct != first.chkAct || second.chkLog != first.chkLog)
        std::abort();
    if (!qv::engine::SaveFilter(second) || qv::base::readFile(path) != saved) std::abort();
    return 0;
}
