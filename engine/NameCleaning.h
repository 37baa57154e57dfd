#pragma once

#include <string>
#include <string_view>

namespace quillmark::names {

// Strips markup remnants and punctuation from the part of a candidate name
// before its first full stop; the rest (the suffix) is kept as it is, except
// that every "?" of the whole name goes. Letter case is never changed.
std::string CorrectName(std::string_view candidate);

}  // namespace quillmark::names
