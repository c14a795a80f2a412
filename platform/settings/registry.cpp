#include "platform/settings/registry.h"

#include <map>
#include <optional>

#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/settings/autostart.h"
#include "platform/settings/config_folder.h"
#include "platform/settings/registry_store.h"

namespace qv::settings {

namespace {

struct OpenKey {
    HKey root;
    std::string path;
    std::uint32_t access;
};

// Handles are never reused within a run, so a closed handle stays invalid.
struct Handles {
    std::map<HKey, OpenKey> open;
    HKey next = 0x100;
};

Handles& handles() {
    static Handles h;
    return h;
}

bool isRoot(HKey key) { return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE; }

std::optional<OpenKey> resolve(HKey key) {
    if (isRoot(key)) return OpenKey{key, "", KEY_ALL_ACCESS};
    auto it = handles().open.find(key);
    if (it == handles().open.end()) return std::nullopt;
    return it->second;
}

std::string joinKey(const std::string& parent, std::string_view sub) {
    if (parent.empty()) return std::string(sub);
    if (sub.empty()) return parent;
    return parent + "\\" + std::string(sub);
}

bool isRunKey(const OpenKey& k) {
    return k.root == HKEY_CURRENT_USER && base::equalsNoCase(k.path, kRunKeyPath);
}

bool isString(std::uint32_t type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

long open(HKey root, std::string_view subKey, std::uint32_t access, bool create, HKey& result) {
    result = 0;
    const auto parent = resolve(root);
    if (!parent) return ERROR_INVALID_HANDLE;
    if (!validKeyPath(subKey)) return ERROR_INVALID_PARAMETER;
    const std::string path = joinKey(parent->path, subKey);
    std::optional<HiveLock> lock;
    if (create) {
        lock.emplace(parent->root);
        if (!lock->held()) return ERROR_WRITE_FAULT;
    }
    RegistryHive hive;
    if (long rc = loadHive(parent->root, hive); rc != ERROR_SUCCESS) return rc;
    if (!hive.hasKey(path)) {
        if (!create) return ERROR_FILE_NOT_FOUND;
        hive.createKey(path);
        if (long rc = saveHive(parent->root, hive); rc != ERROR_SUCCESS) return rc;
    }
    result = handles().next++;
    handles().open[result] = OpenKey{parent->root, path, access};
    return ERROR_SUCCESS;
}

// Puts a Run value's autostart entry in line with the value; returns false when it cannot.
bool mirrorRunValue(std::string_view name, const RegValue* value) {
    if (value && isString(value->type)) return writeAutostartEntry(name, value->data);
    return removeAutostartEntry(name);
}

}  // namespace

std::string registryFile(HKey root) {
    if (root == HKEY_CURRENT_USER) return base::joinPath(programConfigFolder(), "registry-current-user.txt");
    if (root == HKEY_LOCAL_MACHINE) return base::joinPath(programConfigFolder(), "registry-local-machine.txt");
    return "";
}

long loadHive(HKey root, RegistryHive& hive) {
    const std::string file = registryFile(root);
    if (file.empty()) return ERROR_INVALID_HANDLE;
    hive = RegistryHive();
    if (auto text = base::readFile(file)) {
        auto parsed = RegistryHive::parse(*text);
        if (!parsed.hive) return ERROR_BADDB;
        hive = std::move(*parsed.hive);
    } else if (base::pathExists(file)) {
        return ERROR_BADDB;  // there but unreadable: never replace it
    }
    if (root == HKEY_CURRENT_USER) hive.createKey(kRunKeyPath);
    return ERROR_SUCCESS;
}

HiveLock::HiveLock(HKey root) {
    const std::string file = registryFile(root);
    if (file.empty()) return;
    const std::string folder = base::folderOf(file);
    if (!base::dirExists(folder) && !base::makeDirs(folder)) return;
    lock_.emplace(file);
}

long saveHive(HKey root, const RegistryHive& hive) {
    const std::string file = registryFile(root);
    if (file.empty()) return ERROR_INVALID_HANDLE;
    const std::string folder = base::folderOf(file);
    if (!base::dirExists(folder) && !base::makeDirs(folder)) return ERROR_WRITE_FAULT;
    return base::writeFileAtomic(file, hive.text()) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

long RegOpenKeyEx(HKey root, std::string_view subKey, std::uint32_t, std::uint32_t access, HKey& result) {
    return open(root, subKey, access, false, result);
}

long RegCreateKeyEx(HKey root, std::string_view subKey, std::uint32_t access, HKey& result) {
    return open(root, subKey, access, true, result);
}

long RegSetValueEx(HKey key, std::string_view name, std::uint32_t type, std::string_view data) {
    const auto k = resolve(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if (!validValueName(name)) return ERROR_INVALID_PARAMETER;
    const bool run = isRunKey(*k);
    if (run && (!autostartFileName(name) || (isString(type) && !autostartExec(data))))
        return ERROR_INVALID_PARAMETER;
    const HiveLock lock(k->root);
    if (!lock.held()) return ERROR_WRITE_FAULT;
    RegistryHive hive;
    if (long rc = loadHive(k->root, hive); rc != ERROR_SUCCESS) return rc;
    const std::optional<RegValue> before =
        hive.value(k->path, name) ? std::optional<RegValue>(*hive.value(k->path, name)) : std::nullopt;
    const RegValue value{type, std::string(data)};
    // The entry first: a value that says "starts with the desktop" must not exist without it.
    if (run && !mirrorRunValue(name, &value)) return ERROR_WRITE_FAULT;
    hive.setValue(k->path, name, value);
    if (long rc = saveHive(k->root, hive); rc != ERROR_SUCCESS) {
        if (run) mirrorRunValue(name, before ? &*before : nullptr);
        return rc;
    }
    return ERROR_SUCCESS;
}

long RegQueryValueEx(HKey key, std::string_view name, std::uint32_t* type, std::string* data,
                     std::uint32_t* size) {
    const auto k = resolve(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    RegistryHive hive;
    if (long rc = loadHive(k->root, hive); rc != ERROR_SUCCESS) return rc;
    const RegValue* v = hive.value(k->path, name);
    if (!v) return ERROR_FILE_NOT_FOUND;
    if (type) *type = v->type;
    const auto needed = static_cast<std::uint32_t>(v->data.size());
    const std::uint32_t room = size ? *size : 0;
    if (size) *size = needed;
    if (!data) return ERROR_SUCCESS;
    if (room < needed) return ERROR_MORE_DATA;
    *data = v->data;
    return ERROR_SUCCESS;
}

long RegDeleteValue(HKey key, std::string_view name) {
    const auto k = resolve(key);
    if (!k) return ERROR_INVALID_HANDLE;
    if (!(k->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    const HiveLock lock(k->root);
    if (!lock.held()) return ERROR_WRITE_FAULT;
    RegistryHive hive;
    if (long rc = loadHive(k->root, hive); rc != ERROR_SUCCESS) return rc;
    const bool run = isRunKey(*k);
    if (!hive.removeValue(k->path, name)) {
        if (run) removeAutostartEntry(name);  // a stale entry of ours goes too
        return ERROR_FILE_NOT_FOUND;
    }
    if (long rc = saveHive(k->root, hive); rc != ERROR_SUCCESS) return rc;
    if (run && !removeAutostartEntry(name)) return ERROR_WRITE_FAULT;
    return ERROR_SUCCESS;
}

long RegCloseKey(HKey key) {
    if (isRoot(key)) return ERROR_SUCCESS;
    return handles().open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace qv::settings
