#include "platform/forms/design.h"

#include <cctype>

#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/text.h"

namespace qv::forms {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool isIdentifier(std::string_view s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
    for (char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at s[pos] == '"'; leaves pos after the closing quote.
std::string readQuoted(std::string_view s, size_t& pos, int line) {
    std::string out;
    ++pos;
    while (pos < s.size()) {
        char c = s[pos++];
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= s.size()) break;
        char e = s[pos++];
        switch (e) {
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                int hi = pos < s.size() ? hexDigit(s[pos]) : -1;
                int lo = pos + 1 < s.size() ? hexDigit(s[pos + 1]) : -1;
                if (hi < 0 || lo < 0) throw DesignError(line, "bad \\x escape");
                out += static_cast<char>(hi * 16 + lo);
                pos += 2;
                break;
            }
            default: throw DesignError(line, std::string("unknown escape \\") + e);
        }
    }
    throw DesignError(line, "text without its closing quote");
}

DesignValue parseValue(std::string_view raw, int line) {
    DesignValue v;
    v.line = line;
    raw = trim(raw);
    if (raw.empty()) throw DesignError(line, "a key without a value");
    if (raw.substr(0, 4) == "hex:") {
        v.kind = DesignValue::Kind::Bytes;
        int hi = -1;
        for (char c : raw.substr(4)) {
            if (isBlank(c)) continue;
            int d = hexDigit(c);
            if (d < 0) throw DesignError(line, "bad hexadecimal byte");
            if (hi < 0) {
                hi = d;
            } else {
                v.text += static_cast<char>(hi * 16 + d);
                hi = -1;
            }
        }
        if (hi >= 0) throw DesignError(line, "odd number of hexadecimal digits");
        return v;
    }
    // One or more comma-separated pieces, each quoted or bare.
    size_t pos = 0;
    bool first = true;
    while (pos < raw.size()) {
        while (pos < raw.size() && isBlank(raw[pos])) ++pos;
        std::string piece;
        bool quoted = false;
        if (pos < raw.size() && raw[pos] == '"') {
            piece = readQuoted(raw, pos, line);
            quoted = true;
        } else {
            size_t end = raw.find(',', pos);
            if (end == std::string_view::npos) end = raw.size();
            piece = std::string(trim(raw.substr(pos, end - pos)));
            if (piece.empty()) throw DesignError(line, "an empty item in a list value");
            pos = end;
        }
        while (pos < raw.size() && isBlank(raw[pos])) ++pos;
        if (pos < raw.size()) {
            if (raw[pos] != ',') throw DesignError(line, "text after a value");
            ++pos;
            if (pos >= raw.size()) throw DesignError(line, "a list value ending in a comma");
        }
        if (first) {
            v.kind = quoted ? DesignValue::Kind::Text : DesignValue::Kind::Word;
            v.text = piece;
            first = false;
        }
        v.parts.push_back(std::move(piece));
    }
    return v;
}

void parseHeader(std::string_view rest, DesignEntry& e, int line) {
    std::string_view nameAndIndex = trim(rest);
    size_t paren = nameAndIndex.find('(');
    if (paren != std::string_view::npos) {
        if (nameAndIndex.back() != ')') throw DesignError(line, "bad control-array index");
        auto idx = nameAndIndex.substr(paren + 1, nameAndIndex.size() - paren - 2);
        auto n = base::parseNumber(idx);
        if (!n || *n < 0 || *n > 32767 || *n != static_cast<int>(*n))
            throw DesignError(line, "bad control-array index");
        e.index = static_cast<int>(*n);
        nameAndIndex = nameAndIndex.substr(0, paren);
    }
    if (!isIdentifier(nameAndIndex)) throw DesignError(line, "bad name");
    e.name = std::string(nameAndIndex);
}

}  // namespace

DesignError::DesignError(int line, const std::string& what)
    : std::runtime_error(line > 0 ? "design line " + std::to_string(line) + ": " + what : what),
      line_(line) {}

