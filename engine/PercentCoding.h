#pragma once

#include <string>
#include <string_view>

namespace quillmark::names {

// Turns the percent-codes a name picks up in page addresses back into their
// characters. Codes are matched without regard to case; codes outside the
// fixed table (such as %2B) stay as they are.
std::string UrlDecode(std::string_view text);

}  // namespace quillmark::names
