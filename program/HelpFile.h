#pragma once

#include <functional>
#include <string_view>

#include "platform/Files.h"
#include "platform/Services.h"

namespace quillmark::program {

// Shows the help file with the desktop's viewer for it, or, where the
// desktop has none, through showInProgram (the program's own website
// window), which says whether it could. Only help that was shown is noted,
// so start-up opens it again until it has been. A missing file shows
// nothing and notes nothing. True when the help was shown.
bool OpenHelp(Services& services, const ProgramFolder& folder,
              const std::function<bool(std::string_view helpFile)>& showInProgram);

}  // namespace quillmark::program
