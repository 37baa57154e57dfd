#pragma once

#include <array>
#include <string_view>

namespace quillmark::whois {

// Two rules judge a whois reply; each window keeps its own.

// The main window's rule: a reply means "free" when it holds one of the
// phrases whois servers use for an unregistered name, in any letter case.
inline constexpr std::array<std::string_view, 5> kFreePhrases = {
    "No match", "not registered", "not found", "available for registration", "no domain records"};
bool HoldsFreePhrase(std::string_view reply);

// The browse window's rule: a reply means "free" only when it holds this one
// phrase, in any letter case.
inline constexpr std::string_view kNoMatchForPhrase = "No match for";
bool HoldsNoMatchFor(std::string_view reply);

// ".com" or ".net" alone: what is left of a link or a list line with no name
// before its extension. Such a name is judged but listed nowhere.
bool IsBareExtension(std::string_view name);

}  // namespace quillmark::whois
