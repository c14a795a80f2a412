#include "cipher/file_names.h"

#include "platform/base/text.h"

namespace qv::cipher {

std::string FileExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    return base::LCase(path.substr(dot + 1));
}

std::string FileNameWithoutExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

}  // namespace qv::cipher
