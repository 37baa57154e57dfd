#include "whois/Zones.h"

#include "QuillmarkConfig.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"
#include "whois/Rdap.h"

namespace quillmark::whois {

ZoneTable ZoneTable::Parse(std::string_view text) {
    ZoneTable table;
    for (const auto line : text::splitLines(text)) {
        if (line.starts_with('#')) continue;
        const auto fields = text::split(line, '\t');
        if (fields.size() != 3 || fields[0].empty()) continue;
        table.zones_[text::toLower(fields[0])] = Zone{text::toLower(fields[1]), std::string(fields[2])};
    }
    return table;
}

const ZoneTable& ZoneTable::Shipped() {
    static const ZoneTable shipped = Parse(config::kShippedZones);
    return shipped;
}

const Zone* ZoneTable::LongestZoneWith(std::string_view asciiName, std::string Zone::*field) const {
    const std::string name = text::toLower(asciiName);
    // Each full stop starts a longer zone than the next one does.
    for (std::size_t stop = name.find('.'); stop != std::string::npos; stop = name.find('.', stop + 1)) {
        const auto found = zones_.find(name.substr(stop + 1));
        if (found != zones_.end() && !(found->second.*field).empty()) return &found->second;
    }
    return nullptr;
}

const Zone* ZoneTable::WhoisZoneOf(std::string_view asciiName) const {
    return LongestZoneWith(asciiName, &Zone::whoisHost);
}

std::string ZoneTable::RdapBaseOf(std::string_view asciiName) const {
    const Zone* zone = LongestZoneWith(asciiName, &Zone::rdapBase);
    return zone != nullptr ? zone->rdapBase : std::string();
}

void ZoneTable::ReplaceRdapBases(const std::map<std::string, std::string>& bases) {
    for (auto& [name, zone] : zones_) zone.rdapBase.clear();
    for (const auto& [name, base] : bases) zones_[name].rdapBase = base;
}

ZoneTable LoadZones(const ProgramFolder& folder) {
    ZoneTable zones = ZoneTable::Shipped();
    const auto downloaded = ReadWholeFile(folder.file(files::kRdapServers));
    if (const auto bases = downloaded ? ParseRdapServers(*downloaded) : std::nullopt)
        zones.ReplaceRdapBases(*bases);
    return zones;
}

}  // namespace quillmark::whois
