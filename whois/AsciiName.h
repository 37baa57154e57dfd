#pragma once

#include <string>
#include <string_view>

namespace quillmark::whois {

// A domain name as whois servers take it: every label holding letters
// outside ASCII becomes "xn--" and its punycode; ASCII labels stay as they
// are. A label that is not valid UTF-8 is left as it is: no server will find
// it, and it is not ours to guess what was meant.
std::string AsciiName(std::string_view name);

}  // namespace quillmark::whois
