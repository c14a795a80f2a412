#pragma once
// A collection of interfaces, walked member by member or taken by 1-based position.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/cinterface.h"

namespace qv::engine {

class CInterfaces {
public:
    using Member = std::shared_ptr<CInterface>;

    // Adds the object at the end and returns it.
    Member Add(Member objInterface);
    // The member at a 1-based position; null when there is none (an empty table has no item 1).
    Member Item(int position) const;
    int Count() const { return static_cast<int>(members_.size()); }
    // Removes the member at a 1-based position; nothing for a position outside the collection.
    void Remove(int position);

    // NewEnum: the members in order.
    std::vector<Member>::const_iterator begin() const { return members_.begin(); }
    std::vector<Member>::const_iterator end() const { return members_.end(); }

private:
    std::vector<Member> members_;
};

}  // namespace qv::engine
