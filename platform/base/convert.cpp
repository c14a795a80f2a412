#include "platform/base/convert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/base/basic_error.h"

namespace qv::base {

double roundHalfEven(double x) {
    double f = std::floor(x);
    double diff = x - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Parses a number at the start of s (after blanks). Returns the value and how many bytes were used
// (0 when no number starts there). Blanks inside are skipped when skipInnerBlanks is set (Val).
struct Parsed {
    double value = 0;
    std::size_t used = 0;
};

Parsed parseLeading(std::string_view s, bool skipInnerBlanks) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < s.size() && isBlank(s[i])) ++i;
    };
    skip();
    if (i + 1 < s.size() && s[i] == '&') {
        char k = s[i + 1];
        int base = (k == 'H' || k == 'h') ? 16 : (k == 'O' || k == 'o') ? 8 : 0;
        if (base) {
            std::size_t j = i + 2;
            uint64_t v = 0;
            std::size_t digits = 0;
            while (j < s.size()) {
                char c = s[j];
                int d = -1;
                if (c >= '0' && c <= '9') d = c - '0';
                else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
                else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
                if (d < 0 || d >= base) break;
                v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
                if (v > 0xFFFFFFFFull) v &= 0xFFFFFFFFull;
                ++digits;
                ++j;
            }
            if (!digits) return {};
            // Hex and octal literals are 32-bit: &HFFFFFFFF is -1 (16-bit when short, as Basic does).
            double value;
            if (v <= 0xFFFF && digits <= (base == 16 ? 4u : 6u))
                value = static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)));
            else
                value = static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
            return {value, j};
        }
    }
    std::string digits;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        digits += s[i];
        ++i;
    }
    bool any = false, dot = false;
    while (i < s.size()) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            any = true;
        } else if (c == '.' && !dot) {
            digits += c;
            dot = true;
        } else if (skipInnerBlanks && isBlank(c)) {
        } else {
            break;
        }
        ++i;
    }
    if (!any) return {};
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits) {
            digits += exp;
            end = j;
        }
    }
    return {std::strtod(digits.c_str(), nullptr), end};
}

[[noreturn]] void typeMismatch() { throw BasicError(kTypeMismatch, "Type mismatch"); }
[[noreturn]] void overflow() { throw BasicError(kOverflow, "Overflow"); }

}  // namespace

double Val(std::string_view s) { return parseLeading(s, true).value; }

std::optional<double> parseNumber(std::string_view s) {
    Parsed p = parseLeading(s, false);
    if (!p.used) return std::nullopt;
    for (std::size_t i = p.used; i < s.size(); ++i)
        if (!isBlank(s[i])) return std::nullopt;
    return p.value;
}

bool IsNumeric(std::string_view s) { return parseNumber(s).has_value(); }

int32_t CLng(double x) {
    if (std::isnan(x)) overflow();
    double r = roundHalfEven(x);
    if (r < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<int32_t>::max()))
        overflow();
    return static_cast<int32_t>(r);
}

int32_t CLng(std::string_view s) {
    auto v = parseNumber(s);
    if (!v) typeMismatch();
    return CLng(*v);
}

int16_t CInt(double x) {
    if (std::isnan(x)) overflow();
    double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0) overflow();
    return static_cast<int16_t>(r);
}

int16_t CInt(std::string_view s) {
    auto v = parseNumber(s);
    if (!v) typeMismatch();
    return CInt(*v);
}

double CDbl(std::string_view s) {
    auto v = parseNumber(s);
    if (!v) typeMismatch();
    return *v;
}

std::string CStr(double x) {
    if (x == 0) return "0";
    if (std::floor(x) == x && std::fabs(x) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", x);
        return buf;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    std::string r = buf;
    auto e = r.find('E');
    std::string mant = e == std::string::npos ? r : r.substr(0, e);
    std::string exp = e == std::string::npos ? "" : r.substr(e);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    if (!exp.empty()) {
        // "E+05" -> "E+5"
        std::string sign = exp.substr(1, 1);
        std::string digits = exp.substr(2);
        while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
        exp = "E" + sign + digits;
    }
    return mant + exp;
}

std::string Str(double x) {
    // Str writes ".5" where CStr writes "0.5".
    std::string s = CStr(x);
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return x < 0 ? s : " " + s;
}

std::string Hex(int64_t x) {
    char buf[32];
    uint64_t v = static_cast<uint64_t>(x);
    if (x < 0 && x >= std::numeric_limits<int32_t>::min()) v &= 0xFFFFFFFFull;
    std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(v));
    return buf;
}

