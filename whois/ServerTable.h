#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "platform/ListView.h"
#include "whois/Zones.h"

// The whois server table: which server and port answer for each extension,
// kept in "registrars.txt" (rows of extension|server|port|status) and loaded
// into memory for the lookups.
namespace quillmark::whois {

struct ServerRow {
    std::string extension;  // lower case
    std::string host;       // lower case
    std::uint16_t port = 43;
    bool enabled = false;
};
using ServerTable = std::vector<ServerRow>;

// Writes the default table when the file is missing; with overwrite, replaces
// whatever file is there.
void WriteDefaultServers(const ProgramFolder& folder, bool overwrite);

// Fills the table from the file. Lines that cannot be rows (fewer than four
// fields, an empty extension, a bad port) are skipped; a file without any row
// leaves the table as it was.
void LoadServers(const ProgramFolder& folder, ServerTable& table);

// Hosts of the registries of internet addresses: they hold no domain names,
// so a row that sends names there would make every name look taken.
bool IsAddressRegistry(std::string_view host);
// Extensions of the rows that point at an address registry.
std::vector<std::string> AddressRegistryRows(const ServerTable& table);

// The server to ask about a name (in its ASCII form), rows without a server
// passed over: the "proxy" row when useProxy and there is one; else the first row of the name's last label,
// unless it points at an address registry; else the whois server the zone
// data gives for the name, on port 43. Nothing when no server answers for the
// name: it is never sent to another extension's server. The status of a row
// plays no part.
std::optional<ServerRow> ServerFor(const ServerTable& table, const ZoneTable& zones, std::string_view name,
                                   bool useProxy);

// Replaces every line of that extension (compared with the file's text as it
// stands) by the new row, or appends the row when there is none.
void UpdateServer(const ProgramFolder& folder, std::string_view extension, std::string_view server,
                  std::string_view port, bool enabled);

// Appends one row; status is "Enabled" or "Disabled".
void AddServer(const ProgramFolder& folder, std::string_view extension, std::string_view server,
               std::string_view port, std::string_view status);

// One row of the view per non-blank line, fields exactly as in the file. A
// line with fewer than four fields shows what it has, so it can be seen and
// replaced; it is not in the loaded table.
void FillServerList(const ProgramFolder& folder, ListView& view);

// A whole number from 1 to 65535.
std::optional<std::uint16_t> ParsePort(std::string_view text);

}  // namespace quillmark::whois
