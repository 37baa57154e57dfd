#include "harvest/PageExtraction.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "engine/NameCleaning.h"
#include "harvest/HostNames.h"
#include "platform/Text.h"

namespace quillmark::harvest {
namespace {

using text::containsIgnoreCase;
using text::findIgnoreCase;

constexpr auto npos = std::string_view::npos;

enum class Variant { ListBuilder, Browse };

// --- what a reader sees --------------------------------------------------------

struct Hidden {
    std::string_view open, close;
};
constexpr std::array<Hidden, 3> kHidden{{{"<script", "</script>"}, {"<style", "</style>"}, {"<!--", "-->"}}};

// Scripts, styles and comments go; each leaves a space so the words around
// it stay apart.
std::string withoutHidden(std::string_view page) {
    std::string out;
    out.reserve(page.size());
    std::array<std::size_t, kHidden.size()> next{};
    for (std::size_t i = 0; i < kHidden.size(); ++i) next[i] = findIgnoreCase(page, kHidden[i].open);
    std::size_t at = 0;
    for (;;) {
        const auto first =
            static_cast<std::size_t>(std::min_element(next.begin(), next.end()) - next.begin());
        if (next[first] == npos) break;
        out.append(page.substr(at, next[first] - at)).push_back(' ');
        const std::size_t close = findIgnoreCase(page, kHidden[first].close, next[first]);
        at = close == npos ? page.size() : close + kHidden[first].close.size();
        for (std::size_t i = 0; i < kHidden.size(); ++i) {
            if (next[i] < at) next[i] = findIgnoreCase(page, kHidden[i].open, at);
        }
    }
    return out.append(page.substr(std::min(at, page.size())));
}

// Tags that sit inside a word: "www.<b>example</b>.com" shows "www.example.com".
constexpr std::array<std::string_view, 7> kInlineTags{"b", "i", "u", "em", "strong", "span", "wbr"};

// The end (just past its ">") of the inline tag that starts at `at`, or 0.
std::size_t inlineTagEnd(std::string_view text, std::size_t at) {
    std::size_t name = at + 1;
    if (name < text.size() && text[name] == '/') ++name;
    std::size_t after = name;
    while (after < text.size() && std::isalpha(static_cast<unsigned char>(text[after]))) ++after;
    if (after == text.size() || (text[after] != '>' && text[after] != '/' && text[after] != ' ')) return 0;
    const std::string tag = text::toLower(text.substr(name, after - name));
    if (std::find(kInlineTags.begin(), kInlineTags.end(), tag) == kInlineTags.end()) return 0;
    const std::size_t close = text.find('>', after);
    return close == npos ? 0 : close + 1;
}

std::string withoutInlineTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text[at] == '<' ? inlineTagEnd(text, at) : 0;
        if (end == 0) out.push_back(text[at++]);
        at = std::max(at, end);
    }
    return out;
}

// --- host names in a line ------------------------------------------------------

// Letters outside ASCII belong to words; spaces, punctuation and symbols end them.
bool isLetterOutsideAscii(char32_t c) {
    constexpr std::array<std::pair<char32_t, char32_t>, 7> kNotLetters{{{0x80, 0xBF},
                                                                        {0xD7, 0xD7},
                                                                        {0xF7, 0xF7},
                                                                        {0x2000, 0x2BFF},
                                                                        {0x3000, 0x303F},
                                                                        {0xFF00, 0xFF20},
                                                                        {0x1F000, 0x1FAFF}}};
    return std::none_of(kNotLetters.begin(), kNotLetters.end(),
                        [c](const auto& range) { return c >= range.first && c <= range.second; });
}

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

struct Character {
    std::size_t length;
    bool inWord;  // a letter, digit, "-", "_" or "." of a word
};