namespace {

// The integer and fraction digits of a (not negative) with fracDigits fraction digits, rounded
// half away from zero as Basic's Format rounds. The value is first taken to the 15 significant
// digits a double holds, so 2.675 rounds as the 2.675 it was written as, not as the binary
// 2.67499999... it is stored as.
std::pair<std::string, std::string> roundedDigits(double a, int fracDigits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", a);
    const std::string text = buf;
    const size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);  // 15 digits, d.dddd
    const int exponent = std::atoi(text.c_str() + e + 1);
    // digits[i] has the place value 10^(exponent - i); keep those down to 10^-fracDigits.
    const int keep = exponent + 1 + fracDigits;
    std::string kept;
    if (keep >= 0) {
        kept = digits.substr(0, std::min<size_t>(digits.size(), size_t(keep)));
        while (int(kept.size()) < keep) kept += '0';
        if (size_t(keep) < digits.size() && digits[size_t(keep)] >= '5') {
            int i = int(kept.size()) - 1;
            while (i >= 0 && kept[size_t(i)] == '9') kept[size_t(i--)] = '0';
            if (i >= 0) ++kept[size_t(i)];
            else kept.insert(kept.begin(), '1');
        }
    }
    // Pad on the left so that there is at least one integer digit.
    while (int(kept.size()) < fracDigits + 1) kept.insert(kept.begin(), '0');
    std::string ip = kept.substr(0, kept.size() - size_t(fracDigits));
    std::string fp = kept.substr(kept.size() - size_t(fracDigits));
    while (ip.size() > 1 && ip[0] == '0') ip.erase(0, 1);
    return {ip, fp};
}

}  // namespace

std::string Format(double x, std::string_view mask) {
    if (mask.empty()) return CStr(x);
    // Split the mask into the integer and fraction parts of its digit placeholders.
    auto dot = mask.find('.');
    std::string_view intMask = mask.substr(0, dot);
    std::string_view fracMask = dot == std::string_view::npos ? std::string_view() : mask.substr(dot + 1);
    bool grouping = false;
    int intZeros = 0, intDigits = 0;
    for (char c : intMask) {
        if (c == ',') grouping = intDigits > 0 || grouping;
        if (c == '0') ++intZeros;
        if (c == '0' || c == '#') ++intDigits;
    }
    int fracZeros = 0, fracDigits = 0;
    for (char c : fracMask) {
        if (c == '0') ++fracZeros;
        if (c == '0' || c == '#') ++fracDigits;
    }
    bool negative = x < 0;
    auto [ip, fp] = roundedDigits(std::fabs(x), fracDigits);
    while (static_cast<int>(fp.size()) > fracZeros && !fp.empty() && fp.back() == '0') fp.pop_back();
    if (ip == "0") ip.clear();
    while (static_cast<int>(ip.size()) < intZeros) ip.insert(ip.begin(), '0');
    if (grouping && ip.size() > 3) {
        std::string g;
        int n = 0;
        for (auto it = ip.rbegin(); it != ip.rend(); ++it) {
            if (n && n % 3 == 0) g.insert(g.begin(), ',');
            g.insert(g.begin(), *it);
            ++n;
        }
        ip = g;
    }
    std::string r = ip;
    if (dot != std::string_view::npos && (!fp.empty() || fracZeros)) r += "." + fp;
    else if (dot != std::string_view::npos && fracDigits == 0) r += ".";
    if (negative && !r.empty() && r.find_first_not_of("0.,") != std::string::npos) r.insert(r.begin(), '-');
    return r;
}

}  // namespace qv::base
