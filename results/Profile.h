#pragma once

#include <string_view>

namespace quillmark::results {

// The judgement of a name: free, in the profile of its length, or taken.
enum class Verdict { High, Mid, Low, Taken };

// The profile of a free name by the length of its first label in characters:
// under 5 High, 5 to 7 Mid, 8 or more Low.
Verdict ProfileOf(std::string_view name);

// The title of the main window's list for a verdict, as its caption shows it
// before the count: "High Profile", "Mid Profile", "Low Profile", "Registered".
std::string_view ListTitle(Verdict verdict);

}  // namespace quillmark::results
