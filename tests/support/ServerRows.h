#pragma once

#include <string>
#include <vector>

#include "whois/ServerTable.h"

namespace quillmark::testing {

// Each row as "ext|host|port|E/D", so tables compare with EXPECT_EQ.
inline std::vector<std::string> rowsOf(const whois::ServerTable& table) {
    std::vector<std::string> rows;
    for (const auto& r : table) {
        rows.push_back(r.extension + "|" + r.host + "|" + std::to_string(r.port) + "|" +
                       (r.enabled ? "E" : "D"));
    }
    return rows;
}

}  // namespace quillmark::testing
