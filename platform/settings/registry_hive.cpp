#include "platform/settings/registry_hive.h"

#include <algorithm>
#include <charconv>

#include "platform/base/text.h"

namespace qv::settings {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool hasControl(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

constexpr char kHex[] = "0123456789abcdef";

std::string quote(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += ch;
        } else if (isControl(c)) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text at the front of s and moves s past it.
std::optional<std::string> unquote(std::string_view& s) {
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string out;
    std::size_t i = 1;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= s.size()) return std::nullopt;
        const char e = s[i + 1];
        if (e == '\\' || e == '"') {
            out += e;
            i += 2;
        } else if (e == 'x' && i + 3 < s.size() && hexDigit(s[i + 2]) >= 0 && hexDigit(s[i + 3]) >= 0) {
            out += static_cast<char>(hexDigit(s[i + 2]) * 16 + hexDigit(s[i + 3]));
            i += 4;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string dataText(const RegValue& v) {
    if (v.type == REG_SZ) return "sz:" + quote(v.data);
    if (v.type == REG_EXPAND_SZ) return "expand_sz:" + quote(v.data);
    if (v.type == REG_DWORD && v.data.size() == 4) {
        std::string out = "dword:";
        for (int i = 3; i >= 0; --i) {
            const auto b = static_cast<unsigned char>(v.data[static_cast<std::size_t>(i)]);
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
        return out;
    }
    std::string out = "hex(" + std::to_string(v.type) + "):";
    for (std::size_t i = 0; i < v.data.size(); ++i) {
        const auto b = static_cast<unsigned char>(v.data[i]);
        if (i) out += ',';
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}

// Whether the key path is `path` itself or a key below it.
bool atOrBelow(std::string_view key, std::string_view path) {
    if (key.size() < path.size() || !base::equalsNoCase(key.substr(0, path.size()), path)) return false;
    return key.size() == path.size() || key[path.size()] == '\\';
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

std::optional<RegValue> parseData(std::string_view s) {
    RegValue v;
    if (startsWith(s, "sz:") || startsWith(s, "expand_sz:")) {
        v.type = s[0] == 's' ? REG_SZ : REG_EXPAND_SZ;
        s.remove_prefix(s.find(':') + 1);
        auto text = unquote(s);
        if (!text || !s.empty()) return std::nullopt;
        v.data = std::move(*text);
        return v;
    }
    if (startsWith(s, "dword:")) {
        s.remove_prefix(6);
        if (s.size() != 8) return std::nullopt;
        v.type = REG_DWORD;
        v.data.assign(4, '\0');
        for (std::size_t i = 0; i < 4; ++i) {
            const int hi = hexDigit(s[2 * i]), lo = hexDigit(s[2 * i + 1]);
            if (hi < 0 || lo < 0) return std::nullopt;
            v.data[3 - i] = static_cast<char>(hi * 16 + lo);
        }
        return v;
    }
    if (startsWith(s, "hex(")) {
        s.remove_prefix(4);
        const auto close = s.find("):");
        if (close == std::string_view::npos || close == 0) return std::nullopt;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + close, v.type);
        if (ec != std::errc() || end != s.data() + close) return std::nullopt;
        s.remove_prefix(close + 2);
        while (!s.empty()) {
            if (s.size() < 2 || hexDigit(s[0]) < 0 || hexDigit(s[1]) < 0) return std::nullopt;
            v.data += static_cast<char>(hexDigit(s[0]) * 16 + hexDigit(s[1]));
            s.remove_prefix(2);
            if (!s.empty()) {
                if (s.front() != ',' || s.size() == 1) return std::nullopt;
                s.remove_prefix(1);
            }
        }
        return v;
    }
    return std::nullopt;
}

}  // namespace

bool validKeyPath(std::string_view path) {
    if (path.empty()) return true;
    if (hasControl(path)) return false;
    for (const auto& part : base::Split(path, "\\")) {
        if (part.empty()) return false;
    }
    return true;
}

bool validValueName(std::string_view name) { return !hasControl(name); }

RegistryHive::ParseResult RegistryHive::parse(std::string_view text) {
    RegistryHive hive;
    Key* current = nullptr;
    std::size_t lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (line.back() != ']') return {std::nullopt, lineNo};
            const std::string_view path = line.substr(1, line.size() - 2);
            if (!validKeyPath(path)) return {std::nullopt, lineNo};
            current = &hive.ensureKey(path);
            continue;
        }
        std::string_view rest = line;
        auto name = unquote(rest);
        if (!current || !name || !validValueName(*name) || rest.empty() || rest.front() != '=')
            return {std::nullopt, lineNo};
        rest.remove_prefix(1);
        auto value = parseData(rest);
        if (!value) return {std::nullopt, lineNo};
        hive.setValue(current->path, *name, std::move(*value));
    }
    return {std::move(hive), 0};
}

std::string RegistryHive::text() const {
    std::string out;
    for (const Key& k : keys_) {
        out += "[" + k.path + "]\r\n";
        for (const auto& [name, value] : k.values) out += quote(name) + "=" + dataText(value) + "\r\n";
    }
    return out;
}

RegistryHive::Key* RegistryHive::findKey(std::string_view path) {
    auto it = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return base::equalsNoCase(k.path, path); });
    return it == keys_.end() ? nullptr : &*it;
}

const RegistryHive::Key* RegistryHive::findKey(std::string_view path) const {
    return const_cast<RegistryHive*>(this)->findKey(path);
}

bool RegistryHive::hasKey(std::string_view path) const {
    if (path.empty()) return true;
    return std::any_of(keys_.begin(), keys_.end(), [&](const Key& k) { return atOrBelow(k.path, path); });
}

RegistryHive::Key& RegistryHive::ensureKey(std::string_view path) {
    if (Key* k = findKey(path)) return *k;
    return keys_.emplace_back(Key{std::string(path), {}});
}

void RegistryHive::createKey(std::string_view path) {
    if (!path.empty()) ensureKey(path);
}

const RegValue* RegistryHive::value(std::string_view key, std::string_view name) const {
    const Key* k = findKey(key);
    if (!k) return nullptr;
    for (const auto& [n, v] : k->values) {
        if (base::equalsNoCase(n, name)) return &v;
    }
    return nullptr;
}

void RegistryHive::setValue(std::string_view key, std::string_view name, RegValue value) {
    Key* k = &ensureKey(key);  // the root itself holds its values under the empty path
    for (auto& [n, v] : k->values) {
        if (base::equalsNoCase(n, name)) {
            v = std::move(value);
            return;
        }
    }
    k->values.emplace_back(std::string(name), std::move(value));
}

bool RegistryHive::removeValue(std::string_view key, std::string_view name) {
    Key* k = findKey(key);
    if (!k) return false;
    const auto before = k->values.size();
    std::erase_if(k->values, [&](const auto& nv) { return base::equalsNoCase(nv.first, name); });
    return k->values.size() != before;
}

bool RegistryHive::removeKey(std::string_view path) {
    if (path.empty() || !hasKey(path)) return false;
    std::erase_if(keys_, [&](const Key& k) { return atOrBelow(k.path, path); });
    return true;
}

}  // namespace qv::settings
