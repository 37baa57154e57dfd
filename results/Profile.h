#pragma once

#include <cstddef>
#include <string_view>

namespace quillmark::results {

// The judgement of a name: free, in the profile of its length, or taken.
enum class Verdict { High, Mid, Low, Taken };

// The characters of the name before its first dot.
std::size_t FirstLabelLength(std::string_view name);

// The profile of a free name by the length of its first label in characters:
// under 5 High, 5 to 7 Mid, 8 or more Low.
Verdict ProfileOf(std::string_view name);

}  // namespace quillmark::results
