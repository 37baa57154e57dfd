#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

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
    std::size_t size() const { return zones_.size(); }

private:
    std::unordered_map<std::string, Zone> zones_;
};

}  // namespace quillmark::whois
