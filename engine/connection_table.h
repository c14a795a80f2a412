#pragma once
// The connections of the last full poll pass, in the order netstat listed them. A record's
// index is its position here; alert windows carry it in their tags. The table has no fixed
// size: every connection netstat lists is kept, so every one of them is decided.
#include <cstddef>
#include <vector>

#include "engine/connection_record.h"

namespace qv::engine {

class ConnectionTable {
public:
    void clear() { records_.clear(); }
    int count() const { return static_cast<int>(records_.size()); }
    // The record at index, or null when index is outside 0 .. count - 1.
    ConnectionRecord* at(int index);
    const ConnectionRecord* at(int index) const;
    ConnectionRecord& operator[](int index) { return records_[static_cast<std::size_t>(index)]; }
    const ConnectionRecord& operator[](int index) const {
        return records_[static_cast<std::size_t>(index)];
    }
    // Appends a record and returns its index.
    int add(ConnectionRecord record);
    void reserve(std::size_t n) { records_.reserve(n); }

    std::vector<ConnectionRecord>& records() { return records_; }
    const std::vector<ConnectionRecord>& records() const { return records_; }

private:
    std::vector<ConnectionRecord> records_;
};

// The engine's one table, rebuilt by every full poll pass.
ConnectionTable& Connections();

}  // namespace qv::engine
