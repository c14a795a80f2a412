#pragma once
// Text helpers of the version readers, over byte texts (one character per byte).
#include <string>
#include <string_view>

namespace qv::engine {

// The text with a code-0 character after each character: a wide text of a file as it shows
// among the file's bytes. "" stays "".
std::string ToWideText(std::string_view text);

// Every occurrence of find replaced by replacement, again and again until none is left, so that
// joins the replacing makes are replaced too. When the replacement is not shorter than find the
// repeating could go on forever; one pass is made then. An empty find changes nothing.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement);

}  // namespace qv::engine
