#include "harvest/PageExtraction.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/NameCleaning.h"
#include "platform/Text.h"

namespace quillmark::harvest {
namespace {

using Extensions = std::vector<std::string>;
using text::containsIgnoreCase;

constexpr std::string_view kHttp = "http://";

enum class Variant { ListBuilder, Browse };

// --- extension helpers over a fixed set --------------------------------------

std::string breakAfter(std::string_view text, const Extensions& extensions) {
    static constexpr std::array<char, 6> kFollowers{' ', '/', '"', '\'', ':', '?'};
    std::string out(text);
    for (const auto& extension : extensions) {
        for (const char follower : kFollowers) {
            const std::string found = extension + follower;
            out = text::replaceAll(out, found, found + std::string(text::kCrLf));
        }
        // Made on every pass, whatever the extension: result pages quote their
        // .com links and those must end a line even with com disabled.
        out = text::replaceAll(out, ".com\"", ".com\"\r\n");
    }
    return out;
}

bool hasExtension(std::string_view text, const Extensions& extensions) {
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& extension) {
        return containsIgnoreCase(text, "." + extension);
    });
}

std::size_t extensionEnd(std::string_view text, const Extensions& extensions) {
    for (const auto& extension : extensions) {
        const std::size_t dot = text::findIgnoreCase(text, "." + extension);
        if (dot != std::string_view::npos) return dot + 1 + extension.size() + 1;
    }
    return 0;
}

// --- cuts shared by both branches ------------------------------------------

void removeFirst(std::string& text, std::string_view what) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.erase(at, what.size());
}

std::string textAfterFirst(std::string_view text, char mark) {
    const std::size_t at = text.find(mark);
    return at == std::string_view::npos ? std::string() : std::string(text.substr(at + 1));
}

// Keeps a candidate up to and including its first space, then before its first "/".
void cutAtSpaceAndSlash(std::string& candidate) {
    if (const std::size_t space = candidate.find(' '); space != std::string::npos)
        candidate.resize(space + 1);
    if (const std::size_t slash = candidate.find('/'); slash != std::string::npos) candidate.resize(slash);
}

// Drops the first label unless the first full stop is within the last three
// characters: takes "www." off "www.example.com" but leaves "example.com".
void stripFirstLabel(std::string& candidate) {
    const std::size_t dot = candidate.find('.');
    if (dot != std::string::npos && dot + 4 < candidate.size()) candidate.erase(0, dot + 1);
}

// Page text from the browser indents with tabs and may decode line ends into
// a line; all of them count as spaces so the space cuts end a name there.
void blankControlSpaces(std::string& text) {
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }, ' ');
}

std::string trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// --- one extraction ----------------------------------------------------------

struct Candidate {
    std::string name;
    std::string extensionPart;
    bool fromAddress = false;  // the "targetblank" test is made for addresses only
};

class Extraction {
public:
    Extraction(Variant variant, const whois::ServerTable& table, const ExtractionFilters& filters,
               const ExtractionHooks& hooks)
        : variant_(variant), extensions_(EnabledExtensions(table)), filters_(filters), hooks_(hooks) {}

