#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "platform/Text.h"
#include "support/LocalWhoisServer.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

class RunCommand : public ::testing::Test {
protected:
    RunCommand() {
        std::filesystem::create_directories(config / "Quillmark");
        config.write("Quillmark/Quillmark.ini", "[Settings]\nchkProxy=1\n");
        folder.write("registrars.txt", "proxy|127.0.0.1|" + std::to_string(server.port()) +
                                           "|Enabled\r\ncom|127.0.0.2|43|Enabled\r\n\r\n");
    }

    // Runs the program over a list while this process keeps serving whois
    // queries; gives its output lines.
    std::vector<std::string> run(const QStringList& args, int expectedStatus = 0) {
        const auto outcome = testing::RunProgram(
            QStringList{"run", "--folder", QString::fromStdString(folder.path().string())} + args,
            config.path(), 90'000);
        EXPECT_TRUE(outcome.finished) << "the run did not stop by itself";
        EXPECT_EQ(outcome.exitCode, expectedStatus) << args.join(' ').toStdString() << outcome.err;
        err = outcome.err;
        std::vector<std::string> lines;
        std::istringstream out(outcome.out);
        for (std::string line; std::getline(out, line);) lines.push_back(line);
        return lines;
    }
    QStringList list(const std::filesystem::path& path) {
        return {"--source", "Custom List", "--list", QString::fromStdString(path.string())};
    }

    testing::TempFolder folder;
    testing::TempFolder config;
    testing::LocalWhoisServer server;
    std::string err;
};

TEST_F(RunCommand, CustomListIsJudgedNameByNameAgainstTheLocalServer) {
    std::string names;
    std::multiset<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        const std::string name =
            (i % 3 == 0 ? "free" : "taken") + std::string(i % 2 ? "x" : "longer") + std::to_string(i);
        names += name + "\r\n";
        const auto length = name.size();
        expected.insert(i % 3 ? "taken\t" + name + ".com"
                              : "free\t" + name + ".com\t" +
                                    (length < 5    ? "High"
                                     : length <= 7 ? "Mid"
                                                   : "Low"));
    }
    folder.write("names.txt", names);
    const auto lines = run(list(folder / "names.txt"));
    EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()), expected);
    EXPECT_NE(err.find("60 names judged: 20 free"), std::string::npos) << err;
    EXPECT_EQ(server.queries().size(), 60u);
    for (const auto& [query, count] : server.queries()) EXPECT_EQ(count, 1) << query;
    // The list position is kept, so a later run goes on after the last name.
    EXPECT_NE(config.read("Quillmark/Kestrelon.ini").find("CustWordNum=61"), std::string::npos);
    std::size_t saved = 0;
    for (const char* file : {"SuperHighProfile.txt", "HighProfile.txt", "LowProfile.txt"})
        saved += text::splitLines(folder.read(file)).size();
    EXPECT_EQ(saved, 20u);
}

TEST_F(RunCommand, AListOfTwoHundredMegabytesRunsFromTheStartNumberNearItsEnd) {
    const auto path = folder / "big.txt";
    std::uint64_t count = 2;
    {
        std::ofstream out(path, std::ios::binary);
        std::string block;
        for (int i = 0; i < 100'000; ++i) block += "takenname" + std::to_string(1'000'000 + i) + "\r\n";
        for (std::uint64_t written = 0; written < 200ull * 1024 * 1024;
             written += block.size(), count += 100'000)
            out << block;
        out << "freelast1\r\nfreelast2\r\n";
    }
    EXPECT_EQ(run(list(path) + QStringList{"--start", QString::number(count - 2)}),
              (std::vector<std::string>{"taken\ttakenname1099999.com", "free\tfreelast1.com\tLow",
                                        "free\tfreelast2.com\tLow"}));
}

TEST_F(RunCommand, UnusableRequestsGiveNoLinesAndStatusTwo) {
    for (const QStringList& args :
         {QStringList{"--source", "Nonsense"}, QStringList{"--source", "Browse for names"},
          QStringList{"--source", "Custom List"}, list("/no/such/list.txt"),
          QStringList{"--source", "Full Word List", "--start", "abc"}, QStringList{}})
        EXPECT_TRUE(run(args, 2).empty()) << args.join(' ').toStdString();
}

}  // namespace
}  // namespace quillmark
