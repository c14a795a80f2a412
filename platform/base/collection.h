#pragma once
// A Basic Collection of texts: items added in order and read by their 1-based position; a
// position outside 1..Count is error 9 (subscript out of range).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/basic_error.h"

namespace qv::base {

class Collection {
public:
    void Add(std::string item) { items_.push_back(std::move(item)); }
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    const std::string& Item(int32_t index) const {
        if (index < 1 || index > Count()) throw BasicError(kSubscriptOutOfRange, "Subscript out of range");
        return items_[static_cast<std::size_t>(index - 1)];
    }
    const std::string& operator()(int32_t index) const { return Item(index); }

private:
    std::vector<std::string> items_;
};

}  // namespace qv::base
