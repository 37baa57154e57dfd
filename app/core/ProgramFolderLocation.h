#pragma once

#include <filesystem>
#include <optional>

#include "app/core/CommandLine.h"

namespace quillmark::app {

// The program folder of this run (--folder, else the per-user data folder),
// made when missing and filled with the shipped files it lacks. Nothing, after
// a one-line message on standard error, when the folder cannot be made.
// Needs the application object (for the standard locations).
std::optional<std::filesystem::path> PrepareProgramFolder(const app::CommandLine& line);

}  // namespace quillmark::app
