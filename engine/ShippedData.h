#pragma once

#include <filesystem>

#include "platform/Files.h"

namespace quillmark {

// Copies each file shipped with the program (word lists, help) into the
// program folder where it is missing; files already there are never touched.
// Returns the number of files copied.
int InstallShippedData(const std::filesystem::path& shippedFolder, const ProgramFolder& folder);

}  // namespace quillmark