std::string DesignValue::asText() const {
    if (kind == Kind::Bytes) throw DesignError(line, "bytes where a text is expected");
    return text;
}

double DesignValue::asNumber() const {
    if (kind != Kind::Word) throw DesignError(line, "expected a number");
    auto n = base::parseNumber(text);
    if (!n) throw DesignError(line, "expected a number, not " + text);
    return *n;
}

int32_t DesignValue::asLong() const {
    double n = asNumber();
    // Colours are written as &H80000000-style values: keep their bit pattern.
    if (n >= 2147483648.0 && n <= 4294967295.0) return static_cast<int32_t>(static_cast<uint32_t>(n));
    if (n < -2147483648.0 || n > 2147483647.0) throw DesignError(line, "number out of range");
    return base::CLng(n);
}

bool DesignValue::asBool() const {
    if (kind == Kind::Word) {
        if (base::equalsNoCase(text, "True")) return true;
        if (base::equalsNoCase(text, "False")) return false;
    }
    return asNumber() != 0;
}

std::vector<uint8_t> DesignValue::asBytes() const {
    if (kind != Kind::Bytes) throw DesignError(line, "expected hex: bytes");
    return std::vector<uint8_t>(text.begin(), text.end());
}

const DesignValue* DesignEntry::find(std::string_view key) const {
    const DesignValue* found = nullptr;
    for (auto& p : properties)
        if (base::equalsNoCase(p.key, key)) found = &p.value;
    return found;
}

Design parseDesign(std::string_view text) {
    Design d;
    DesignEntry* current = nullptr;
    bool haveForm = false;
    int line = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        std::string_view s = trim(raw);
        if (s.empty() || s[0] == '#') {
            if (end == text.size()) break;
            continue;
        }
        if (s.substr(0, 5) == "form " || s == "form") {
            if (haveForm) throw DesignError(line, "a second form entry");
            haveForm = true;
            d.form.kind = "form";
            d.form.line = line;
            parseHeader(s.substr(4), d.form, line);
            if (d.form.index >= 0) throw DesignError(line, "a form has no index");
            current = &d.form;
        } else if (s.substr(0, 8) == "control ") {
            if (!haveForm) throw DesignError(line, "a control before the form entry");
            std::string_view rest = trim(s.substr(8));
            size_t sp = rest.find(' ');
            if (sp == std::string_view::npos) throw DesignError(line, "a control needs a kind and a name");
            DesignEntry e;
            e.kind = std::string(rest.substr(0, sp));
            if (!isIdentifier(e.kind)) throw DesignError(line, "bad control kind");
            e.line = line;
            parseHeader(rest.substr(sp + 1), e, line);
            for (auto& other : d.controls)
                if (base::equalsNoCase(other.name, e.name) && other.index == e.index)
                    throw DesignError(line, "a second control named " + e.name);
            d.controls.push_back(std::move(e));
            current = &d.controls.back();
        } else {
            if (current == nullptr) throw DesignError(line, "a property before the form entry");
            if (raw.empty() || !isBlank(raw[0])) throw DesignError(line, "a property must be indented");
            size_t eq = s.find('=');
            if (eq == std::string_view::npos) throw DesignError(line, "expected key = value");
            std::string_view key = trim(s.substr(0, eq));
            if (!isIdentifier(key)) throw DesignError(line, "bad key");
            current->properties.push_back({std::string(key), parseValue(s.substr(eq + 1), line)});
        }
        if (end == text.size()) break;
    }
    if (!haveForm) throw DesignError(0, "a design without its form entry");
    return d;
}

Design loadDesign(const std::string& path) {
    auto text = base::readFile(path);
    if (!text) throw DesignError(0, "cannot read the design " + path);
    try {
        return parseDesign(*text);
    } catch (const DesignError& e) {
        throw DesignError(e.line(), path + ": " + e.what());
    }
}

std::string quoteDesignText(std::string_view s) {
    static const char* digits = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    out += "\\x";
                    out += digits[u >> 4];
                    out += digits[u & 15];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

}  // namespace qv::forms