// The character at `at`. A percent-code the decoder left is one character
// that ends a word, as is every byte that is no UTF-8.
Character characterAt(std::string_view line, std::size_t at) {
    const auto byte = static_cast<unsigned char>(line[at]);
    if (byte < 0x80) {
        if (byte == '%' && at + 2 < line.size() && isHex(line[at + 1]) && isHex(line[at + 2]))
            return {3, false};
        return {1, std::isalnum(byte) != 0 || byte == '-' || byte == '_' || byte == '.'};
    }
    const auto length = static_cast<std::size_t>(text::utf8SequenceLength(byte));
    const auto points = length > 0 ? text::codePoints(line.substr(at, length)) : std::nullopt;
    if (!points || points->size() != 1) return {1, false};
    return {length, isLetterOutsideAscii(points->front())};
}

// Each word of the line holding a full stop, outer full stops left off. A
// word runs as far as its characters do, so a host name is never cut out of
// a longer word or address.
std::vector<std::string_view> dottedWords(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < line.size();) {
        Character c = characterAt(line, at);
        if (!c.inWord) {
            at += c.length;
            continue;
        }
        const std::size_t start = at;
        while (at < line.size() && c.inWord) {
            at += c.length;
            if (at < line.size()) c = characterAt(line, at);
        }
        // A word after a single "/" is a step of a path, not a host.
        if (start > 0 && line[start - 1] == '/' && (start == 1 || line[start - 2] != '/')) continue;
        std::string_view word = line.substr(start, at - start);
        word.remove_prefix(std::min(word.find_first_not_of('.'), word.size()));
        word.remove_suffix(word.size() - (word.find_last_not_of('.') + 1));
        if (word.find('.') != npos) words.push_back(word);
    }
    return words;
}

// --- one extraction ------------------------------------------------------------

class Extraction {
public:
    Extraction(Variant variant, const whois::ServerTable& table, const ExtractionFilters& filters,
               const ExtractionHooks& hooks)
        : variant_(variant), known_(table), filters_(filters), hooks_(hooks) {}

    // Runs every line of the page; accept(name) is called for each name
    // found, isDuplicate(name) tells whether the window has it already. The
    // lines live in this extraction alone, so an extraction started from
    // afterEachLine never reads or changes them.
    template <typename Accept, typename IsDuplicate>
    void run(std::string_view pageText, Accept accept, IsDuplicate isDuplicate) {
        const std::string readable = withoutInlineTags(withoutHidden(pageText));
        for (const std::string_view raw : text::splitLines(readable)) {
            if (variant_ == Variant::Browse) followFrames(raw);
            std::string line = names::UrlDecode(raw);
            blankAddressParts(line);
            for (const std::string_view host : dottedWords(line)) {
                const std::string name = known_.RegistrableName(host);
                if (!name.empty() && !isOwnSite(name) && !isDuplicate(name)) accept(name);
            }
            if (hooks_.afterEachLine) hooks_.afterEachLine();
        }
    }

    void status(std::string_view text) const {
        if (hooks_.showStatus) hooks_.showStatus(text);
    }

private:
    bool isOwnSite(std::string_view name) const {
        return text::equalsIgnoreCase(name, filters_.searchEngineDomain) ||
               text::equalsIgnoreCase(name, filters_.aftermarketDomain);
    }

    bool isOwnSiteHost(std::string_view host) const {
        const auto onDomain = [&](std::string_view domain) {
            return !domain.empty() &&
                   (text::equalsIgnoreCase(host, domain) ||
                    (host.size() > domain.size() && host[host.size() - domain.size() - 1] == '.' &&
                     text::equalsIgnoreCase(host.substr(host.size() - domain.size()), domain)));
        };
        return onDomain(filters_.searchEngineDomain) || onDomain(filters_.aftermarketDomain) ||
               (!filters_.imageHostLabel.empty() && containsIgnoreCase(host, filters_.imageHostLabel));
    }

