#pragma once

#include <string>
#include <string_view>

// Web addresses as the windows build them from what a person types or picks.
namespace quillmark {

// The address to hand the browser for what a person writes: a bare host
// ("www.quillmark.example", "127.0.0.1:8080/x") gets "http://" in front; an
// address with its own scheme ("https://…", "about:blank") stays as it is.
// Surrounding blanks are dropped; blank text gives an empty address.
std::string AddressWithScheme(std::string_view text);

// Makes text safe as one query value of an address: the characters that would
// end or split the value (&, #, +, %, =, control characters) become
// percent-codes; a space becomes "+" when asked, else "%20". Anything else,
// an ordinary name or word among it, stays as it is.
std::string EncodeQueryValue(std::string_view text, bool spaceAsPlus);

}  // namespace quillmark
