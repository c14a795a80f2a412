#pragma once
// The RULES entries one poll pass reads, read from the rule store once per application and pass
// instead of once per connection. Any write through a settings-file object (a window storing an
// answer while the pass lets messages run) makes every kept rule be read afresh.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace qv::engine {

class PassRules {
public:
    // The rule of appPath, default "0". Leaves the RuleStore on section "RULES", key appPath and
    // default "0", as a direct read does.
    const std::string& rule(const std::string& appPath);

private:
    std::unordered_map<std::string, std::string> rules_;
    uint64_t writes_ = 0;
    bool valid_ = false;
};

}  // namespace qv::engine
