#pragma once

#include <string>
#include <string_view>

namespace quillmark::names {

// Turns the percent-codes a name picks up in page addresses back into their
// characters. Codes are matched without regard to case; codes outside the
// fixed table (such as %2B) stay as they are.
std::string UrlDecode(std::string_view text);

// Strips markup remnants and punctuation from the part of a candidate name
// before its first full stop; the rest (the suffix) is kept as it is, except
// that every "?" of the whole name goes. Letter case is never changed.
std::string CorrectName(std::string_view candidate);

// A name as found (in a list, a page or an address) made ready to be looked
// up: its percent-codes decoded (UrlDecode), then corrected (CorrectName).
std::string NameToLookUp(std::string_view found);

}  // namespace quillmark::names
