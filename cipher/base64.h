#pragma once
// Base64 of byte strings with the standard alphabet and "=" padding.
#include <string>
#include <string_view>

namespace qv::cipher {

// Groups of four characters; after every group that brings a line to lineLength characters or
// more (at least 10) a CR LF follows. A padded last group follows whatever came before, without
// a line break after it.
std::string Base64Encode(std::string_view text, int lineLength);

// Skips every character outside the alphabet and "="; a group left incomplete at the end is
// ignored, and decoding goes on after padding. Fewer than 4 characters decode to nothing.
std::string Base64Decode(std::string_view text);

}  // namespace qv::cipher
