#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/DuplicateIndex.h"
#include "whois/ServerTable.h"

// Turns the markup of a web page into candidate domain names, for the list
// builder (search result pages) and the browse window (any page the user
// visits). The extensions that make a text a domain name are the Enabled rows
// of the server table, the proxy row excepted, in table order.
namespace quillmark::harvest {

// Host values the line filter rejects. They are matched as case-insensitive
// substrings of a page line, so a search engine's own links and an aftermarket
// site's listings never come out as names.
struct ExtractionFilters {
    std::string searchEngineDomain = "yahoo.com";
    std::string imageHostLabel = "yimg";
    std::string aftermarketDomain = "sedo.com";
};

// The extension of every Enabled row except "proxy", in table order.
std::vector<std::string> EnabledExtensions(const whois::ServerTable& table);

// Puts a line end after every enabled extension that is followed by a space,
// "/", a double quote, "'", ":" or "?" (case-sensitive, also inside longer
// words), and after every ".com" followed by a double quote once per enabled
// extension.
std::string BreakAfterExtensions(std::string_view text, const whois::ServerTable& table);

// True when "." followed by some enabled extension occurs, whatever the case.
bool HasEnabledExtension(std::string_view text, const whois::ServerTable& table);

// The 1-based position just after the extension of the first enabled extension
// in table order that occurs anywhere (not the leftmost occurrence); 0 when none.
std::size_t ExtensionEnd(std::string_view text, const whois::ServerTable& table);

// The name a registrant holds for a host: "www.example.com" -> "example.com",
// "a.example.co.uk" -> "example.co.uk". Hosts of three labels or more under
// an extension the fixed list does not know (net among them) give "".
std::string RegistrableName(std::string_view host);

// What the list builder keeps across result pages.
struct ListBuilderNames {
    std::string FoundNames;  // every accepted name followed by CR LF
    std::int32_t FoundCount = 0;
    std::int32_t PageFoundCount = 0;  // reset by every extraction
    DuplicateIndex FoundIndex;        // follows FoundNames from one extraction to the next
};

// What the browse window keeps across pages.
struct BrowseNames {
    std::string PageNames;     // names of the current page, each followed by CR LF
    std::string SessionNames;  // every name since the window opened, each followed by CR LF
    std::int32_t BrowseFoundCount = 0;
    std::int32_t BrowsePageCount = 0;
    DuplicateIndex SessionIndex;  // follows SessionNames from one page to the next
};

// How an extraction reaches its window. afterEachLine lets pending events run
// so a long page does not freeze the window; it may start another extraction
// of its own, which works on its own copy of the page.
struct ExtractionHooks {
    std::function<void()> afterEachLine;
    std::function<void(std::string_view)> showStatus;   // browse window's second status panel
    std::function<void(std::string_view)> followFrame;  // browse window's second browser
};

inline constexpr std::string_view kDomainsFoundStatus = "Domains Found, Checking Status";
inline constexpr std::string_view kFollowingFramePrefix = "Following Frame: ";

// The list builder's pass over one result page. The page-finished step is the
// caller's, after the return.
void ExtractListNames(std::string_view pageText, const whois::ServerTable& table, ListBuilderNames& names,
                      const ExtractionFilters& filters = {}, const ExtractionHooks& hooks = {});

// The browse window's pass over one page: also finds names in plain text and
// follows frames. Appending PageNames to BrowserSearch.txt, the closing status
// and the checks are the caller's, after the return.
void ExtractPageNames(std::string_view pageText, const whois::ServerTable& table, BrowseNames& names,
                      const ExtractionFilters& filters = {}, const ExtractionHooks& hooks = {});

}  // namespace quillmark::harvest
