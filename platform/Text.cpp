#include "Text.h"

#include <algorithm>
#include <limits>

namespace quillmark::text {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::size_t findIgnoreCase(std::string_view text, std::string_view what, std::size_t from) {
    if (what.empty()) return from <= text.size() ? from : std::string_view::npos;
    if (from >= text.size() || what.size() > text.size() - from) return std::string_view::npos;
    const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(),
                                what.end(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

bool containsIgnoreCase(std::string_view text, std::string_view what) {
    return findIgnoreCase(text, what) != std::string_view::npos;
}

namespace {

template <typename Find>
std::string replaceWith(std::string_view text, std::string_view what, std::string_view with, Find find) {
    if (what.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = find(text, what, 0); at != std::string_view::npos; at = find(text, what, start)) {
        out.append(text.substr(start, at - start));
        out.append(with);
        start = at + what.size();
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace

std::string replaceAll(std::string_view text, std::string_view what, std::string_view with) {
    return replaceWith(text, what, with, [](std::string_view t, std::string_view w, std::size_t from) {
        return t.find(w, from);
    });
}

std::string replaceAllIgnoreCase(std::string_view text, std::string_view what, std::string_view with) {
    return replaceWith(text, what, with, [](std::string_view t, std::string_view w, std::size_t from) {
        return findIgnoreCase(t, w, from);
    });
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string joinLines(std::span<const std::string> lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += kCrLf;
    }
    return out;
}

std::optional<std::int64_t> parseWholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
    const auto value = parseWholeNumber(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

std::size_t codePointCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int utf8SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
}

std::optional<std::u32string> codePoints(std::string_view text) {
    std::u32string points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = utf8SequenceLength(lead);
        if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int n = 1; n < length; ++n) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(n)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kLeast[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
            return std::nullopt;
        points.push_back(point);
        at += static_cast<std::size_t>(length);
    }
    return points;
}

std::string encodeUtf8(char32_t point) {
    if (point < 0x80) return std::string(1, static_cast<char>(point));
    const int length = point < 0x800 ? 2 : point < 0x10000 ? 3 : 4;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    for (int n = length - 1; n > 0; --n, point >>= 6)
        bytes[static_cast<std::size_t>(n)] = static_cast<char>(0x80 | (point & 0x3F));
    bytes[0] = static_cast<char>((0xF00 >> length) | point);
    return bytes;
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace quillmark::text
