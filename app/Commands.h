#pragma once

#include "shell/CommandLine.h"

namespace quillmark::app {

// Each returns the program's exit status.
int RunClean(const shell::CommandLine& line);
int RunExtract(const shell::CommandLine& line);
int RunRun(int argc, char** argv, const shell::CommandLine& line);
int RunGenerate(int argc, char** argv, const shell::CommandLine& line);
int RunWhois(int argc, char** argv, const shell::CommandLine& line);
int RunWindows(int argc, char** argv, const shell::CommandLine& line);

}  // namespace quillmark::app
