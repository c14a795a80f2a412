#include "ui/windows/mod_headers.h"

#include <array>

namespace qv::ui {

namespace {

constexpr std::array<std::string_view, 8> kTokens = {
    "Windows 95", "Windows 98", "Windows 2000", "Windows XP",  // systems, options 0 to 3
    "MSIE 6.0", "Netscape 6.2", "Opera 5.01", "Mozilla 0.9.5",  // clients, options 4 to 7
};

std::string_view token(int index, int first, int last) {
    return index >= first && index <= last ? kTokens[static_cast<std::size_t>(index)] : std::string_view();
}

}  // namespace

std::string BuildHttpRequest(int systemIndex, int clientIndex, std::string_view address) {
    const std::string addr(address);
    std::string r;
    auto line = [&r](std::string_view text) {
        r += text;
        r += "\r\n";
    };
    line("GET http://" + addr + "/ HTTP/1.0");
    line("Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg");
    line("Accept-Language: en-us");
    line("Content-Encoding: gzip, deflate");
    line("User-Agent: Mozilla/4.0 (compatible; " + std::string(token(clientIndex, 4, 7)) + "; " +
         std::string(token(systemIndex, 0, 3)) + "; Quarvelin - " + std::string(kMakerWebHost) + ")");
    line("Host: " + addr);
    line("Connection: Close");
    line("");
    return r;
}

}  // namespace qv::ui
