#pragma once

#include <string>
#include <string_view>

namespace quillmark::names {

// Strips markup remnants and punctuation from the part of a candidate name
// before its first full stop; the rest (the suffix) is kept as it is, except
// that every "?" of the whole name goes. Letter case is never changed.
std::string CorrectName(std::string_view candidate);

// A name as found (in a list, a page or an address) made ready to be looked
// up: its percent-codes decoded (UrlDecode), then corrected (CorrectName).
std::string NameToLookUp(std::string_view found);

}  // namespace quillmark::names
