#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/Text.h"
#include "support/LiveMainWindow.h"
#include "support/LocalHttpServer.h"
#include "support/ProgramProcess.h"

namespace quillmark {
namespace {

using testing::LocalHttpServer;
using Answer = LocalHttpServer::Answer;

constexpr std::string_view kRecord = R"({"objectClassName": "domain", "ldhName": "KESTREL.COM"})";
constexpr std::string_view kDownloaded = R"({"services": [[["kestrel"], ["https://rdap.test/"]]]})";

// A registry's RDAP server, by the words in the name asked; a name with
// "wait" is first asked to wait a second, by a number or by a date.
LocalHttpServer::Rule Registry(std::map<std::string, int>& asked) {
    return [&asked](const std::string& path) -> Answer {
        const auto has = [&path](std::string_view word) { return path.find(word) != std::string::npos; };
        if (has("wait") && ++asked[path] == 1)
            return Answer::Of(429, "",
                              {{"Retry-After", has("date") ? "Sun, 06 Nov 1994 08:49:38 GMT" : "1"},
                               {"Date", "Sun, 06 Nov 1994 08:49:37 GMT"}});
        if (has("broken")) return Answer::Of(500);
        if (has("free") || has("wait") || has("xn--caf-dma")) return Answer::Of(404);
        if (has("person")) return Answer::Of(200, R"({"objectClassName": "entity"})");
        if (has("stall")) return Answer::Doing(Answer::Manner::Stall);
        if (has("reset")) return Answer::Doing(Answer::Manner::Reset);
        if (has("moved")) return Answer::Of(301, "", {{"Location", "/domain/free-moved.rdaponly"}});
        if (has("away")) return Answer::Of(302, "", {{"Location", "https://127.0.0.1:1/domain/free.com"}});
        if (has("huge")) return Answer::Of(200, std::string(2 << 20, ' ') + std::string(kRecord));
        if (has("garbled")) return Answer::Of(200, std::string(kRecord.substr(0, 30)));
        if (has("taken")) return Answer::Of(200, std::string(kRecord));
        if (has("serverlist.json")) return Answer::Of(200, std::string(kDownloaded));
        if (has("shortlist.json")) return Answer::Of(200, R"({"services": [["kestrel"]]})");
        return Answer::Of(400);
    };
}

// "com" and "rdaponly" (no whois server) are asked at one base, "rdapdate" at another.
std::string ServerList(const LocalHttpServer& server) {
    return R"({"services": [[["com", "rdaponly"], [")" + server.base() + R"("]], [["rdapdate"], [")" +
           server.base() + R"(other/"]]]})";
}

