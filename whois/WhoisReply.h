#pragma once

#include <string_view>

namespace quillmark::whois {

// ".com" or ".net" alone: what is left of a link or a list line with no name
// before its extension. Such a name is judged but listed nowhere.
bool IsBareExtension(std::string_view name);

}  // namespace quillmark::whois
