#include "platform/host/linux/process_info.h"

#include <dirent.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "platform/host/linux/proc_files.h"

namespace qv::host::procfs {

namespace {

std::optional<uint32_t> decimalId(const char* s) {
    if (!*s) return std::nullopt;
    uint64_t v = 0;
    for (const char* p = s; *p; ++p) {
        if (*p < '0' || *p > '9') return std::nullopt;
        v = v * 10 + static_cast<uint64_t>(*p - '0');
        if (v > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<uint32_t>(v);
}

template <typename F>
void eachNumericEntry(const std::string& dir, F f) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = ::readdir(d))
        if (auto id = decimalId(e->d_name)) f(*id);
    ::closedir(d);
}

std::string procPath(uint32_t processId, const char* leaf) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%u/%s", processId, leaf);
    return path;
}

}  // namespace

std::optional<ProcessStat> parseProcessStat(std::string_view text) {
    size_t close = text.rfind(')');
    if (close == std::string_view::npos || text.find('(') > close) return std::nullopt;
    std::string_view rest = text.substr(close + 1);
    // Fields after the name: state (3), ppid (4), ..., starttime (22).
    std::vector<std::string_view> f;
    size_t i = 0;
    while (i < rest.size() && f.size() < 20) {
        while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\n')) ++i;
        size_t start = i;
        while (i < rest.size() && rest[i] != ' ' && rest[i] != '\n') ++i;
        if (i > start) f.push_back(rest.substr(start, i - start));
    }
    if (f.size() < 20 || f[0].size() != 1) return std::nullopt;
    ProcessStat s;
    s.state = f[0][0];
    auto parse = [](std::string_view t, auto& out) {
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
        return ec == std::errc() && p == t.data() + t.size();
    };
    int64_t parent = 0;
    if (!parse(f[1], parent) || !parse(f[19], s.startTime)) return std::nullopt;
    s.parentId = parent > 0 ? static_cast<uint32_t>(parent) : 0;
    return s;
}

std::optional<ProcessStat> processStat(uint32_t processId) {
    auto text = readWholeFile(procPath(processId, "stat"));
    if (!text) return std::nullopt;
    return parseProcessStat(*text);
}

std::vector<uint32_t> listProcessIds() {
    std::vector<uint32_t> ids;
    eachNumericEntry("/proc", [&](uint32_t id) { ids.push_back(id); });
    return ids;
}

std::string executablePath(uint32_t processId) {
    std::string link = procPath(processId, "exe");
    char buf[4096];
    ssize_t n = ::readlink(link.c_str(), buf, sizeof buf);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buf) return {};
    std::string path(buf, static_cast<size_t>(n));
    // A replaced or removed executable keeps its old path with this mark.
    static const std::string_view deleted = " (deleted)";
    if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    return path;
}

std::vector<ThreadEntry> listThreads() {
    std::vector<ThreadEntry> threads;
    for (uint32_t pid : listProcessIds())
        eachNumericEntry(procPath(pid, "task"), [&](uint32_t tid) { threads.push_back({tid, pid}); });
    return threads;
}

std::optional<uint32_t> threadOwner(uint32_t threadId) {
    if (threadId == 0) return std::nullopt;
    auto text = readWholeFile(procPath(threadId, "status"));
    if (!text) return std::nullopt;
    size_t at = text->find("\nTgid:");
    if (at == std::string::npos) return std::nullopt;
    at += 6;
    while (at < text->size() && ((*text)[at] == ' ' || (*text)[at] == '\t')) ++at;
    uint32_t owner = 0;
    auto [p, ec] = std::from_chars(text->data() + at, text->data() + text->size(), owner);
    if (ec != std::errc() || owner == 0) return std::nullopt;
    return owner;
}

bool signalProcess(uint32_t processId, uint64_t startTime, int signal) {
    if (processId == 0 || processId > 0x7FFFFFFFu) return false;
    int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(processId), 0));
    if (pidfd < 0) return false;
    bool sent = false;
    auto stat = processStat(processId);
    if (stat && stat->startTime == startTime)
        sent = ::syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0) == 0;
    ::close(pidfd);
    return sent;
}

}  // namespace qv::host::procfs
