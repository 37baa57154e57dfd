#include "whois/Zones.h"

#include "QuillmarkConfig.h"
#include "platform/Text.h"

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

const Zone* ZoneTable::WhoisZoneOf(std::string_view asciiName) const {
    const std::string name = text::toLower(asciiName);
    // Each full stop starts a longer zone than the next one does.
    for (std::size_t stop = name.find('.'); stop != std::string::npos; stop = name.find('.', stop + 1)) {
        const auto found = zones_.find(name.substr(stop + 1));
        if (found != zones_.end() && !found->second.whoisHost.empty()) return &found->second;
    }
    return nullptr;
}

}  // namespace quillmark::whois
