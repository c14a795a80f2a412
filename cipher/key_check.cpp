#include "cipher/key_check.h"

#include <algorithm>

#include "platform/base/convert.h"

namespace qv::cipher {

bool KeyOk(std::string_view key) {
    const std::size_t n = key.size();
    if (n < 5) return false;
    for (std::size_t p = 1; p <= n / 2; ++p) {
        if (n % p != 0) continue;  // a shorter last piece never matches the first
        bool repeats = true;
        for (std::size_t at = p; at < n && repeats; at += p)
            repeats = key.compare(at, p, key, 0, p) == 0;
        if (repeats) return false;
    }
    return true;
}

int16_t KeyQuality(std::string_view key) {
    double q = 3.0 * static_cast<double>(key.size());
    if (!KeyOk(key)) return 0;
    auto has = [&](auto pred) {
        return std::any_of(key.begin(), key.end(), [&](char ch) { return pred(static_cast<unsigned char>(ch)); });
    };
    const bool upper = has([](unsigned c) { return c >= 65 && c <= 90; });
    const bool lower = has([](unsigned c) { return c >= 97 && c <= 122; });
    const bool digit = has([](unsigned c) { return c >= 48 && c <= 57; });
    const bool other = has([](unsigned c) { return c < 48 || (c >= 58 && c <= 64) || c > 122; });
    if (upper && lower) q = base::roundHalfEven(q * 1.2);
    if (digit && (upper || lower)) q = base::roundHalfEven(q * 1.4);
    if (other) q = base::roundHalfEven(q * 1.5);
    return static_cast<int16_t>(std::min(q, 100.0));
}

}  // namespace qv::cipher
