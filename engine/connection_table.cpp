#include "engine/connection_table.h"

#include <utility>

namespace qv::engine {

ConnectionRecord* ConnectionTable::at(int index) {
    if (index < 0 || index >= count()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

const ConnectionRecord* ConnectionTable::at(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

int ConnectionTable::add(ConnectionRecord record) {
    records_.push_back(std::move(record));
    return count() - 1;
}

ConnectionTable& Connections() {
    static ConnectionTable table;
    return table;
}

}  // namespace qv::engine
