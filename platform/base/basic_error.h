#pragma once
// The run-time errors of the Basic-style helpers, by their classic numbers.
#include <stdexcept>
#include <string>

namespace qv::base {

enum BasicErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kPathNotFound = 76,
};

class BasicError : public std::runtime_error {
public:
    BasicError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

}  // namespace qv::base
