#include "harvest/HostNames.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "harvest/PublicSuffixes.h"
#include "platform/Text.h"
#include "whois/AsciiName.h"

namespace quillmark::harvest {

namespace {

constexpr std::size_t kMaxName = 253;
constexpr std::size_t kMaxLabel = 63;

bool isLabel(std::string_view label) {
    const auto letterOrDigit = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    return !label.empty() && label.size() <= kMaxLabel && letterOrDigit(label.front()) &&
           letterOrDigit(label.back()) &&
           std::all_of(label.begin(), label.end(), [&](char c) { return letterOrDigit(c) || c == '-'; });
}

// Where each suffix of the name starts, longest first: after each full stop.
std::vector<std::size_t> suffixStarts(std::string_view name) {
    std::vector<std::size_t> starts;
    for (std::size_t stop = name.find('.'); stop != std::string_view::npos; stop = name.find('.', stop + 1))
        starts.push_back(stop + 1);
    return starts;
}

// The last `count` labels of the name.
std::string_view lastLabels(std::string_view name, std::size_t count) {
    std::size_t at = name.size();
    while (count-- > 0 && at != std::string_view::npos && at > 0) at = name.rfind('.', at - 1);
    return at == std::string_view::npos ? name : name.substr(at + 1);
}

bool isAsciiHostName(std::string_view ascii) {
    if (ascii.empty() || ascii.size() > kMaxName) return false;
    const auto labels = text::split(ascii, '.');
    return std::all_of(labels.begin(), labels.end(), isLabel);
}

}  // namespace

bool IsHostName(std::string_view name) {
    return isAsciiHostName(whois::AsciiName(name));
}

KnownExtensions::KnownExtensions(const whois::ServerTable& table, const whois::ZoneTable& zones)
    : zones_(zones) {
    for (const whois::ServerRow& row : table) {
        if (row.extension != "proxy") rows_.try_emplace(text::toLower(row.extension), row.enabled);
    }
}

bool KnownExtensions::IsExtension(const std::string& suffix) const {
    return rows_.contains(suffix) || zones_.Has(suffix) || IsPublicSuffix(suffix);
}

// The deepest row over the name's extension decides; without one, the zone
// data must give a server for the name.
bool KnownExtensions::IsOn(const std::string& registrable) const {
    for (const std::size_t start : suffixStarts(registrable)) {
        const auto row = rows_.find(registrable.substr(start));
        if (row != rows_.end()) return row->second;
    }
    return zones_.WhoisZoneOf(registrable) != nullptr || !zones_.RdapBaseOf(registrable).empty();
}

std::string KnownExtensions::RegistrableName(std::string_view host) const {
    const std::string lowered = text::toLower(host);
    // Punycode is lower case already: one conversion serves the check and the lookups.
    const std::string ascii = whois::AsciiName(lowered);
    if (!isAsciiHostName(ascii) || IsExtension(ascii)) return {};
    const std::vector<std::size_t> starts = suffixStarts(ascii);
    const auto extension = std::find_if(starts.begin(), starts.end(),
                                        [&](std::size_t start) { return IsExtension(ascii.substr(start)); });
    if (extension == starts.end()) return {};
    // The registrable name has one label more than its extension.
    const auto labels = static_cast<std::size_t>(starts.end() - extension) + 1;
    if (!IsOn(std::string(lastLabels(ascii, labels)))) return {};
    return std::string(lastLabels(lowered, labels));
}

}  // namespace quillmark::harvest
