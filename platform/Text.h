#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Small text operations shared by every module. ASCII case folding only:
// names are UTF-8 bytes and other bytes keep their case.
namespace quillmark::text {

// The line end of every file the program writes and of copied list text.
inline constexpr std::string_view kCrLf = "\r\n";

char lowerAscii(char c);
char upperAscii(char c);
std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Position of the first case-insensitive occurrence at or after `from`, or npos.
std::size_t findIgnoreCase(std::string_view text, std::string_view what, std::size_t from = 0);
bool containsIgnoreCase(std::string_view text, std::string_view what);

// Every occurrence replaced, scanning left to right without rescanning the
// replacement.
std::string replaceAll(std::string_view text, std::string_view what, std::string_view with);
std::string replaceAllIgnoreCase(std::string_view text, std::string_view what, std::string_view with);

std::vector<std::string_view> split(std::string_view text, char separator);

// Lines ended by CR LF, LF or a lone CR. A final line without an end counts;
// a text that ends in a line end has no empty last line.
std::vector<std::string_view> splitLines(std::string_view text);
// Each line followed by CR LF: a list as its file holds it and as Copy puts it
// on the clipboard.
std::string joinLines(std::span<const std::string> lines);

// A whole number: optional spaces, an optional sign and decimal digits that fit.
std::optional<std::int64_t> parseWholeNumber(std::string_view text);
std::optional<std::int32_t> parseInt32(std::string_view text);

// Number of code points of UTF-8 text (bytes that do not continue a sequence).
std::size_t codePointCount(std::string_view text);
// The length of the UTF-8 sequence a byte starts: 1 to 4, 0 for a byte that starts none.
int utf8SequenceLength(unsigned char lead);
// The code points of UTF-8 text; nothing for bytes that are no UTF-8 (cut
// sequences, overlong forms, surrogates, points past Unicode's end).
std::optional<std::u32string> codePoints(std::string_view text);
// The UTF-8 bytes of one code point (up to U+10FFFF).
std::string encodeUtf8(char32_t point);

bool hasControlCharacter(std::string_view text);

}  // namespace quillmark::text
