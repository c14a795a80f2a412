#include "engine/filter_add.h"

#include <algorithm>

#include "engine/address.h"
#include "platform/base/text.h"

namespace qv::engine {

namespace {

FilterAddResult refused(std::string_view message) { return {false, std::string(message)}; }

FilterAddResult addChecked(FilterLists& lists, int list, std::string text, std::string key) {
    if (!lists.add(list, FilterEntry{std::move(text), std::move(key), true})) return refused(kCannotResolve);
    return {true, {}};
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

FilterAddResult addPort(FilterLists& lists, int list, std::string_view typed, FilterAddFrom from) {
    if (typed.empty() && from == FilterAddFrom::Editor) return {};
    if (from == FilterAddFrom::Editor && lists.hasText(list, typed)) return refused(kItemExists);
    if (typed.empty() || !allDigits(typed) || !StorableFilterText(typed)) return refused(kNotANumber);
    return addChecked(lists, list, std::string(typed), {});
}

FilterAddResult addAddress(FilterLists& lists, std::string_view typed, FilterAddFrom from) {
    const std::string text = base::Trim(typed);
    if (text.empty() && from == FilterAddFrom::Editor) return {};
    if (!text.empty() && lists.hasText(kRemoteAddressList, text)) return refused(kItemExists);
    if (!StorableFilterText(text)) return refused(kCannotResolve);
    const uint32_t address = ResolveAddress(text);
    if (address == kNoAddress) return refused(kCannotResolve);
    std::string key = IpToString(address);
    if (lists.hasKey(kRemoteAddressList, key)) return refused(kIpExists);
    return addChecked(lists, kRemoteAddressList, text, std::move(key));
}

}  // namespace

FilterAddResult AddFilterEntry(FilterLists& lists, int list, std::string_view typed, FilterAddFrom from) {
    if (list == kRemoteAddressList) return addAddress(lists, typed, from);
    if (list == kRemotePortList || list == kLocalPortList) return addPort(lists, list, typed, from);
    return {};
}

}  // namespace qv::engine
