#pragma once

#include <string>
#include <vector>

#include "whois/ServerTable.h"

namespace quillmark::testing {

// Each row as "ext|host|port|E/D", so tables compare with EXPECT_EQ.
inline std::vector<std::string> rowsOf(const whois::ServerTable& table) {
    std::vector<std::string> rows;
    for (const auto& r : table)
        rows.push_back(r.extension + "|" + r.host + "|" + std::to_string(r.port) + "|" +
                       (r.enabled ? "E" : "D"));
    return rows;
}

// Each row of a server list as its four cells joined by "|", as the file writes a row.
inline std::vector<std::string> cellsOf(const ListView& view) {
    std::vector<std::string> rows;
    for (int row = 0; row < view.count(); ++row)
        rows.push_back(view.cell(row, 0) + "|" + view.cell(row, 1) + "|" + view.cell(row, 2) + "|" +
                       view.cell(row, 3));
    return rows;
}

}  // namespace quillmark::testing