    // Of an address ("scheme://host/path?query#part") only the host and the
    // addresses inside it are read: a name in its path is a file's, not a
    // site's. An address on one of the filtered sites is not read at all.
    void blankAddressParts(std::string& line) const {
        for (std::size_t mark = line.find("://"); mark != npos; mark = line.find("://", mark + 3)) {
            const std::size_t start = schemeStart(line, mark);
            const std::size_t end = std::min(line.find_first_of(" \t\r\n\v\f\"'<>`", mark), line.size());
            const std::size_t hostEnd = std::min(line.find_first_of("/?#\\", mark + 3), end);
            std::string_view host = std::string_view(line).substr(mark + 3, hostEnd - mark - 3);
            if (const std::size_t at = host.rfind('@'); at != npos) host.remove_prefix(at + 1);
            host = host.substr(0, host.find(':'));
            const std::size_t inner = line.find("://", hostEnd);
            const std::size_t tailEnd = inner < end ? std::max(schemeStart(line, inner), hostEnd) : end;
            const bool ownSite = isOwnSiteHost(host);
            std::fill(line.begin() + static_cast<std::ptrdiff_t>(ownSite ? start : hostEnd),
                      line.begin() + static_cast<std::ptrdiff_t>(ownSite ? end : tailEnd), ' ');
        }
    }

    static std::size_t schemeStart(std::string_view line, std::size_t mark) {
        while (mark > 0 && std::isalpha(static_cast<unsigned char>(line[mark - 1]))) --mark;
        return mark;
    }

    // Each <frame> of the line with a source address.
    void followFrames(std::string_view line) const {
        constexpr std::string_view kFrame = "<frame";
        for (std::size_t at = findIgnoreCase(line, kFrame); at != npos;
             at = findIgnoreCase(line, kFrame, at + 1)) {
            const std::size_t attributes = at + kFrame.size();
            if (attributes >= line.size() || !std::isspace(static_cast<unsigned char>(line[attributes])))
                continue;
            const std::string_view tag = line.substr(attributes, line.find('>', attributes) - attributes);
            const std::string address = sourceOf(tag);
            if (address.empty()) continue;
            status(std::string(kFollowingFramePrefix) + address);
            if (hooks_.followFrame) hooks_.followFrame(address);
        }
    }

    // The value of a tag's src attribute, quoted or not.
    static std::string sourceOf(std::string_view tag) {
        std::size_t src = findIgnoreCase(tag, "src=");
        while (src != npos && (src == 0 || !std::isspace(static_cast<unsigned char>(tag[src - 1]))))
            src = findIgnoreCase(tag, "src=", src + 1);
        if (src == npos) return {};
        std::string_view value = tag.substr(src + 4);
        const bool quoted = !value.empty() && (value.front() == '"' || value.front() == '\'');
        if (quoted) value = value.substr(1, value.find(value.front(), 1) - 1);
        return std::string(quoted ? value : value.substr(0, value.find_first_of(" \t")));
    }

    Variant variant_;
    KnownExtensions known_;
    ExtractionFilters filters_;
    ExtractionHooks hooks_;
};

}  // namespace

void ExtractListNames(std::string_view pageText, const whois::ServerTable& table, ListBuilderNames& names,
                      const ExtractionFilters& filters, const ExtractionHooks& hooks) {
    names.PageFoundCount = 0;
    Extraction extraction(Variant::ListBuilder, table, filters, hooks);
    extraction.run(
        pageText,
        [&](const std::string& name) {
            names.FoundNames.append(name).append(text::kCrLf);
            ++names.FoundCount;
            ++names.PageFoundCount;
        },
        [&](std::string_view name) { return names.FoundIndex.contains(names.FoundNames, name); });
}

void ExtractPageNames(std::string_view pageText, const whois::ServerTable& table, BrowseNames& names,
                      const ExtractionFilters& filters, const ExtractionHooks& hooks) {
    Extraction extraction(Variant::Browse, table, filters, hooks);
    extraction.run(
        pageText,
        [&](const std::string& name) {
            names.PageNames.append(name).append(text::kCrLf);
            names.SessionNames.append(name).append(text::kCrLf);
            ++names.BrowseFoundCount;
            ++names.BrowsePageCount;
            extraction.status(kDomainsFoundStatus);
        },
        [&](std::string_view name) { return names.SessionIndex.contains(names.SessionNames, name); });
}

}  // namespace quillmark::harvest
