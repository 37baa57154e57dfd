#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "harvest/PageExtraction.h"

namespace quillmark::harvest {

// A site the browse window opens with one click.
struct SiteButton {
    std::string caption;
    std::string address;
};

// The web addresses the harvesting windows use. They are settings of the
// installation rather than of the user: each can be replaced from the
// environment, so the windows can be pointed at other hosts (a local server
// in a test) without rebuilding.
struct SearchSites {
    std::string yahooAddress;  // scheme and host, the result path follows
    std::string googleAddress;
    std::string browseStartPage;
    std::array<SiteButton, 7> siteButtons;
    ExtractionFilters filters;
};

// Reads one environment value; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The built-in addresses, with QUILLMARK_YAHOO_ADDRESS,
// QUILLMARK_GOOGLE_ADDRESS, QUILLMARK_BROWSE_START_PAGE and
// QUILLMARK_SITE_1 .. QUILLMARK_SITE_7 taking their place when set.
SearchSites LoadSearchSites(std::string_view productWebAddress, const EnvironmentLookup& environment);

// The process environment, for LoadSearchSites.
std::optional<std::string> ProcessEnvironment(std::string_view name);

}  // namespace quillmark::harvest