    // The page's lines, each ending right after an extension. The lines live in
    // this extraction alone, so an extraction started from afterEachLine never
    // reads or removes them.
    std::vector<std::string> breakIntoLines(std::string_view pageText) const {
        std::string text(pageText);
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c == '\t' || c == '\v' || c == '\f'; }, ' ');
        if (variant_ == Variant::Browse) {
            text = text::replaceAllIgnoreCase(text, "=www.", "http://www.");
            text = text::replaceAllIgnoreCase(text, ">www.", "http://www.");
        }
        text = text::replaceAllIgnoreCase(text, kHttp, "\r\nhttp://");
        text = text::replaceAllIgnoreCase(text, "<Frame", "\r\n<Frame");
        text = breakAfter(text, extensions_);
        std::vector<std::string> lines;
        for (const auto line : text::splitLines(text)) lines.emplace_back(line);
        return lines;
    }

    // Runs every line; accept(name) is called for each name that passes the
    // finish, isDuplicate(name) tells whether the window has it already.
    template <typename Accept, typename IsDuplicate>
    void run(std::string_view pageText, Accept accept, IsDuplicate isDuplicate) {
        const std::vector<std::string> lines = breakIntoLines(pageText);
        bool frameFlag = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string line = names::UrlDecode(lines[i]);
            blankControlSpaces(line);
            if (variant_ == Variant::Browse && frameFlag) {
                const bool hasNext = i + 1 < lines.size();
                followFrame(line, hasNext ? lines[i + 1] : std::string_view());
                if (hasNext) ++i;
                frameFlag = false;
            } else if (variant_ == Variant::Browse && containsIgnoreCase(line, "<Frame") &&
                       containsIgnoreCase(line, "src=")) {
                frameFlag = true;
            } else if (const auto candidate = cutCandidate(line)) {
                if (const auto name = finish(*candidate, isDuplicate)) accept(*name);
            }
            if (hooks_.afterEachLine) hooks_.afterEachLine();
        }
    }

    void status(std::string_view text) const {
        if (hooks_.showStatus) hooks_.showStatus(text);
    }

private:
    bool passesLineFilter(std::string_view line) const {
        return line.substr(0, kHttp.size()) == kHttp &&
               !containsIgnoreCase(line, filters_.searchEngineDomain) &&
               line.find('@') == std::string_view::npos &&
               !containsIgnoreCase(line, filters_.imageHostLabel) &&
               !containsIgnoreCase(line, filters_.aftermarketDomain) && hasExtension(line, extensions_);
    }

    std::optional<Candidate> cutCandidate(std::string_view line) const {
        if (passesLineFilter(line)) return addressBranch(line);
        if (variant_ == Variant::Browse) return bareNameBranch(line);
        return std::nullopt;
    }

    Candidate addressBranch(std::string_view line) const {
        Candidate c{std::string(line), {}, true};
        removeFirst(c.name, kHttp);
        if (variant_ == Variant::ListBuilder) {
            removeFirst(c.name, "<b>");
            removeFirst(c.name, "<B>");
        }
        cutAtSpaceAndSlash(c.name);
        stripFirstLabel(c.name);
        for (const char mark : {'.', '=', '@'}) {
            if (c.name.find(mark) != std::string::npos) c.extensionPart = textAfterFirst(c.name, mark);
        }
        // A port after the host is no part of the name.
        if (const std::size_t colon = c.name.find(':'); colon != std::string::npos) c.name.resize(colon);
        return c;
    }

    static bool isStopCharacter(char c) {
        return c == '"' || c == '<' || c == '\'' || c == '=' || c == ' ' || c == '>';
    }

    // Grows a window leftwards from just before the extension's end until it
    // takes in a stop character or an address, or reaches the line start.
    std::optional<Candidate> bareNameBranch(std::string_view line) const {
        const std::size_t end = extensionEnd(line, extensions_);
        if (end == 0) return std::nullopt;
        const std::size_t stop = end - 1;  // 0-based, exclusive
        std::size_t start = end > 6 ? end - 6 : 0;
        auto clean = [&](std::size_t from) {
            const std::string_view window = line.substr(from, stop - from);
            return std::none_of(window.begin(), window.end(), isStopCharacter) &&
                   !containsIgnoreCase(window, kHttp);
        };
        bool isClean = clean(start);
        while (isClean && start > 0) {
            --start;
            isClean = !isStopCharacter(line[start]) &&
                      !(stop - start >= kHttp.size() &&
                        text::equalsIgnoreCase(line.substr(start, kHttp.size()), kHttp));
        }
        if (!isClean) ++start;
        Candidate c{std::string(line.substr(start, stop - start)), {}, false};
        for (const std::string_view scheme : {"http://", "ttp://", "tp://", "p://", "://"})
            removeFirst(c.name, scheme);
        cutAtSpaceAndSlash(c.name);
        stripFirstLabel(c.name);
        for (const char mark : {'.', '='}) {
            if (c.name.find(mark) != std::string::npos) c.extensionPart = textAfterFirst(c.name, mark);
        }
        for (const char mark : {'@', ':'}) {
            if (c.name.find(mark) != std::string::npos) c.name = textAfterFirst(c.name, mark);
        }
        return c;
    }

    template <typename IsDuplicate>
    std::optional<std::string> finish(const Candidate& c, IsDuplicate& isDuplicate) const {
        if (!hasExtension("." + c.extensionPart, extensions_)) return std::nullopt;
        std::string name = names::CorrectName(RegistrableName(c.name));
        std::erase_if(name, [](char ch) { return ch == '\'' || ch == '"'; });
        const bool accepted = !name.empty() && !isDuplicate(trimSpaces(name)) &&
                              name.find_first_of("<>") == std::string::npos && name != "ttp:.com" &&
                              name != " ttp:.com" && !containsIgnoreCase(name, "mailto:") &&
                              !(c.fromAddress && containsIgnoreCase(name, "targetblank")) &&
                              !text::hasControlCharacter(name);
        if (!accepted) return std::nullopt;
        return name;
    }

    // Frame sources come split after "com/": the tag's line and the next one
    // together give the address.
    void followFrame(std::string_view piece1, std::string_view piece2) const {
        auto cut = [](std::string_view piece) {
            const std::size_t space = piece.find(' ');
            const std::size_t close = piece.find('>');
            if (close != std::string_view::npos && close < space) return piece.substr(0, close + 1);
            if (space != std::string_view::npos) return piece.substr(0, space + 1);
            return piece;
        };
        std::string address = std::string(cut(piece1)) + std::string(cut(piece2));
        std::erase_if(address, [](char ch) { return ch == '"' || ch == '>' || ch == '<'; });
        for (const std::string_view scheme : {"http://", "ttp://", "tp://", "p://", "://"}) {
            address = text::replaceAll(address, scheme, "");
        }
        status(std::string(kFollowingFramePrefix) + address);
        if (hooks_.followFrame) hooks_.followFrame(address);
    }

    Variant variant_;
    Extensions extensions_;
    ExtractionFilters filters_;
    ExtractionHooks hooks_;
};

}  // namespace

