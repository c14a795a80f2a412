#include "platform/base/temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace qv::base {

namespace {

constexpr std::string_view kMark = ".qvtmp";
constexpr std::size_t kRandomDigits = 16;
constexpr std::size_t kNameMax = 255;
constexpr std::time_t kOldFormAge = 600;

bool allOf(std::string_view s, bool (*pred)(char)) {
    for (char c : s)
        if (!pred(c)) return false;
    return !s.empty();
}
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isCurrentForm(std::string_view name) {
    constexpr std::size_t tail = kMark.size() + kRandomDigits;
    if (name.size() <= tail + 1 || name.front() != '.') return false;
    return name.substr(name.size() - tail, kMark.size()) == kMark &&
           allOf(name.substr(name.size() - kRandomDigits), isHexDigit);
}

// ".name.tmp<pid>_<count>", as earlier versions named them.
bool isEarlierForm(std::string_view name) {
    if (name.size() < 2 || name.front() != '.') return false;
    const auto at = name.rfind(".tmp");
    if (at == std::string_view::npos || at == 0) return false;
    const std::string_view rest = name.substr(at + 4);
    const auto bar = rest.find('_');
    return bar != std::string_view::npos && allOf(rest.substr(0, bar), isDigit) &&
           allOf(rest.substr(bar + 1), isDigit);
}

std::string randomDigits() {
    uint64_t r = 0;
    if (::getrandom(&r, sizeof r, 0) != static_cast<ssize_t>(sizeof r)) {
        // No entropy to be had: time and process id still tell writers apart, and a name
        // that is taken is passed over anyway.
        timespec t{};
        ::clock_gettime(CLOCK_REALTIME, &t);
        r = static_cast<uint64_t>(t.tv_nsec) * 0x9E3779B97F4A7C15u ^ static_cast<uint64_t>(t.tv_sec) ^
            static_cast<uint64_t>(::getpid()) << 40;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string s(kRandomDigits, '0');
    for (std::size_t i = 0; i < kRandomDigits; ++i) s[i] = kHex[(r >> (4 * i)) & 15];
    return s;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The path still names the file open as fd.
bool stillNamed(int fd, const std::string& path) {
    struct stat open{}, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && sameFile(open, named);
}

bool lockExclusive(int fd, bool wait) {
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB));
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

std::string inFolder(const std::string& folder, std::string_view name) {
    std::string p = folder;
    if (p.back() != '/') p += '/';
    p.append(name);
    return p;
}

}  // namespace

bool isTempFileName(std::string_view name) { return isCurrentForm(name) || isEarlierForm(name); }

TempFile createTempBeside(const std::string& folder, std::string_view name) {
    // The target's name is cut where the whole would not fit a file name.
    const std::size_t room = kNameMax - 1 - kMark.size() - kRandomDigits;
    const std::string stem = "." + std::string(name.substr(0, room)) + std::string(kMark);
    for (int attempt = 0; attempt < 16; ++attempt) {
        TempFile t;
        t.path = inFolder(folder, stem + randomDigits());
        t.fd = ::open(t.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (t.fd < 0) {
            if (errno == EEXIST) continue;
            return {};
        }
        // A cleanup in another process may have taken the file for a leftover in the moment
        // between its making and its locking; then it is gone, and another name is tried.
        if (lockExclusive(t.fd, true) && stillNamed(t.fd, t.path)) return t;
        ::close(t.fd);
    }
    return {};
}

void removeLeftoverTemps(const std::string& folder) {
    DIR* d = ::opendir(folder.c_str());
    if (!d) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        const bool current = isCurrentForm(name);
        if (!current && !isEarlierForm(name)) continue;
        const std::string path = inFolder(folder, name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st{};
        const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        // Earlier writers took no lock: only an old file of theirs is surely abandoned.
        const bool abandoned = current || now - st.st_mtime >= kOldFormAge;
        if (regular && abandoned && lockExclusive(fd, false) && stillNamed(fd, path)) ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

}  // namespace qv::base
