#include "cipher/text_envelope.h"

namespace qv::cipher {

const std::string_view kEnvelopeBegin{"--- BEGIN ENCRYPT MESSAGE ---"};
const std::string_view kEnvelopeVersion{"Version: BRENQUIST v1.0.1"};
const std::string_view kEnvelopeEnd{"--- END OF MESSAGE ---"};

namespace {
constexpr std::string_view kCrLf{"\r\n"};
constexpr std::size_t kHeadLength = 31 + 27;  // begin and version lines with their CR LF
constexpr std::size_t kTailLength = 24;       // CR LF and the end line
constexpr std::size_t kShortest = 31 + 27 + 24 + 1;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string CleanEnvelopeText(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && blank(text[a])) ++a;
    while (b > a && blank(text[b - 1])) --b;
    return std::string(text.substr(a, b - a));
}

int16_t DetectEnvelope(std::string_view text) {
    const std::string t = CleanEnvelopeText(text);
    const std::string head = std::string(kEnvelopeBegin) + std::string(kCrLf);
    const std::string tail = std::string(kCrLf) + std::string(kEnvelopeEnd);
    const bool b = t.starts_with(head);
    const bool e = t.ends_with(tail);
    if (b != e) return 3;
    if (t.size() < kShortest) return 0;
    if (!b) return 0;
    const std::string version = std::string(kEnvelopeVersion) + std::string(kCrLf);
    return t.compare(head.size(), version.size(), version) == 0 ? 1 : 2;
}

std::string WrapEnvelope(std::string_view body) {
    std::string out;
    out.reserve(kHeadLength + body.size() + kTailLength);
    out.append(kEnvelopeBegin).append(kCrLf).append(kEnvelopeVersion).append(kCrLf);
    out.append(body).append(kCrLf).append(kEnvelopeEnd);
    return out;
}

std::string EnvelopeBody(std::string_view cleaned) {
    if (cleaned.size() < kHeadLength + kTailLength) return {};
    return std::string(cleaned.substr(kHeadLength, cleaned.size() - kHeadLength - kTailLength));
}

}  // namespace qv::cipher
