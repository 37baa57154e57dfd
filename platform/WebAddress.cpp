#include "platform/WebAddress.h"

#include <algorithm>

namespace quillmark {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isSchemeChar(char c) {
    return isLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// "name:" at the front is a scheme unless it is a host with a port
// ("localhost:8080", "www.quillmark.example:8080/x").
bool hasScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isLetter(text.front())) return false;
    const std::string_view scheme = text.substr(0, colon);
    if (!std::all_of(scheme.begin(), scheme.end(), isSchemeChar)) return false;
    const std::string_view rest = text.substr(colon + 1);
    if (rest.starts_with("//")) return true;
    const std::string_view port = rest.substr(0, rest.find_first_of("/?#"));
    const bool isPort = !port.empty() && std::all_of(port.begin(), port.end(), isDigit);
    return !isPort && scheme.find('.') == std::string_view::npos;
}

}  // namespace

std::string AddressWithScheme(std::string_view text) {
    const std::string_view address = trimmed(text);
    if (address.empty()) return {};
    if (hasScheme(address)) return std::string(address);
    return "http://" + std::string(address);
}

std::string EncodeQueryValue(std::string_view text, bool spaceAsPlus) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' && spaceAsPlus) {
            encoded += '+';
        } else if (byte < 0x20 || byte == 0x7F || c == ' ' || c == '&' || c == '#' || c == '+' || c == '%' ||
                   c == '=') {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

}  // namespace quillmark
