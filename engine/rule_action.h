#pragma once
// The action stored for an application in section "RULES" of the rule store.
#include <string_view>

namespace qv::engine {

inline constexpr std::string_view kRuleAsk = "0";
inline constexpr std::string_view kRuleBlock = "1";
inline constexpr std::string_view kRuleTrust = "2";
inline constexpr std::string_view kRuleTerminate = "3";

enum class RuleAction { Ask, Block, Trust, Terminate, Other };

// "0" and "" are Ask; a text that names no action is Other, which the poll pass treats like Trust.
constexpr RuleAction RuleActionOf(std::string_view value) {
    if (value.empty() || value == kRuleAsk) return RuleAction::Ask;
    if (value == kRuleBlock) return RuleAction::Block;
    if (value == kRuleTrust) return RuleAction::Trust;
    if (value == kRuleTerminate) return RuleAction::Terminate;
    return RuleAction::Other;
}

}  // namespace qv::engine
