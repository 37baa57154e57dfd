#pragma once

#include <string_view>

#include "engine/MainWindow.h"

namespace quillmark {

// A reply means "free" when it holds one of the phrases whois servers use for
// an unregistered name, in any letter case.
bool IsFreeReply(std::string_view reply);

// The profile of a free name by the length of its first label in characters:
// under 5 High, 5 to 7 Mid, 8 or more Low.
MainWindowHooks::Verdict ProfileOf(std::string_view name);

}  // namespace quillmark
