#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "harvest/DuplicateIndex.h"
#include "whois/ServerTable.h"

// Turns the markup of a web page into candidate domain names, for the list
// builder (search result pages) and the browse window (any page the user
// visits). A name is found wherever the page shows a host name, in its text
// or in its links, and comes out as the name a registrant holds for that
// host, under an extension that is on (KnownExtensions over the server
// table). A host is taken whole: nothing found is a piece of a longer word
// or address. What no reader sees (scripts, styles, comments) is skipped.
namespace quillmark::harvest {

// Sites whose own addresses give no names: an address on the search engine's
// or the aftermarket site's domain, or on a host with the image host's label,
// is skipped whole (a listing's names are for sale, a result's redirect names
// the engine), and the two domains are never names themselves.
struct ExtractionFilters {
    std::string searchEngineDomain = "yahoo.com";
    std::string imageHostLabel = "yimg";
    std::string aftermarketDomain = "sedo.com";
};

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

// The browse window's pass over one page: also follows the page's frames
// (the address of each <frame> as written). Appending PageNames to
// BrowserSearch.txt, the closing status and the checks are the caller's,
// after the return.
void ExtractPageNames(std::string_view pageText, const whois::ServerTable& table, BrowseNames& names,
                      const ExtractionFilters& filters = {}, const ExtractionHooks& hooks = {});

}  // namespace quillmark::harvest