std::vector<std::string> EnabledExtensions(const whois::ServerTable& table) {
    std::vector<std::string> extensions;
    for (const auto& row : table) {
        if (row.enabled && row.extension != "proxy") extensions.push_back(row.extension);
    }
    return extensions;
}

std::string BreakAfterExtensions(std::string_view text, const whois::ServerTable& table) {
    return breakAfter(text, EnabledExtensions(table));
}

bool HasEnabledExtension(std::string_view text, const whois::ServerTable& table) {
    return hasExtension(text, EnabledExtensions(table));
}

std::size_t ExtensionEnd(std::string_view text, const whois::ServerTable& table) {
    return extensionEnd(text, EnabledExtensions(table));
}

std::string RegistrableName(std::string_view host) {
    const std::vector<std::string_view> labels = text::split(host, '.');
    const std::size_t n = labels.size() - 1;
    if (n < 2) return std::string(host);
    auto join = [&](std::size_t from) {
        std::string name(labels[from]);
        for (std::size_t i = from + 1; i <= n; ++i) name.append(".").append(labels[i]);
        return name;
    };
    static constexpr std::array<std::string_view, 8> kShortForms{"com", "org",  "info", "name",
                                                                 "biz", "coop", "edu",  "aero"};
    if (std::find(kShortForms.begin(), kShortForms.end(), labels[n]) != kShortForms.end()) return join(n - 1);
    if (labels[n - 1] == "co") return join(n - 2);
    if (labels[n] == "us") return join(n - 1);
    return {};
}

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
