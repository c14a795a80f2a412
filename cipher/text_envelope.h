#pragma once
// The printable text envelope: the begin line, the version line, the Base64 body in lines of
// 60 characters, and the end line, joined by CR LF.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::cipher {

extern const std::string_view kEnvelopeBegin;    // "--- BEGIN ENCRYPT MESSAGE ---"
extern const std::string_view kEnvelopeVersion;  // "Version: BRENQUIST v1.0.1"
extern const std::string_view kEnvelopeEnd;      // "--- END OF MESSAGE ---"

// The text without leading and trailing spaces, tabs, carriage returns and line feeds.
std::string CleanEnvelopeText(std::string_view text);

// 0 plain text, 1 an envelope of this version, 2 an envelope of another version, 3 an
// incomplete envelope (only one of the begin and end lines).
int16_t DetectEnvelope(std::string_view text);

// The envelope around a Base64 body.
std::string WrapEnvelope(std::string_view body);

// The body of an envelope that DetectEnvelope rates 1 or 2: what lies between the version
// line's CR LF and the CR LF before the end line.
std::string EnvelopeBody(std::string_view cleaned);

}  // namespace qv::cipher
