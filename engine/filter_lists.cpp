#include "engine/filter_lists.h"

#include <algorithm>

namespace qv::engine {

namespace {

uint64_t nextRevision() {
    static uint64_t last = 0;
    return ++last;
}

bool validList(int list) { return list >= 0 && list < kFilterListCount; }

}  // namespace

bool StorableFilterText(std::string_view text) {
    if (text.empty() || text.size() > kMaxFilterText) return false;
    if (text.front() == ' ' || text.back() == ' ') return false;
    return std::none_of(text.begin(), text.end(), [](char c) {
        auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

const std::vector<FilterEntry>& FilterLists::entries(int list) const {
    static const std::vector<FilterEntry> none;
    return validList(list) ? lists_[static_cast<std::size_t>(list)] : none;
}

bool FilterLists::add(int list, FilterEntry entry) {
    if (!validList(list) || !StorableFilterText(entry.text)) return false;
    if (list == kRemoteAddressList) {
        if (!StorableFilterText(entry.key) || hasKey(list, entry.key)) return false;
    } else if (!entry.key.empty()) {
        return false;
    }
    lists_[static_cast<std::size_t>(list)].push_back(std::move(entry));
    changed();
    return true;
}

void FilterLists::setChecked(int list, int index, bool checked) {
    if (!validList(list) || index < 0 || index >= count(list)) return;
    FilterEntry& e = lists_[static_cast<std::size_t>(list)][static_cast<std::size_t>(index)];
    if (e.checked == checked) return;
    e.checked = checked;
    changed();
}

bool FilterLists::hasText(int list, std::string_view text) const {
    const auto& es = entries(list);
    return std::any_of(es.begin(), es.end(), [&](const FilterEntry& e) { return e.text == text; });
}

bool FilterLists::hasKey(int list, std::string_view key) const {
    const auto& es = entries(list);
    return std::any_of(es.begin(), es.end(), [&](const FilterEntry& e) { return e.key == key; });
}

void FilterLists::changed() { revision_ = nextRevision(); }

}  // namespace qv::engine
