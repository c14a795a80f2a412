#include "engine/version_reader.h"

#include <filesystem>
#include <optional>
#include <unordered_map>

#include "engine/version_text.h"
#include "platform/base/files.h"

namespace qv::engine {

namespace {

struct VersionKey {
    std::string_view key;
    std::size_t wideOffset;    // from the key's first byte to its value in a wide block
    std::size_t narrowOffset;  // the same in a narrow block
    std::string_view stopKey;  // the next entry's key; a value that holds it ran too far
};

constexpr VersionKey kDescription{"FileDescription", 34, 16, "FileVersion"};
constexpr VersionKey kVersion{"FileVersion", 26, 12, "InternalName"};
constexpr std::size_t kFallbackWindow = 255;

// The value that starts at start and ends at the first control character within the window.
std::string_view cutAtControl(std::string_view bytes, std::size_t start) {
    std::string_view window = bytes.substr(start, kFallbackWindow);
    std::size_t i = 0;
    while (i < window.size() && static_cast<unsigned char>(window[i]) >= 32) ++i;
    return window.substr(0, i);
}

std::string readValue(std::string_view bytes, const VersionKey& k) {
    static const std::string wideInfo = ToWideText("StringFileInfo");
    std::size_t keyPos;
    std::size_t offset;
    std::size_t info = bytes.find(wideInfo);
    if (info != std::string_view::npos) {
        keyPos = bytes.find(ToWideText(k.key), info);
        offset = k.wideOffset;
    } else {
        info = bytes.find("StringFileInfo");
        if (info == std::string_view::npos) info = 0;
        keyPos = bytes.find(k.key, info);
        offset = k.narrowOffset;
    }
    if (keyPos == std::string_view::npos) return "";

    std::size_t start = keyPos + offset;
    if (start >= bytes.size()) return "";
    std::size_t end = bytes.find(std::string_view("\0\0\0", 3), start);
    std::string_view value;
    if (end == std::string_view::npos) {
        // No end marker before the file ends: never take the rest of the file as a value.
        value = cutAtControl(bytes, start);
    } else {
        value = bytes.substr(start, end - start);
        if (value.find(k.stopKey) != std::string_view::npos) value = cutAtControl(bytes, start);
    }
    return ReplaceText(value, std::string_view("\0", 1), "");
}

struct CachedAnswer {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    std::string description;
    std::string version;
};

constexpr std::size_t kCacheLimit = 4096;

std::unordered_map<std::string, CachedAnswer>& cache() {
    static std::unordered_map<std::string, CachedAnswer> c;
    return c;
}

// The answers for path, read afresh when the file's size or time differs from the kept ones.
std::optional<CachedAnswer> answersFor(std::string_view path) {
    std::error_code ec;
    const std::filesystem::path p(base::nativePath(path));
    std::uintmax_t size = std::filesystem::file_size(p, ec);
    if (ec) return std::nullopt;
    auto modified = std::filesystem::last_write_time(p, ec);
    if (ec) return std::nullopt;

    std::string key(path);
    auto it = cache().find(key);
    if (it != cache().end() && it->second.size == size && it->second.modified == modified)
        return it->second;

    std::optional<std::string> bytes = base::readFile(path);
    if (!bytes) return std::nullopt;
    CachedAnswer answer{size, modified, FileDescriptionFromBytes(*bytes), FileVersionFromBytes(*bytes)};
    // A file that changed while it was read is answered but not kept.
    if (bytes->size() == size) {
        if (cache().size() >= kCacheLimit) cache().clear();
        cache()[key] = answer;
    }
    return answer;
}

}  // namespace

std::string FileDescriptionFromBytes(std::string_view bytes) { return readValue(bytes, kDescription); }
std::string FileVersionFromBytes(std::string_view bytes) { return readValue(bytes, kVersion); }

std::string GetFileDescription(std::string_view path) {
    auto a = answersFor(path);
    return a ? a->description : std::string();
}

std::string GetFileVersion(std::string_view path) {
    auto a = answersFor(path);
    return a ? a->version : std::string();
}

void ClearVersionCache() { cache().clear(); }

}  // namespace qv::engine