// Every reply gets its outcome and names the protocol; a server's wait is the one
// it asked for (the program's own would be ten minutes); an RDAP failure is asked
// of the whois server.
TEST(RdapLookups, EveryReplyGivesItsOutcome) {
    const std::map<std::string, std::string> expected = {
        {"free.com", "free rdap"},
        {"taken.com", "taken rdap"},
        {"person.rdaponly", "not an RDAP reply rdap"},
        {"waitsec.rdaponly", "free rdap"},
        {"waitdate.rdapdate", "free rdap"},
        {"broken.rdaponly", "server error rdap"},
        {"stall.rdaponly", "no answer rdap"},
        {"reset.rdaponly", "no answer rdap"},
        {"moved.rdaponly", "free rdap"},
        {"away.rdaponly", "redirect refused rdap"},
        {"huge.rdaponly", "reply too large rdap"},
        {"garbled.rdaponly", "not an RDAP reply rdap"},
        {"teapot.rdaponly", "unexpected HTTP status rdap"},
        {"caf\xc3\xa9.rdaponly", "free rdap"},
        {"freebroken.com", "free whois"},
    };
    std::map<std::string, int> asked;
    LocalHttpServer server(Registry(asked));
    testing::LiveMainWindow window({}, testing::LocalWhoisServer::Manner::Answer, 10);
    window.folder.write("rdapservers.json", ServerList(server));
    window.real.settings().SaveSetting("Quillmark", "Settings", "WhoisOnly", "0");
    window.real.settings().SaveSetting("Quillmark", "Settings", "ThrottleWait", "600");
    std::map<std::string, std::string> seen;
    const auto see = [&seen](std::string_view name, std::string_view outcome, std::string_view protocol) {
        std::string& was = seen[std::string(name)];
        was += (was.empty() ? "" : " / ") + std::string(outcome) + " " + std::string(protocol);
    };
    window.hooks.nameListed = [&](std::string_view name, MainWindowHooks::Verdict verdict,
                                  std::string_view by) {
        see(name, verdict == MainWindowHooks::Verdict::Taken ? "taken" : "free", by);
    };
    window.hooks.nameUnchecked = see;
    window.open();
    std::string lines;
    for (const auto& [name, outcome] : expected) lines += name + "\r\n";
    window.runGeneratedNames(lines);
    EXPECT_TRUE(window.waitForStop(20'000)) << "the run did not stop by itself";
    EXPECT_EQ(seen, expected);
}

class RdapCommands : public ::testing::Test {
protected:
    RdapCommands() {
        std::filesystem::create_directories(config / "Quillmark");
        const std::string local = "127.0.0.1|" + std::to_string(whoisServer.port()) + "|Enabled\r\n";
        folder.write("registrars.txt", "com|" + local + "net|" + local + "proxy|" + local);
        folder.write("rdapservers.json", ServerList(server));
    }
    testing::ProgramOutcome run(const std::string& settings, QStringList args) {
        config.write("Quillmark/Quillmark.ini", "[Settings]\n" + settings);
        return testing::RunProgram(args << "--folder" << QString::fromStdString(folder.path().string()),
                                   config.path());
    }
    // The outcome, name and protocol of every line of a run over the names.
    std::multiset<std::string> judge(const std::string& settings, const std::string& names) {
        folder.write("names.txt", names);
        const auto outcome = run(settings, {"run", "--source", "custom LIST", "--list",
                                            QString::fromStdString((folder / "names.txt").string())});
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
        std::multiset<std::string> lines;
        for (const auto line : text::splitLines(outcome.out)) {
            const auto fields = text::split(line, '\t');
            lines.insert(std::string(fields.at(0)) + " " + std::string(fields.at(1)) + " " +
                         std::string(fields.at(3)));
        }
        return lines;
    }

    std::map<std::string, int> asked;
    LocalHttpServer server{Registry(asked)};
    testing::LocalWhoisServer whoisServer;
    testing::TempFolder folder, config;
};

// Each of a thousand names gets one line; RDAP judges where it answers, whois elsewhere
// and where RDAP fails; "whois only" and the proxy send every name by whois.
TEST_F(RdapCommands, RunNamesTheProtocolOfEachName) {
    std::string names;
    std::multiset<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string n = std::to_string(i);
        const std::array<std::string, 4> rows = {
            "free free" + n + ".com rdap", "taken taken" + n + ".com rdap", "taken broken" + n + ".com whois",
            "free free" + n + ".net whois"};
        const auto& row = rows[static_cast<std::size_t>(i % 4)];
        names += text::split(row, ' ')[1];
        names += "\r\n";
        expected.insert(row);
    }
    EXPECT_EQ(judge("", names), expected);
    const std::multiset<std::string> byWhois = {"free free1.com whois", "taken taken1.com whois"};
    EXPECT_EQ(judge("WhoisOnly=1\n", "free1.com\r\ntaken1.com\r\n"), byWhois);
    EXPECT_EQ(judge("chkProxy=1\n", "free1.com\r\ntaken1.com\r\n"), byWhois);
    EXPECT_EQ(asked.size(), 0u) << "nothing waits";
}

// The whois command shows the RDAP record indented, asks the proxy when it is on and says at
// once when a server cannot be reached; update-zones keeps the last sound list.
TEST_F(RdapCommands, WhoisShowsTheRecordAndUpdatesKeepTheLastGoodList) {
    const QString refused = "http://127.0.0.1:" + QString::number(testing::LocalWhoisServer::refusedPort());
    const QString at = QString::fromStdString(server.base());
    const struct {
        QStringList args;
        int exitCode;
        std::string output;  // the start of what it prints
        std::string settings = "";
    } rows[] = {
        {{"whois", "taken.com"},
         0,
         "{\n  \"objectClassName\": \"domain\",\n  \"ldhName\": \"KESTREL.COM\"\n}\n"},
        {{"whois", "--rdap", "free.com"}, 0, "HTTP 404 (not registered)\n"},
        {{"whois", "--whois", "taken.com"}, 0, "   Domain Name: taken.com\r\n", "chkProxy=1\n"},
        {{"whois", "--server", refused.mid(7), "a.com"},
         1,
         "quillmark: " + refused.mid(7).toStdString() + ": could not"},
        {{"whois", "--rdap", "kestrel.zzzz"}, 1, "quillmark: no RDAP server is known"},
        {{"whois", "--rdap", "--server", "127.0.0.1", "a.com"}, 2, "quillmark: --server names a whois"},
        {{"update-zones", "--from", at + "serverlist.json"},
         0,
         "quillmark: RDAP servers updated for 1 extension."},
        {{"update-zones", "--from", at + "shortlist.json"}, 1, "quillmark: What " + at.toStdString()},
        {{"update-zones", "--from", at + "missing"},
         1,
         "quillmark: " + at.toStdString() + "missing answered"},
        {{"update-zones", "--from", refused}, 1, "quillmark: Could not reach"},
    };
    for (const auto& row : rows) {
        const auto outcome = run(row.settings, row.args);
        EXPECT_EQ(outcome.exitCode, row.exitCode) << row.args.join(' ').toStdString();
        EXPECT_TRUE((outcome.out + outcome.err).starts_with(row.output)) << outcome.out << outcome.err;
    }
    EXPECT_EQ(folder.read("rdapservers.json"), kDownloaded);
}

}  // namespace
}  // namespace quillmark
