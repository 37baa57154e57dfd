#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::app {

// What the user asked for on the command line.
struct CommandLine {
    std::string command;                         // empty: the windows
    std::map<std::string, std::string> options;  // "--folder" -> "DIR"; flags map to ""
    std::vector<std::string> arguments;
    bool help = false;

    bool has(std::string_view option) const { return options.count(std::string(option)) != 0; }
    std::optional<std::string> option(std::string_view name) const;
};

// What app::ParseCommandLine found: the command line, or why there is none.
struct CommandLineResult {
    std::optional<CommandLine> commandLine;
    std::string error;  // one line, set when commandLine is empty
};

}  // namespace quillmark::app
