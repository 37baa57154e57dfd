#include "CommandLine.h"

#include <algorithm>
#include <array>

namespace quillmark::program {

namespace {

struct CommandSpec {
    std::string_view name;
    std::vector<std::string_view> valueOptions;
    std::vector<std::string_view> flags;
    std::size_t minArguments;
    std::size_t maxArguments;
    std::string_view usage;
};

const std::vector<CommandSpec>& commands() {
    static const std::vector<CommandSpec> specs = {
        {"", {"--folder"}, {}, 0, 0, "quillmark [--folder DIR]\n  Opens the program's windows.\n"},
        {"run",
         {"--folder", "--source", "--list", "--start"},
         {},
         0,
         0,
         "quillmark run [--folder DIR] --source \"ITEM\" [--list FILE] [--start N]\n"
         "  Chooses the search type ITEM, presses Start and prints one line per judged name:\n"
         "  free<TAB>NAME<TAB>High|Mid|Low or taken<TAB>NAME.\n"},
        {"whois",
         {"--folder", "--server", "--timeout"},
         {},
         1,
         1,
         "quillmark whois [--folder DIR] [--server HOST[:PORT]] [--timeout SECONDS] NAME\n"
         "  Looks NAME up and prints the server's raw reply.\n"},
        {"extract",
         {"--folder"},
         {"--browse"},
         1,
         1,
         "quillmark extract [--folder DIR] [--browse] FILE\n"
         "  Prints the domain names found in the page markup in FILE, one per line.\n"},
        {"generate",
         {"--folder", "--base"},
         {},
         0,
         0,
         "quillmark generate [--folder DIR] --base WORD\n"
         "  Generates names from WORD with the stored options and appends list.\n"},
        {"clean",
         {},
         {},
         0,
         static_cast<std::size_t>(-1),
         "quillmark clean TEXT...\n  Prints each TEXT percent-decoded and cleaned as a domain name.\n"},
    };
    return specs;
}

const CommandSpec* findCommand(std::string_view name) {
    for (const auto& spec : commands()) {
        if (spec.name == name) return &spec;
    }
    return nullptr;
}

bool listed(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

CommandLineResult failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

}  // namespace

std::optional<std::string> CommandLine::option(std::string_view name) const {
    const auto it = options.find(std::string(name));
    if (it == options.end()) return std::nullopt;
    return it->second;
}

CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::size_t i = 0;
    if (!args.empty() && !args[0].empty() && args[0][0] != '-') {
        if (findCommand(args[0]) == nullptr) return failure("unknown command '" + args[0] + "'");
        line.command = args[0];
        i = 1;
    }
    const CommandSpec& spec = *findCommand(line.command);
    bool onlyArguments = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyArguments || arg.size() < 2 || arg[0] != '-') {
            line.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyArguments = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (listed(spec.flags, arg)) {
            line.options[arg] = "";
        } else {
            const auto equals = arg.find('=');
            const std::string name = arg.substr(0, equals);
            if (!listed(spec.valueOptions, name)) return failure("unknown option '" + arg + "'");
            if (equals != std::string::npos) {
                line.options[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                line.options[name] = args[++i];
            } else {
                return failure("option '" + name + "' needs a value");
            }
        }
    }
    if (line.help) return {line, {}};
    if (line.arguments.size() < spec.minArguments) return failure("missing argument; see --help");
    if (line.arguments.size() > spec.maxArguments)
        return failure("unexpected argument '" + line.arguments.back() + "'");
    return {line, {}};
}

std::string Usage(std::string_view command) {
    const CommandSpec* spec = findCommand(command);
    if (spec == nullptr) return {};
    std::string text = "Usage: " + std::string(spec->usage);
    if (command.empty()) {
        text += "\nCommands:\n";
        for (const auto& other : commands()) {
            if (!other.name.empty())
                text += "  " + std::string(other.usage.substr(0, other.usage.find('\n'))) + "\n";
        }
    }
    return text;
}

}  // namespace quillmark::program
