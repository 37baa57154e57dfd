#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include <fstream>
#include <set>
#include <sstream>

#include "platform/Text.h"
#include "support/LocalWhoisServer.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;
using testing::TempFolder;

struct Finished {
    int exitCode = -1;
    std::vector<std::string> lines;
    std::string err;
};

class RunCommand : public ::testing::Test {
protected:
    RunCommand() {
        std::filesystem::create_directories(config / "Quillmark");
        config.write("Quillmark/Quillmark.ini", "[Settings]\nchkProxy=1\n");
        folder.write("registrars.txt", "proxy|127.0.0.1|" + std::to_string(server.port()) +
                                           "|Enabled\r\ncom|127.0.0.2|43|Enabled\r\n\r\n");
    }

    // Runs the program while this process keeps serving whois queries.
    Finished run(const QStringList& args) {
        const auto outcome = testing::RunProgram(
            QStringList{"run", "--folder", QString::fromStdString(folder.path().string())} + args,
            config.path(), 90'000);
        EXPECT_TRUE(outcome.finished) << "the run did not stop by itself";
        Finished finished{outcome.exitCode, {}, outcome.err};
        std::istringstream out(outcome.out);
        for (std::string line; std::getline(out, line);) finished.lines.push_back(line);
        return finished;
    }

    TempFolder folder;
    TempFolder config;
    LocalWhoisServer server;
};

TEST_F(RunCommand, CustomListIsJudgedNameByNameAgainstTheLocalServer) {
    std::string list;
    std::set<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        const std::string name =
            (i % 3 == 0 ? "free" : "taken") + std::string(i % 2 ? "x" : "longer") + std::to_string(i);
        list += name + "\r\n";
        const std::string full = name + ".com";
        if (i % 3 != 0) {
            expected.insert("taken\t" + full);
        } else {
            const auto length = name.size();
            expected.insert("free\t" + full + "\t" + (length < 5 ? "High" : length <= 7 ? "Mid" : "Low"));
        }
    }
    folder.write("names.txt", list);

    const auto finished =
        run({"--source", "Custom List", "--list", QString::fromStdString((folder / "names.txt").string())});

    EXPECT_EQ(finished.exitCode, 0) << finished.err;
    EXPECT_EQ(std::set<std::string>(finished.lines.begin(), finished.lines.end()), expected);
    EXPECT_EQ(finished.lines.size(), 60u);
    EXPECT_NE(finished.err.find("60 names judged: 20 free"), std::string::npos) << finished.err;
    EXPECT_EQ(server.queries().size(), 60u);
    for (const auto& [query, count] : server.queries()) EXPECT_EQ(count, 1) << query;
    EXPECT_NE(config.read("Quillmark/Kestrelon.ini").find("CustWordNum=61"), std::string::npos);
    EXPECT_EQ(text::splitLines(folder.read("SuperHighProfile.txt")).size() +
                  text::splitLines(folder.read("HighProfile.txt")).size() +
                  text::splitLines(folder.read("LowProfile.txt")).size(),
              20u);
}

TEST_F(RunCommand, StartNumberSkipsTheNamesBeforeIt) {
    folder.write("names.txt", "freea\r\nfreeb\r\nfreec\r\n");
    const auto finished = run({"--source", "Custom List", "--list",
                               QString::fromStdString((folder / "names.txt").string()), "--start", "2"});
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(finished.lines, (std::vector<std::string>{"free\tfreeb.com\tMid", "free\tfreec.com\tMid"}));
}

TEST_F(RunCommand, AListOfTwoHundredMegabytesRunsFromNearItsEnd) {
    const auto path = folder / "big.txt";
    std::uint64_t count = 2;
    {
        std::ofstream out(path, std::ios::binary);
        std::string block;
        for (int i = 0; i < 100'000; ++i) block += "takenname" + std::to_string(1'000'000 + i) + "\r\n";
        for (std::uint64_t written = 0; written < 200ull * 1024 * 1024; written += block.size()) {
            out << block;
            count += 100'000;
        }
        out << "freelast1\r\nfreelast2\r\n";
    }
    ASSERT_GT(std::filesystem::file_size(path), 200ull * 1024 * 1024);
    const auto finished = run({"--source", "Custom List", "--list", QString::fromStdString(path.string()),
                               "--start", QString::number(count - 2)});
    EXPECT_EQ(finished.exitCode, 0) << finished.err;
    EXPECT_EQ(finished.lines,
              (std::vector<std::string>{"taken\ttakenname1099999.com", "free\tfreelast1.com\tLow",
                                        "free\tfreelast2.com\tLow"}));
}

TEST_F(RunCommand, UnusableRequestsGiveOneLineAndStatusTwo) {
    for (const QStringList& args :
         {QStringList{"--source", "Nonsense"}, QStringList{"--source", "Browse for names"},
          QStringList{"--source", "Custom List"},
          QStringList{"--source", "Custom List", "--list", "/no/such/list.txt"},
          QStringList{"--source", "Full Word List", "--start", "abc"}, QStringList{}}) {
        const auto finished = run(args);
        EXPECT_EQ(finished.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(finished.lines.empty());
    }
}

}  // namespace
}  // namespace quillmark
