#include "engine/PercentCoding.h"

#include <array>
#include <utility>

#include "platform/Text.h"

namespace quillmark::names {

namespace {

struct PercentCode {
    std::string_view code;
    std::string_view character;
};

// The order matters: "%25" goes first, so a doubly encoded "%253C" becomes
// "%3C" and then "<" further down the table.
constexpr std::array<PercentCode, 24> kPercentCodes{{
    {"%25", "%"}, {"%20", " "}, {"%3C", "<"}, {"%3E", ">"},  {"%23", "#"},  {"%7B", "{"},
    {"%7D", "}"}, {"%3B", ";"}, {"%7C", "|"}, {"%5C", "\\"}, {"%5E", "^"},  {"%7E", "~"},
    {"%5B", "["}, {"%5D", "]"}, {"%60", "`"}, {"%2F", "/"},  {"%3F", "?"},  {"%3A", ":"},
    {"%40", "@"}, {"%3D", "="}, {"%26", "&"}, {"%24", "$"},  {"%0A", "\n"}, {"%0D", "\r"},
}};

// Replacing repeats until the code is gone, so "%2525" ends as "%". Every pass
// shortens the text, so the loop ends.
std::string replaceUntilGone(std::string text, const PercentCode& pair) {
    while (text::containsIgnoreCase(text, pair.code)) {
        text = text::replaceAllIgnoreCase(text, pair.code, pair.character);
    }
    return text;
}

}  // namespace

std::string UrlDecode(std::string_view text) {
    std::string decoded(text);
    if (decoded.find('%') == std::string::npos) return decoded;
    for (const PercentCode& pair : kPercentCodes) decoded = replaceUntilGone(std::move(decoded), pair);
    return decoded;
}

}  // namespace quillmark::names
