#pragma once

#include <string>
#include <string_view>

namespace quillmark::names {

// Turns the percent-codes a name picks up in page addresses back into their
// characters. Codes are matched without regard to case; codes outside the
// fixed table (such as %2B) stay as they are.
std::string UrlDecode(std::string_view text);

// Makes text safe as one query value of an address: the characters that would
// end or split the value (&, #, +, %, =, control characters) become
// percent-codes; a space becomes "+" when asked, else "%20". Anything else,
// an ordinary name or word among it, stays as it is.
std::string EncodeQueryValue(std::string_view text, bool spaceAsPlus);

}  // namespace quillmark::names
