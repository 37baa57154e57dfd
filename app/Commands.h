#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/CommandLine.h"

namespace quillmark::app {

// The program's entry: reads the command line, prints the usage text or an
// error, or makes the application object the command needs and runs it.
// Returns the exit status.
int RunCommandLine(int& argc, char** argv);

// The command line checked against the table of commands: their options,
// flags and number of arguments.
app::CommandLineResult ParseCommandLine(const std::vector<std::string>& args);

// Usage text of a command ("" for the windows, which also lists the others).
std::string Usage(std::string_view command);

// "quillmark: MESSAGE" on standard error; returns the status.
int Fail(std::string_view message, int status = 2);

// The commands of the table. Each runs with the application object its row
// asks for already made, and returns the program's exit status.
int RunClean(const app::CommandLine& line);
int RunExtract(const app::CommandLine& line);
int RunLookups(const app::CommandLine& line);
int RunGenerate(const app::CommandLine& line);
int RunUpdateZones(const app::CommandLine& line);
int RunWhois(const app::CommandLine& line);
int RunWindows(const app::CommandLine& line);

}  // namespace quillmark::app
