#pragma once

#include <string>
#include <vector>

#include "whois/ServerTable.h"

namespace quillmark::testing {

// Each row as "ext|host|port|E/D", so tables compare with EXPECT_EQ.
inline std::vector<std::string> rowsOf(const whois::ServerTable& table) {
    std::vector<std::string> rows;
    for (const auto& r : table) {
        rows.push_back(r.ServerExt + "|" + r.ServerHost + "|" + std::to_string(r.ServerPort) + "|" +
                       (r.ServerEnabled ? "E" : "D"));
    }
    return rows;
}

}  // namespace quillmark::testing
