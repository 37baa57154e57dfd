#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "app/Commands.h"
#include "platform/Text.h"
#include "support/LocalWhoisServer.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;
using Args = std::vector<std::string>;

// The parse as one line: the error, or the command, its options and its arguments.
std::string parsed(const Args& args) {
    const auto result = app::ParseCommandLine(args);
    if (!result.commandLine) return "error: " + result.error;
    std::string line = "command '" + result.commandLine->command + "'";
    for (const auto& [option, value] : result.commandLine->options) line += " " + option + "=" + value;
    for (const auto& argument : result.commandLine->arguments) line += " [" + argument + "]";
    return line + (result.commandLine->help ? " help" : "");
}

TEST(CommandLine, CommandsTakeTheirOwnOptionsAndArgumentsAndMistakesGiveOneLine) {
    const std::pair<Args, std::string> cases[] = {
        {{}, "command ''"},
        {{"--folder", "/tmp/q"}, "command '' --folder=/tmp/q"},
        {{"--folder=/tmp/q"}, "command '' --folder=/tmp/q"},
        {{"run", "--folder", "d", "--source", "Custom List", "--list", "l.txt", "--start", "3"},
         "command 'run' --folder=d --list=l.txt --source=Custom List --start=3"},
        {{"extract", "--browse", "page.html"}, "command 'extract' --browse= [page.html]"},
        {{"clean", "a%20b.com", "-", "--", "--not-an-option"},
         "command 'clean' [a%20b.com] [-] [--not-an-option]"},
        {{"whois", "--help"}, "command 'whois' help"},
        {{"--bogus"}, "error: unknown option '--bogus'"},
        {{"frobnicate"}, "error: unknown command 'frobnicate'"},
        {{"--folder"}, "error: option '--folder' needs a value"},
        {{"clean", "--folder", "x"}, "error: unknown option '--folder'"},
        {{"run", "--browse"}, "error: unknown option '--browse'"},
        {{"whois"}, "error: missing argument; see --help"},
        {{"whois", "a.com", "b.com"}, "error: unexpected argument 'b.com'"},
    };
    for (const auto& [args, expected] : cases) EXPECT_EQ(parsed(args), expected);
    EXPECT_NE(app::Usage("whois").find("quillmark whois"), std::string::npos);
    EXPECT_NE(app::Usage("").find("quillmark clean"), std::string::npos);
}

