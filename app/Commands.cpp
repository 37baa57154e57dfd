#include "app/Commands.h"

#include <QApplication>

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <memory>

#include "engine/SearchTypes.h"

namespace quillmark::app {

namespace {

// The application object a command needs before it runs.
enum class Application { None, Console, Windows };

struct Command {
    std::string_view name;
    std::vector<std::string_view> valueOptions;
    std::vector<std::string_view> flags;
    std::size_t minArguments;
    std::size_t maxArguments;
    Application application;
    int (*run)(const app::CommandLine& line);
    std::string_view usage;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"",
         {"--folder"},
         {},
         0,
         0,
         Application::Windows,
         RunWindows,
         "quillmark [--folder DIR]\n  Opens the program's windows.\n"},
        {"run",
         {"--folder", "--source", "--list", "--start", "--format"},
         {"--progress"},
         0,
         0,
         Application::Console,
         RunLookups,
         "quillmark run [--folder DIR] --source \"ITEM\" [--list FILE] [--start N] [--format tsv|csv|json]\n"
         "              [--progress]\n"
         "  Chooses the search type ITEM, presses Start and prints one line per name looked up:\n"
         "  free<TAB>NAME<TAB>High|Mid|Low, taken<TAB>NAME<TAB>- or unknown<TAB>NAME<TAB>REASON,\n"
         "  then <TAB>whois or <TAB>rdap: the protocol that judged it (- when none was asked).\n"
         "  --format csv or json prints the same fields with a header, or as one JSON array, and\n"
         "  adds extension, length and the time of the outcome.\n"
         "  Progress goes to standard error once a second when it is a terminal, or with\n"
         "  --progress; a summary line always. Exit status 0 when the run went through its\n"
         "  list, 1 when it ended before. ITEM, in any letter case, is one of:\n"},
        {"whois",
         {"--folder", "--server", "--timeout"},
         {"--whois", "--rdap"},
         1,
         1,
         Application::Console,
         RunWhois,
         "quillmark whois [--folder DIR] [--server HOST[:PORT]] [--timeout SECONDS] [--whois|--rdap] NAME\n"
         "  Looks NAME up and prints the reply: by RDAP (indented JSON) where the registry has an\n"
         "  RDAP server and the settings allow it, else the whois server's raw reply.\n"},
        {"update-zones",
         {"--folder", "--from"},
         {},
         0,
         0,
         Application::Console,
         RunUpdateZones,
         "quillmark update-zones [--folder DIR] [--from URL]\n"
         "  Downloads the registries' RDAP server list (from IANA unless --from) into the program\n"
         "  folder. A failed or broken download leaves the kept list as it was (exit status 1).\n"},
        {"extract",
         {"--folder"},
         {"--browse"},
         1,
         1,
         Application::Console,
         RunExtract,
         "quillmark extract [--folder DIR] [--browse] FILE\n"
         "  Prints the domain names found in the page markup in FILE, one per line.\n"},
        {"generate",
         {"--folder", "--base"},
         {},
         0,
         0,
         Application::Console,
         RunGenerate,
         "quillmark generate [--folder DIR] --base WORD\n"
         "  Generates names from WORD with the stored options and appends list.\n"},
        {"clean",
         {},
         {},
         0,
         static_cast<std::size_t>(-1),
         Application::None,
         RunClean,
         "quillmark clean TEXT...\n  Prints each TEXT percent-decoded and cleaned as a domain name.\n"},
    };
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const auto& command : commands()) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

bool listed(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

app::CommandLineResult failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

// The browser engine refuses to start as root inside its sandbox.
void allowBrowserAsRoot() {
    if (::geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? "--no-sandbox" : flags + " --no-sandbox");
}

std::unique_ptr<QCoreApplication> makeApplication(Application kind, int& argc, char** argv) {
    std::unique_ptr<QCoreApplication> application;
    if (kind == Application::Windows) {
        allowBrowserAsRoot();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("Quillmark");
    return application;
}

}  // namespace

app::CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
    app::CommandLine line;
    std::size_t i = 0;
    if (!args.empty() && !args[0].empty() && args[0][0] != '-') {
        if (findCommand(args[0]) == nullptr) return failure("unknown command '" + args[0] + "'");
        line.command = args[0];
        i = 1;
    }
    const Command& command = *findCommand(line.command);
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
        } else if (listed(command.flags, arg)) {
            line.options[arg] = "";
        } else {
            const auto equals = arg.find('=');
            const std::string name = arg.substr(0, equals);
            if (!listed(command.valueOptions, name)) return failure("unknown option '" + arg + "'");
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
    if (line.arguments.size() < command.minArguments) return failure("missing argument; see --help");
    if (line.arguments.size() > command.maxArguments)
        return failure("unexpected argument '" + line.arguments.back() + "'");
    return {line, {}};
}

std::string Usage(std::string_view name) {
    const Command* command = findCommand(name);
    if (command == nullptr) return {};
    std::string text = "Usage: " + std::string(command->usage);
    if (name == "run") {
        for (const SearchTypeRow& row : SearchTypeRows()) {
            if (row.type != SearchType::Browse) text += "    " + std::string(row.caption) + "\n";
        }
    }
    if (name.empty()) {
        text += "\nCommands:\n";
        for (const auto& other : commands()) {
            if (!other.name.empty())
                text += "  " + std::string(other.usage.substr(0, other.usage.find('\n'))) + "\n";
        }
    }
    return text;
}

int Fail(std::string_view message, int status) {
    std::cerr << "quillmark: " << message << '\n';
    return status;
}

int RunCommandLine(int& argc, char** argv) {
    const auto parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.commandLine) return Fail(parsed.error);
    const app::CommandLine& line = *parsed.commandLine;
    if (line.help) {
        std::cout << Usage(line.command);
        return 0;
    }
    const Command& command = *findCommand(line.command);
    if (command.application == Application::None) return command.run(line);
    const auto application = makeApplication(command.application, argc, argv);
    return command.run(line);
}

}  // namespace quillmark::app
