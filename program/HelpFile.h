#pragma once

#include <string_view>

#include "platform/Files.h"
#include "platform/Services.h"

namespace quillmark::program {

// Opens the help file with the desktop's viewer for it and notes that the
// help has been shown, so start-up does not open it again. A missing file
// opens nothing and notes nothing. True when the file was handed over.
bool OpenHelp(Services& services, const ProgramFolder& folder);

}  // namespace quillmark::program
