#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "platform/ListView.h"

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

// The row to ask for a name: the "proxy" row when useProxy, else the first row
// of the name's last label, else the last "com" row, else row 0. Nothing only
// for an empty table. The status of a row plays no part.
std::optional<int> GetServerIndex(const ServerTable& table, std::string_view name, bool useProxy);

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
