#include "platform/base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/base/temp_files.h"

namespace qv::base {

namespace {
AtomicWriteHook g_hook;

bool writeAll(int fd, std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool statOf(std::string_view path, struct stat& st) {
    std::string p = nativePath(path);
    return !p.empty() && ::stat(p.c_str(), &st) == 0;
}
}  // namespace

std::string nativePath(std::string_view path) {
    std::string p(path);
    for (auto& c : p)
        if (c == '\\') c = '/';
    return p;
}

std::string joinPath(std::string_view a, std::string_view b) {
    std::string r(a);
    if (r.empty()) return std::string(b);
    bool aSep = r.back() == '/' || r.back() == '\\';
    bool bSep = !b.empty() && (b.front() == '/' || b.front() == '\\');
    if (aSep && bSep) r.pop_back();
    else if (!aSep && !bSep) r += '/';
    r.append(b);
    return r;
}

std::string fileNameOf(std::string_view path) {
    auto p = path.find_last_of("\\/");
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string folderOf(std::string_view path) {
    auto p = path.find_last_of("\\/");
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p));
}

std::string linkTarget(std::string_view path) {
    std::string p = nativePath(path);
    // As many hops as the kernel follows before it gives up on a loop.
    for (int hop = 0; hop < 40; ++hop) {
        char buf[4096];
        const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
        if (n < 0) return p;  // not a link, or nothing there
        const std::string link(buf, static_cast<std::size_t>(n));
        if (link.front() == '/') {
            p = link;
            continue;
        }
        const auto slash = p.rfind('/');
        p.resize(slash == std::string::npos ? 0 : slash + 1);  // the link's own folder
        p.append(link);
    }
    return {};
}

std::optional<std::string> readFile(std::string_view path) {
    std::string p = nativePath(path);
    int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

bool writeFileAtomic(std::string_view path, std::string_view data) {
    // Through a symbolic link the file it leads to is replaced, and the link stays.
    const std::string target = linkTarget(path);
    if (target.empty()) return false;
    std::string folder = folderOf(target);
    if (folder.empty()) folder.push_back(target.front() == '/' ? '/' : '.');
    removeLeftoverTemps(folder);
    TempFile temp = createTempBeside(folder, fileNameOf(target));
    if (temp.fd < 0) return false;
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(temp.fd, old.st_mode & 07777);
    bool ok = writeAll(temp.fd, data) && ::fsync(temp.fd) == 0;
    if (ok && g_hook && !g_hook(target, temp.path)) {
        ::close(temp.fd);  // simulated crash: the temporary file stays
        return false;
    }
    ok = ok && ::rename(temp.path.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.path.c_str());
    // Closing lets go of the temporary file's lock only now, after the rename, so a reader
    // waiting to lock the new file gets it once it is complete and in place.
    ok = ::close(temp.fd) == 0 && ok;
    if (ok) syncFolder(folder);
    return ok;
}

bool appendFile(std::string_view path, std::string_view data) {
    std::string p = nativePath(path);
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data);
    return ::close(fd) == 0 && ok;
}

bool appendLine(std::string_view path, std::string_view line) {
    std::string s(line);
    s += "\r\n";
    return appendFile(path, s);
}

bool fileExists(std::string_view path) {
    struct stat st{};
    return statOf(path, st) && S_ISREG(st.st_mode);
}

bool dirExists(std::string_view path) {
    struct stat st{};
    return statOf(path, st) && S_ISDIR(st.st_mode);
}

bool pathExists(std::string_view path) {
    struct stat st{};
    return statOf(path, st);
}

std::optional<uint64_t> fileLength(std::string_view path) {
    struct stat st{};
    if (!statOf(path, st) || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<uint64_t>(st.st_size);
}

std::optional<DateTime> fileModified(std::string_view path) {
    struct stat st{};
    if (!statOf(path, st)) return std::nullopt;
    std::time_t secs = st.st_mtim.tv_sec;
    std::tm tm{};
    localtime_r(&secs, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, 0};
}

std::string FileDateTimeText(std::string_view path) {
    auto t = fileModified(path);
    return t ? DateTimeText(*t) : std::string();
}

bool makeDir(std::string_view path) {
    std::string p = nativePath(path);
    return !p.empty() && ::mkdir(p.c_str(), 0755) == 0;
}

bool makeDirs(std::string_view path) {
    std::string p = nativePath(path);
    if (p.empty()) return false;
    for (std::size_t i = 1; i <= p.size(); ++i) {
        if (i == p.size() || p[i] == '/') {
            std::string part = p.substr(0, i);
            if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return dirExists(p);
}

bool removeDir(std::string_view path) {
    std::string p = nativePath(path);
    return ::rmdir(p.c_str()) == 0;
}

bool removeFile(std::string_view path) {
    std::string p = nativePath(path);
    if (dirExists(p)) return false;
    return ::unlink(p.c_str()) == 0;
}

bool renameFile(std::string_view from, std::string_view to) {
    std::string a = nativePath(from), b = nativePath(to);
    return ::rename(a.c_str(), b.c_str()) == 0;
}

void setAtomicWriteHook(AtomicWriteHook hook) { g_hook = std::move(hook); }

}  // namespace qv::base
