#include "engine/pass_rules.h"

#include "engine/cini.h"
#include "engine/stores.h"

namespace qv::engine {

const std::string& PassRules::rule(const std::string& appPath) {
    if (!valid_ || writes_ != cINI::WriteCount()) {
        rules_.clear();
        writes_ = cINI::WriteCount();
        valid_ = true;
    }
    cINI& store = RuleStore();
    store.Section("RULES");
    store.Key(appPath);
    store.Default("0");
    auto it = rules_.find(appPath);
    if (it != rules_.end()) return it->second;
    return rules_.emplace(appPath, store.Value()).first->second;
}

}  // namespace qv::engine
