#pragma once

#include "app/core/CommandLine.h"

namespace quillmark::app {

// Each returns the program's exit status.
int RunClean(const program::CommandLine& line);
int RunExtract(const program::CommandLine& line);
int RunLookups(int argc, char** argv, const program::CommandLine& line);
int RunGenerate(int argc, char** argv, const program::CommandLine& line);
int RunWhois(int argc, char** argv, const program::CommandLine& line);
int RunWindows(int argc, char** argv, const program::CommandLine& line);

}  // namespace quillmark::app
