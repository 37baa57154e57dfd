#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Files.h"

// What the program knows of every zone: its registry's whois server and RDAP
// base address, shipped with the program.
namespace quillmark::whois {

struct Zone {
    std::string whoisHost;  // empty when the registry runs none
    std::string rdapBase;   // empty when the registry runs none
};

class ZoneTable {
public:
    // Rows of zone <tab> whois host <tab> RDAP base; "#" starts a comment.
    // Lines of another shape are skipped.
    static ZoneTable Parse(std::string_view text);
    // The zones that ship with the program, read once.
    static const ZoneTable& Shipped();

    // The longest zone the name ends in ("co.uk" before "uk" for
    // "shop.co.uk"), as long as it has a whois server; nullptr when none.
    const Zone* WhoisZoneOf(std::string_view asciiName) const;
    // The RDAP base of the longest zone the name ends in that has one: a
    // deeper zone without its own ("co.uk") uses its parent's ("uk"). Empty
    // when none has.
    std::string RdapBaseOf(std::string_view asciiName) const;
    // Every zone's RDAP base from this list instead; zones it leaves out have none.
    void ReplaceRdapBases(const std::map<std::string, std::string>& bases);
    std::size_t size() const { return zones_.size(); }
    // Whether this zone ("co.uk", lower case, ASCII form) is one of the table's.
    bool Has(const std::string& zone) const { return zones_.contains(zone); }

private:
    const Zone* LongestZoneWith(std::string_view asciiName, std::string Zone::*field) const;

    std::unordered_map<std::string, Zone> zones_;
};

// The shipped zones, with the RDAP servers of the program folder's
// downloaded list when it holds one.
ZoneTable LoadZones(const ProgramFolder& folder);

}  // namespace quillmark::whois
