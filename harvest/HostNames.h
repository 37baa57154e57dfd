#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "whois/ServerTable.h"
#include "whois/Zones.h"

// Which texts are names that can be looked up, and which name a registrant
// holds for a host.
namespace quillmark::harvest {

// True when the name can be looked up: in its ASCII form (whois::AsciiName)
// at most 253 characters, in labels of 1 to 63 letters, digits and hyphens
// that neither start nor end with a hyphen.
bool IsHostName(std::string_view name);

// The extensions names are found under: every one the program knows (a row
// of the server table, "proxy" apart, or a zone of the zone data) except
// those the user turned off. A Disabled row turns off its extension and the
// zones under it ("uk" covers "co.uk") that have no row of their own.
class KnownExtensions {
public:
    explicit KnownExtensions(const whois::ServerTable& table,
                             const whois::ZoneTable& zones = whois::ZoneTable::Shipped());

    // The name a registrant holds for a host: the host's extension (the
    // longest of its suffixes that the Public Suffix List or the program
    // knows) and the label before it, "blog.example.co.uk" -> "example.co.uk".
    // ASCII letters are lowered, others kept. Empty when the host is no host
    // name, is an extension itself or ends in no extension that is on.
    std::string RegistrableName(std::string_view host) const;

private:
    bool IsExtension(const std::string& suffix) const;
    bool IsOn(const std::string& registrable) const;

    std::unordered_map<std::string, bool> rows_;  // enabled, by extension; the first row counts
    const whois::ZoneTable& zones_;
};

}  // namespace quillmark::harvest
