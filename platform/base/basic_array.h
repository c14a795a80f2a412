#pragma once
// A Basic dynamic array: not dimensioned until ReDim gives it bounds lower..upper; ReDim
// Preserve changes its upper bound keeping the elements that still fit; an index outside the
// bounds, or any index of an array not dimensioned, is error 9 (subscript out of range).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/basic_error.h"

namespace qv::base {

template <class T>
class BasicArray {
public:
    bool dimensioned() const { return dimensioned_; }
    int32_t LBound() const {
        requireDimensioned();
        return lower_;
    }
    int32_t UBound() const {
        requireDimensioned();
        return lower_ + static_cast<int32_t>(items_.size()) - 1;
    }

    // New bounds, every element its type's default.
    void ReDim(int32_t lower, int32_t upper) {
        if (upper < lower) outOfRange();
        lower_ = lower;
        items_.assign(static_cast<std::size_t>(int64_t{upper} - lower + 1), T{});
        dimensioned_ = true;
    }
    // New bounds keeping the elements that fit. A dimensioned array keeps its lower bound: a
    // different one is error 9, as Basic allows only the last bound to change.
    void ReDimPreserve(int32_t lower, int32_t upper) {
        if (!dimensioned_) return ReDim(lower, upper);
        if (lower != lower_ || upper < lower) outOfRange();
        items_.resize(static_cast<std::size_t>(int64_t{upper} - lower + 1), T{});
    }
    void Erase() {
        items_.clear();
        dimensioned_ = false;
    }

    T& operator()(int32_t index) { return items_[slot(index)]; }
    const T& operator()(int32_t index) const { return items_[slot(index)]; }

private:
    [[noreturn]] static void outOfRange() { throw BasicError(kSubscriptOutOfRange, "Subscript out of range"); }
    void requireDimensioned() const {
        if (!dimensioned_) outOfRange();
    }
    std::size_t slot(int32_t index) const {
        requireDimensioned();
        if (index < lower_ || index > UBound()) outOfRange();
        return static_cast<std::size_t>(int64_t{index} - lower_);
    }

    std::vector<T> items_;
    int32_t lower_ = 0;
    bool dimensioned_ = false;
};

}  // namespace qv::base
