#pragma once
// modHeaders: the web-browser request the connection tester sends when emulation is on.
#include <string>
#include <string_view>

namespace qv::ui {

// The maker's web host, named in the request's User-Agent line.
inline constexpr std::string_view kMakerWebHost = "www.quarvelin.example";

// An HTTP/1.0 GET of the address's root, claiming to come from the client (index 4 to 7) on the
// system (index 0 to 3) of the tester's emulation options; any other index gives an empty
// token. Lines end in CR LF; an empty line ends the request.
std::string BuildHttpRequest(int systemIndex, int clientIndex, std::string_view address);

}  // namespace qv::ui
