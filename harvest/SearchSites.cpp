#include "harvest/SearchSites.h"

#include <cstdlib>

namespace quillmark::harvest {

namespace {

SearchSites builtInSites(std::string_view productWebAddress) {
    SearchSites sites;
    sites.yahooAddress = "https://search.yahoo.com";
    sites.googleAddress = "https://www.google.com";
    sites.browseStartPage = "http://" + std::string(productWebAddress);
    sites.siteButtons = {{
        {"Expired Traffic", "https://www.expiredtraffic.com/"},
        {"Deleted Domains", "https://www.deleteddomains.com/"},
        {"Just Dropped", "https://www.justdropped.com/"},
        {"AfterNIC", "https://www.afternic.com/"},
        {"DMOZ", "https://dmoz-odp.org/"},
        {"Google", "https://www.google.com/"},
        {"Yahoo", "https://www.yahoo.com/"},
    }};
    return sites;
}

void replaceFromEnvironment(std::string& value, const EnvironmentLookup& environment, std::string_view name) {
    if (!environment) return;
    if (auto found = environment(name); found && !found->empty()) value = std::move(*found);
}

}  // namespace

SearchSites LoadSearchSites(std::string_view productWebAddress, const EnvironmentLookup& environment) {
    SearchSites sites = builtInSites(productWebAddress);
    replaceFromEnvironment(sites.yahooAddress, environment, "QUILLMARK_YAHOO_ADDRESS");
    replaceFromEnvironment(sites.googleAddress, environment, "QUILLMARK_GOOGLE_ADDRESS");
    replaceFromEnvironment(sites.browseStartPage, environment, "QUILLMARK_BROWSE_START_PAGE");
    for (std::size_t i = 0; i < sites.siteButtons.size(); ++i) {
        replaceFromEnvironment(sites.siteButtons[i].address, environment,
                               "QUILLMARK_SITE_" + std::to_string(i + 1));
    }
    return sites;
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace quillmark::harvest
