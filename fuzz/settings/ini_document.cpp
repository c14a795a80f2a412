// An INI file from disk (the rule, guard and options stores): any bytes read back byte for byte,
// and a write of one key or the removal of one section changes nothing else that reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/base/text.h"
#include "platform/settings/ini_document.h"

namespace {

using qv::settings::IniDocument;

// Every (section, key) -> value that reads back, the first section of a name counting.
std::map<std::pair<std::string, std::string>, std::string> entries(const IniDocument& doc) {
    std::map<std::pair<std::string, std::string>, std::string> out;
    for (const auto& s : doc.sections()) {
        const std::string section = qv::base::LCase(s);
        for (const auto& k : doc.keys(s).value_or(std::vector<std::string>{})) {
            const auto key = std::make_pair(section, qv::base::LCase(k));
            if (!out.count(key)) out[key] = doc.value(s, k).value_or("<missing>");
        }
    }
    return out;
}

bool storable(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0]", 4)) == std::string_view::npos &&
           qv::settings::trimBlanks(name) == name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniDocument doc(text);
    if (doc.text() != text) std::abort();

    const auto sections = doc.sections();
    const std::string section = !sections.empty() && storable(sections.front()) ? sections.front() : "Fuzz";
    const std::string lower = qv::base::LCase(section);
    const auto before = entries(doc);

    // One key written: it reads back, and every other entry stays as it was.
    IniDocument written(text);
    written.setValue(section, "/usr/bin/fuzz", "2");
    if (written.value(section, "/usr/bin/fuzz") != std::optional<std::string>("2")) std::abort();
    auto after = entries(written);
    after.erase({lower, "/usr/bin/fuzz"});
    auto expected = before;
    expected.erase({lower, "/usr/bin/fuzz"});
    if (after != expected) std::abort();
    if (IniDocument(written.text()).text() != written.text()) std::abort();

    // One section removed: it is gone, and every entry of the other sections stays.
    IniDocument removed(text);
    removed.removeSection(section);
    if (removed.keys(section)) std::abort();
    expected = before;
    std::erase_if(expected, [&](const auto& e) { return e.first.first == lower; });
    if (entries(removed) != expected) std::abort();
    return 0;
}
