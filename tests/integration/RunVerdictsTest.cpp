#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "platform/Text.h"
#include "support/LocalWhoisServer.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;

// Short excerpts in the registries' own wording, by the first letters of the name asked.
LocalWhoisServer::Reply registryReply(const std::string& query) {
    if (query.starts_with("busy")) return {"Your query rate limit exceeded.\r\nNo entries found.\r\n"};
    if (query.starts_with("broken")) return {"% Error: 86000000050 Internal error\r\n"};
    if (query.starts_with("relayed")) return {"Domain: " + query + "\nStatus: free\n"};
    return LocalWhoisServer::defaultRule()(query);  // free…, empty…, else taken
}

class RunVerdicts : public ::testing::Test {
protected:
    std::multiset<std::string> run(const std::string& names, const QStringList& source) {
        folder.write("names.txt", names);
        const auto outcome = testing::RunProgram(
            QStringList{"run", "--folder", QString::fromStdString(folder.path().string())} + source,
            config.path(), 90'000);
        EXPECT_TRUE(outcome.finished && outcome.exitCode == 0) << outcome.exitCode << outcome.err;
        err = outcome.err;
        std::multiset<std::string> lines;
        std::istringstream out(outcome.out);
        for (std::string line; std::getline(out, line);) lines.insert(line);
        return lines;
    }
    QStringList customList() {
        return {"--source", "Custom List", "--list", QString::fromStdString((folder / "names.txt").string())};
    }
    void useProxy(bool on) {
        std::filesystem::create_directories(config / "Quillmark");
        config.write(
            "Quillmark/Quillmark.ini",
            std::string("[Settings]\nThrottleWait=1\nWhoisOnly=1\nchkProxy=") + (on ? "1" : "0") + "\n");
    }

    testing::TempFolder folder, config;
    LocalWhoisServer server{registryReply};
    std::string err;
};

TEST_F(RunVerdicts, EveryOutcomeIsPrintedKeptAndCheckedAgain) {
    const std::string local = "127.0.0.1|" + std::to_string(server.port());
    folder.write("registrars.txt", "com|" + local + "|Enabled\r\nde|" + local + "|Enabled\r\norg|127.0.0.1|" +
                                       std::to_string(LocalWhoisServer::refusedPort()) +
                                       "|Enabled\r\ngr|whois.ripe.net|43|Enabled\r\nproxy|" + local +
                                       "|Enabled\r\n");
    // A line of the user's that is no rule is skipped and named.
    folder.write("replyrules.txt",
                 "*\tfree\tno match for\n*\tthrottled\tlimit exceeded\n"
                 "*\terror\tinternal error\nde\tfree\t\\nstatus: free\nnot a rule\n");
    useProxy(false);
    EXPECT_EQ(run("freebird.com\r\ntaken.com\r\nbusy.com\r\nbroken.com\r\nempty.com\r\nrelayed.de\r\n"
                  "kestrel.org\r\nkestrel.gr\r\nkestrel.zzzz\r\n",
                  customList()),
              (std::multiset<std::string>{
                  "free\tfreebird.com\tLow\twhois", "taken\ttaken.com\t-\twhois",
                  "unknown\tbusy.com\tthrottled\twhois", "unknown\tbroken.com\tserver error\twhois",
                  "unknown\tempty.com\tserver error\twhois", "free\trelayed.de\tMid\twhois",
                  "unknown\tkestrel.org\tno answer\twhois", "unknown\tkestrel.gr\tno server\t-",
                  "unknown\tkestrel.zzzz\tno server\t-"}));
    EXPECT_NE(err.find("replyrules.txt line 5"), std::string::npos) << err;
    EXPECT_NE(err.find("3 names judged: 2 free"), std::string::npos) << err;
    EXPECT_NE(err.find("6 unknown"), std::string::npos) << err;
    EXPECT_EQ(text::splitLines(folder.read("Unchecked.txt")).size(), 6u);

    // Through a proxy, a reply is judged by the rule of the name's extension.
    useProxy(true);
    EXPECT_EQ(run("relayed.de\r\nrelayed.com\r\n", customList()),
              (std::multiset<std::string>{"free\trelayed.de\tMid\twhois", "taken\trelayed.com\t-\twhois"}));

    // The unchecked names are looked up again; those now answered leave the list.
    folder.write("Unchecked.txt", "freebie.com\tthrottled\r\nbusy.com\tthrottled\r\n");
    EXPECT_EQ(
        run("", {"--source", "Unchecked Names"}),
        (std::multiset<std::string>{"free\tfreebie.com\tMid\twhois", "unknown\tbusy.com\tthrottled\twhois"}));
    EXPECT_EQ(folder.read("Unchecked.txt"), "busy.com\tthrottled\r\n");
}

// Killed mid-run and started again: every name gets a line, and only the few whose
// outcomes were not yet stored get two.
TEST_F(RunVerdicts, ARunKilledOnTheWayGoesOnWhereItWas) {
    LocalWhoisServer slow([](const std::string& query) {
        return LocalWhoisServer::Reply{"No match for \"" + query + "\".\r\n", 8, 40};
    });
    useProxy(true);
    folder.write("registrars.txt", "proxy|127.0.0.1|" + std::to_string(slow.port()) + "|Enabled\r\n");
    std::string names;
    for (int i = 1; i <= 400; ++i) names += "name" + std::to_string(i) + ".com\r\n";
    folder.write("names.txt", names);
    const QStringList args =
        QStringList{"run", "--folder", QString::fromStdString(folder.path().string())} + customList();
    const auto first = testing::RunProgram(args, config.path(), 1500);
    const auto second = testing::RunProgram(args, config.path(), 60'000);
    ASSERT_TRUE(!first.finished && second.finished && second.exitCode == 0) << second.err;
    std::map<std::string, int> lines;
    for (const auto* out : {&first.out, &second.out}) {
        std::istringstream text(*out);
        for (std::string line; std::getline(text, line);) ++lines[line];
    }
    int twice = 0;
    for (const auto& [line, count] : lines) twice += count - 1;
    EXPECT_EQ(lines.size(), 400u);
    EXPECT_GT(std::count(first.out.begin(), first.out.end(), '\n'), 25);
    EXPECT_LE(twice, 25);
}

}  // namespace
}  // namespace quillmark
