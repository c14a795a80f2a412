#pragma once
// The filter lists: remote addresses, remote ports and local ports whose checked entries the
// filter pass closes. The filter editor holds them and shows them; the block dialog adds to them;
// the filter file stores them. An address entry keeps the address as typed (its text) and the
// dotted form it resolved to (its key); a port entry keeps the port's digits as its text and has
// no key.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::engine {

enum FilterList : int {
    kRemoteAddressList = 0,  // `lvwFilter(0)`, compared by key
    kRemotePortList = 1,     // `lvwFilter(1)`, compared by text
    kLocalPortList = 2,      // `lvwFilter(2)`, compared by text
};
inline constexpr int kFilterListCount = 3;

struct FilterEntry {
    std::string text;
    std::string key;  // address entries only
    bool checked = false;
    bool operator==(const FilterEntry&) const = default;
};

// The longest text or key the filter file gives back whole.
inline constexpr std::size_t kMaxFilterText = 254;

// True when a text can be stored in the filter file and read back as it stands: not empty, at
// most kMaxFilterText bytes, no control character, no blank at either end.
bool StorableFilterText(std::string_view text);

class FilterLists {
public:
    // The entries of one list in list order (entry number i + 1 is index i).
    const std::vector<FilterEntry>& entries(int list) const;
    int count(int list) const { return static_cast<int>(entries(list).size()); }

    // Adds an entry at the end of a list. Refused (false, nothing added) when its text, or an
    // address entry's key, is not storable, when a port entry has a key, or when an address
    // entry's key is one the list holds already.
    bool add(int list, FilterEntry entry);
    // Checks or unchecks entry index of a list; an index outside the list does nothing.
    void setChecked(int list, int index, bool checked);

    bool hasText(int list, std::string_view text) const;
    bool hasKey(int list, std::string_view key) const;

    // Changes with every change of any FilterLists, so a reader can keep what it worked out from
    // the lists until this moves.
    uint64_t revision() const { return revision_; }

    bool operator==(const FilterLists& other) const { return lists_ == other.lists_; }

private:
    void changed();

    std::array<std::vector<FilterEntry>, kFilterListCount> lists_;
    uint64_t revision_ = 0;
};

}  // namespace qv::engine
