#pragma once
// A file dialog's filter, "Text (*.txt)|*.txt|All files|*.*": pairs of a description and
// patterns separated by ";", matched against file names without regard to case.
#include <string>
#include <string_view>
#include <vector>

namespace qv::forms {

struct FileType {
    std::string description;
    std::vector<std::string> patterns;
};

// An empty filter gives one type that matches every file.
std::vector<FileType> parseFileFilter(std::string_view filter);
// "*" stands for any run of characters and "?" for one; "*.*" matches names without a dot too.
bool matchesPattern(std::string_view name, std::string_view pattern);
bool matchesType(std::string_view name, const FileType& type);

}  // namespace qv::forms
