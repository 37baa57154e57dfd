#pragma once

#include <string_view>

// The Public Suffix List: the suffixes under which the public registers
// names ("com", "co.uk", "pvt.k12.ma.us"). Read once from the system's copy.
namespace quillmark::harvest {

// True when `suffix` (lower case, ASCII form) is a suffix of the list's
// ICANN part. Suffixes that only the list's catch-all rule or its private
// part (hosting companies' own domains) would make one are not; nothing is
// when no list could be read.
bool IsPublicSuffix(std::string_view suffix);

}  // namespace quillmark::harvest
