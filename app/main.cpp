#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/core/CommandLine.h"

int main(int argc, char** argv) {
    using namespace quillmark;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = program::ParseCommandLine(args);
    if (!parsed.commandLine) {
        std::cerr << "quillmark: " << parsed.error << '\n';
        return 2;
    }
    const program::CommandLine& line = *parsed.commandLine;
    if (line.help) {
        std::cout << program::Usage(line.command);
        return 0;
    }
    if (line.command == "clean") return app::RunClean(line);
    if (line.command == "run") return app::RunLookups(argc, argv, line);
    if (line.command == "generate") return app::RunGenerate(argc, argv, line);
    if (line.command == "whois") return app::RunWhois(argc, argv, line);
    if (line.command == "extract") return app::RunExtract(line);
    if (!line.command.empty()) {
        std::cerr << "quillmark: unknown command " << line.command << "; see --help\n";
        return 2;
    }
    return app::RunWindows(argc, argv, line);
}