// A folder whose proxy row (switched on) sends every lookup to a server in this process.
class ProgramCommand : public ::testing::Test {
protected:
    ProgramCommand() {
        std::filesystem::create_directories(config / "Quillmark");
        config.write("Quillmark/Quillmark.ini", "[Settings]\nchkProxy=1\n");
        folder.write("registrars.txt", "proxy|127.0.0.1|" + std::to_string(server.port()) +
                                           "|Enabled\r\ncom|127.0.0.2|43|Enabled\r\n\r\n");
    }
    // Runs `command --folder FOLDER args` while this process keeps serving whois queries.
    testing::ProgramOutcome run(const QString& command, const QStringList& args) const {
        const auto outcome = testing::RunProgram(
            QStringList{command, "--folder", QString::fromStdString(folder.path().string())} + args,
            config.path(), 90'000);
        EXPECT_TRUE(outcome.finished) << "the program did not end by itself";
        return outcome;
    }
    QStringList list(const std::filesystem::path& path) const {
        return {"--source", "Custom List", "--list", QString::fromStdString(path.string())};
    }

    testing::TempFolder folder, config;
    LocalWhoisServer server;
};

// Whois prints the server's bytes as they came; unusable requests give one line and
// status 2, run printing no names; no complete reply within the timeout is status 1.
TEST_F(ProgramCommand, PrintsTheOutcomeOrSaysWhyNot) {
    const std::string odd = std::string("\xff\0\r\n", 4) + "Domain: ODD.COM\r\n\x80 end";
    LocalWhoisServer oddServer([&odd](const std::string&) { return LocalWhoisServer::Reply{odd, 3}; });
    const auto at = [](quint16 port) { return "127.0.0.1:" + QString::number(port); };
    const QString good = at(server.port()), refused = at(LocalWhoisServer::refusedPort());
    const auto noReply = [](const QString& address) {
        return "quillmark: no reply from " + address.toStdString() + " within 1 s\n";
    };
    const std::string oneLine = "<one line>";
    const struct {
        QStringList args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"whois", "--server", at(oddServer.port()), "odd.com"}, 0, odd, ""},
        {{"whois", "--server", good, "--server", "", "a.com"}, 2, "", oneLine},
        {{"whois", "--server", good, "--server", "127.0.0.1:0", "a.com"}, 2, "", oneLine},
        {{"whois", "--server", good, "--server", "127.0.0.1:65536", "a.com"}, 2, "", oneLine},
        {{"whois", "--server", good, "--timeout", "0", "a.com"}, 2, "", oneLine},
        {{"whois", "--server", good, "--timeout", "1", "a.com\r\nb.com"}, 2, "", oneLine},
        {{"whois", "--timeout", "1", "--server", refused, "a.com"}, 1, "", noReply(refused)},
        {{"whois", "--timeout", "1", "--server", good, "silent.com"}, 1, "", noReply(good)},
        {{"run", "--source", "Nonsense"}, 2, "", oneLine},
        {{"run", "--source", "Browse for names"}, 2, "", oneLine},
        {{"run", "--source", "Custom List"}, 2, "", oneLine},
        {QStringList{"run"} + list("/no/such/list.txt"), 2, "", oneLine},
        {{"run", "--source", "Full Word List", "--start", "abc"}, 2, "", oneLine},
        {{"run"}, 2, "", oneLine},
    };
    for (const auto& c : cases) {
        const auto outcome = run(c.args[0], c.args.mid(1));
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(outcome.exitCode, c.exitCode) << what << ": " << outcome.err;
        EXPECT_EQ(outcome.out, c.out) << what;
        if (c.err == oneLine)
            EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1)
                << what << ": " << outcome.err;
        else
            EXPECT_EQ(outcome.err, c.err) << what;
    }
    EXPECT_EQ(oddServer.queries(), (std::map<std::string, int>{{"odd.com", 1}}));
    EXPECT_EQ(server.queries(), (std::map<std::string, int>{{"silent.com", 1}}));
}

// A list of two hundred megabytes runs from a start number at the last of its first
// names, each name judged once against the local server; the position is kept.
TEST_F(ProgramCommand, CustomListIsJudgedNameByNameFromItsStartNumber) {
    std::uint64_t start = 0;
    std::multiset<std::string> expected{"taken\ttakenname1099999.com"};
    {
        std::ofstream out(folder / "names.txt", std::ios::binary);
        std::string block;
        for (int i = 0; i < 100'000; ++i) block += "takenname" + std::to_string(1'000'000 + i) + "\r\n";
        for (std::uint64_t written = 0; written < 200ull << 20; written += block.size(), start += 100'000)
            out << block;
        for (int i = 0; i < 60; ++i) {
            const std::string name =
                (i % 3 ? "taken" : "free") + std::string(i % 2 ? "x" : "longer") + std::to_string(i);
            out << name << "\r\n";
            const auto length = name.size();
            expected.insert(i % 3 ? "taken\t" + name + ".com"
                                  : "free\t" + name + ".com\t" +
                                        (length < 5    ? "High"
                                         : length <= 7 ? "Mid"
                                                       : "Low"));
        }
    }
    const auto outcome =
        run("run", list(folder / "names.txt") + QStringList{"--start", QString::number(start)});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    std::multiset<std::string> lines;
    for (auto line : text::splitLines(outcome.out))
        if (!line.empty()) lines.emplace(line);
    EXPECT_EQ(lines, expected);
    EXPECT_NE(outcome.err.find("61 names judged: 20 free"), std::string::npos) << outcome.err;
    EXPECT_EQ(server.queries().size(), 61u);
    for (const auto& [query, count] : server.queries()) EXPECT_EQ(count, 1) << query;
    EXPECT_NE(config.read("Quillmark/Kestrelon.ini").find("CustWordNum=" + std::to_string(start + 61)),
              std::string::npos);
    std::size_t saved = 0;
    for (const char* file : {"SuperHighProfile.txt", "HighProfile.txt", "LowProfile.txt"})
        saved += text::splitLines(folder.read(file)).size();
    EXPECT_EQ(saved, 20u);
}

}  // namespace
}  // namespace quillmark
