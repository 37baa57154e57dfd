#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::program {

// What the user asked for on the command line.
struct CommandLine {
    std::string command;                         // empty: the windows
    std::map<std::string, std::string> options;  // "--folder" -> "DIR"; flags map to ""
    std::vector<std::string> arguments;
    bool help = false;

    bool has(std::string_view option) const { return options.count(std::string(option)) != 0; }
    std::optional<std::string> option(std::string_view name) const;
};

struct CommandLineResult {
    std::optional<CommandLine> commandLine;
    std::string error;  // one line, set when commandLine is empty
};

CommandLineResult ParseCommandLine(const std::vector<std::string>& args);

// Usage text of a command ("" for the windows).
std::string Usage(std::string_view command);

}  // namespace quillmark::program
