#include "whois/AsciiName.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/Text.h"

namespace quillmark::whois {

namespace {

// The bootstring parameters of punycode.
constexpr std::uint32_t kBase = 36, kTMin = 1, kTMax = 26, kSkew = 38, kDamp = 700, kInitialBias = 72,
                        kInitialN = 0x80;

char digit(std::uint32_t d) {
    return static_cast<char>(d < 26 ? 'a' + d : '0' + (d - 26));
}

std::uint32_t adapt(std::uint32_t delta, std::uint32_t points, bool first) {
    delta = first ? delta / kDamp : delta / 2;
    delta += delta / points;
    std::uint32_t k = 0;
    for (; delta > ((kBase - kTMin) * kTMax) / 2; k += kBase) delta /= kBase - kTMin;
    return k + (kBase - kTMin + 1) * delta / (delta + kSkew);
}

std::string punycode(const std::u32string& input) {
    std::string out;
    for (const char32_t c : input) {
        if (c < 0x80) out += text::lowerAscii(static_cast<char>(c));
    }
    const auto basic = static_cast<std::uint32_t>(out.size());
    if (basic > 0) out += '-';
    std::uint32_t n = kInitialN, delta = 0, bias = kInitialBias, handled = basic;
    while (handled < input.size()) {
        char32_t next = 0x10FFFF;
        for (const char32_t c : input) {
            if (c >= n && c < next) next = c;
        }
        delta += (next - n) * (handled + 1);
        n = next;
        for (const char32_t c : input) {
            if (c < n) ++delta;
            if (c != n) continue;
            std::uint32_t q = delta;
            for (std::uint32_t k = kBase;; k += kBase) {
                const std::uint32_t t = k <= bias ? kTMin : k >= bias + kTMax ? kTMax : k - bias;
                if (q < t) break;
                out += digit(t + (q - t) % (kBase - t));
                q = (q - t) / (kBase - t);
            }
            out += digit(q);
            bias = adapt(delta, handled + 1, handled == basic);
            delta = 0;
            ++handled;
        }
        ++delta;
        ++n;
    }
    return out;
}

std::string asciiLabel(std::string_view label) {
    if (std::all_of(label.begin(), label.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::string(label);
    const auto points = text::codePoints(label);
    return points ? "xn--" + punycode(*points) : std::string(label);
}

}  // namespace

std::string AsciiName(std::string_view name) {
    const auto labels = text::split(name, '.');
    std::string ascii;
    for (std::size_t n = 0; n < labels.size(); ++n) ascii += (n > 0 ? "." : "") + asciiLabel(labels[n]);
    return ascii;
}

}  // namespace quillmark::whois
