#include "engine/NameCleaning.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "platform/Text.h"

namespace quillmark::names {

namespace {

// Removed from the body one after another, each case-sensitively. The order
// matters: the longer markup remnants ("&nbsp;", "related:", "site:", "<b>")
// go before their single characters, and a removal can join the text around
// it into a later entry. The last entries are the UTF-8 bytes of « ´ ¯ º ¸.
constexpr std::array<std::string_view, 44> kRemovedFromBody{
    "&nbsp;", "related:", "site:", "<b>",      " ",        "/",        ".",        "%",        "!", "/",  "~",
    "#",      "'",        "\"",    "$",        "%",        "^",        "&",        "*",        "(", ")",  "=",
    "\\",     "|",        "+",     "`",        "?",        ">",        "<",        ",",        "'", "\"", ".",
    "nbsp;",  ";",        ":",     "\xC2\xAB", "\xC2\xB4", "\xC2\xAF", "\xC2\xBA", "\xC2\xB8", "_",
};

// Removing every occurrence of the suffix (the text from the first full stop
// to the end) always leaves exactly the text before that full stop: another
// occurrence would have to start at an earlier full stop.
std::string_view bodyOf(std::string_view candidate) {
    const auto firstStop = candidate.find('.');
    return firstStop == std::string_view::npos ? candidate : candidate.substr(0, firstStop);
}

// Letters, digits and the hyphen are never removed: a body of nothing else
// comes out as it went in, without the passes over the table.
bool plainLabel(std::string_view body) {
    return std::all_of(body.begin(), body.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::string cleanBody(std::string_view body) {
    if (plainLabel(body)) return std::string(body);
    std::string cleaned(body);
    for (const std::string_view removed : kRemovedFromBody) cleaned = text::replaceAll(cleaned, removed, "");
    return cleaned;
}

}  // namespace

std::string CorrectName(std::string_view candidate) {
    const std::string_view body = bodyOf(candidate);
    const std::string_view suffix = candidate.substr(body.size());
    return text::replaceAll(cleanBody(body) + std::string(suffix), "?", "");
}

std::string NameToLookUp(std::string_view found) {
    return CorrectName(UrlDecode(found));
}

// Percent-decoding.
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

std::optional<unsigned char> codeAt(std::string_view text, std::size_t at) {
    if (at + 3 > text.size() || text[at] != '%') return std::nullopt;
    const auto hex = [](char c) -> int {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    const int high = hex(text[at + 1]), low = hex(text[at + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<unsigned char>(high * 16 + low);
}

// The bytes of a whole UTF-8 letter written as codes ("%C3%A9" is "é"), or
// nothing when the codes at `at` are not one.
std::optional<std::string> utf8LetterAt(std::string_view text, std::size_t at) {
    const auto lead = codeAt(text, at);
    const int length = lead ? text::utf8SequenceLength(*lead) : 0;
    if (length < 2) return std::nullopt;
    std::string letter(1, static_cast<char>(*lead));
    for (int n = 1; n < length; ++n) {
        const auto next = codeAt(text, at + 3 * static_cast<std::size_t>(n));
        if (!next) return std::nullopt;
        letter += static_cast<char>(*next);
    }
    // Overlong forms and surrogates are no letters.
    if (!text::codePoints(letter)) return std::nullopt;
    return letter;
}

// Letters outside ASCII that a page address carries as codes of their UTF-8
// bytes; codes that make no whole letter stay as they are.
std::string decodeUtf8Letters(std::string_view text) {
    std::string decoded;
    for (std::size_t at = 0; at < text.size();) {
        if (auto letter = utf8LetterAt(text, at)) {
            at += 3 * letter->size();
            decoded += *letter;
        } else {
            decoded += text[at++];
        }
    }
    return decoded;
}

}  // namespace

std::string UrlDecode(std::string_view text) {
    std::string decoded(text);
    if (decoded.find('%') == std::string::npos) return decoded;
    for (const PercentCode& pair : kPercentCodes) decoded = replaceUntilGone(std::move(decoded), pair);
    return decodeUtf8Letters(decoded);
}

}  // namespace quillmark::names
