#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include <fstream>
#include <set>

#include "fakes/FakeServices.h"
#include "platform/Text.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"
#include "support/MainWindowFixture.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;

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
            QStringList{command, "--folder=" + QString::fromStdString(folder.path().string())} + args,
            config.path(), 90'000);
        EXPECT_TRUE(outcome.finished) << "the program did not end by itself";
        return outcome;
    }

    testing::TempFolder folder, config;
    LocalWhoisServer server;
};

// Whois prints the server's bytes as they came; mistakes and unusable requests give one
// line and status 2, run printing no names; no complete reply in time is status 1.
TEST_F(ProgramCommand, PrintsTheOutcomeOrSaysWhyNot) {
    const std::string odd = std::string("\xff\0\r\n", 4) + "Domain: ODD.COM\r\n\x80 end";
    LocalWhoisServer oddServer([&odd](const std::string&) { return LocalWhoisServer::Reply{odd, 3}; });
    const auto at = [](quint16 port) { return "127.0.0.1:" + QString::number(port); };
    const QString good = at(server.port());  // its "silent.com" is never answered
    const struct {
        QStringList args;
        int exitCode = 2;  // with one line on the error stream
        std::string out = "", err = "";
    } cases[] = {
        {{"whois", "--server", at(oddServer.port()), "--", "odd.com"}, 0, odd, ""},
        {{"frobnicate"}},
        {{"whois"}},
        {{"whois", "a.com", "b.com"}},
        {{"whois", "a.com", "--timeout"}},
        {{"whois", "--server", good, "--server", "127.0.0.1:0", "a.com"}},
        {{"whois", "--server", good, "--timeout", "0", "a.com"}},
        {{"whois", "--server", good, "--timeout", "1", "a.com\r\nb.com"}},
        {{"whois", "--timeout", "1", "--server", good, "silent.com"},
         1,
         "",
         "no reply from " + good.toStdString()},
        {{"run", "--source", "Nonsense"}},
        {{"run", "--browse"}},
        {{"run", "--source", "Browse for names"}},
        {{"run", "--source", "Custom List"}},
        {{"run", "--source", "Custom List", "--list", "/no/such/list.txt"}},
        {{"run", "--source", "Full Word List", "--start", "abc"}},
        {{"run", "--source", "Full Word List", "--format", "xml"}},
        {{"run"}},
    };
    for (const auto& c : cases) {
        const auto outcome = run(c.args[0], c.args.mid(1));
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(outcome.exitCode, c.exitCode) << what << ": " << outcome.err;
        EXPECT_EQ(outcome.out, c.out) << what;
        if (c.exitCode == 2) {
            EXPECT_EQ(std::ranges::count(outcome.err, '\n'), 1) << what << ": " << outcome.err;
        } else {
            EXPECT_EQ(outcome.err, c.err.empty() ? "" : "quillmark: " + c.err + " within 1 s\n") << what;
        }
    }
    EXPECT_EQ(oddServer.queries(), (std::map<std::string, int>{{"odd.com", 1}}));
    EXPECT_EQ(server.queries(), (std::map<std::string, int>{{"silent.com", 1}}));
}

// A list of two hundred megabytes runs from a start number at the last of its first
// names, each name judged once against the local server; the position is kept.
TEST_F(ProgramCommand, CustomListIsJudgedNameByNameFromItsStartNumber) {
    std::uint64_t start = 0;
    {
        std::ofstream out(folder / "names.txt", std::ios::binary);
        std::string block;
        for (int i = 0; i < 100'000; ++i) block += "takenname" + std::to_string(1'000'000 + i) + "\r\n";
        for (std::uint64_t written = 0; written < 200ull << 20; written += block.size(), start += 100'000)
            out << block;
        out << "free\r\nfreemid\r\ntaken\r\nfreelonger\r\n";
    }
    const auto outcome = run(
        "run", {"--source", "Custom List", "--list", QString::fromStdString((folder / "names.txt").string()),
                "--start", QString::number(start)});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    const auto lines = text::splitLines(outcome.out);
    EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()),
              (std::multiset<std::string>{"taken\ttakenname1099999.com\t-\twhois",
                                          "free\tfree.com\tHigh\twhois", "free\tfreemid.com\tMid\twhois",
                                          "taken\ttaken.com\t-\twhois", "free\tfreelonger.com\tLow\twhois"}));
    EXPECT_NE(outcome.err.find("5 names judged: 3 free"), std::string::npos) << outcome.err;
    EXPECT_EQ(server.queries().size(), 5u);
    for (const auto& [query, count] : server.queries()) EXPECT_EQ(count, 1) << query;
    EXPECT_NE(config.read("Quillmark/Kestrelon.ini").find("CustWordNum=" + std::to_string(start + 5)),
              std::string::npos);
    EXPECT_EQ(
        folder.read("SuperHighProfile.txt") + folder.read("HighProfile.txt") + folder.read("LowProfile.txt"),
        "free.com\r\nfreemid.com\r\nfreelonger.com\r\n");
}

// CSV and JSON carry the fields of the lines, then the extension, the length and the time.
TEST_F(ProgramCommand, FormatsCsvAndJsonCarryTheFieldsOfTheLines) {
    folder.write("names.txt", "free\r\ntakenname.net\r\n");
    const testing::Rows expected = {
        {"outcome", "name", "detail", "protocol", "extension", "length", "judged"},
        {"free", "free.com", "High", "whois", "com", "4", "T"},
        {"taken", "takenname.net", "-", "whois", "net", "9", "T"}};
    for (const QString format : {"csv", "json"}) {
        const auto outcome = run("run", {"--source", "Custom List", "--list",
                                         QString::fromStdString((folder / "names.txt").string()), "--start",
                                         "1", "--format", format});
        auto rows =
            (format == "csv" ? testing::ReadCsv : testing::JsonRows)(outcome.out).value_or(testing::Rows{});
        for (std::size_t i = 1; i < rows.size(); ++i) {
            if (rows[i].back().size() == 19 && rows[i].back()[10] == 'T') rows[i].back() = "T";
        }
        if (rows.size() == 3 && rows[1][0] == "taken") std::swap(rows[1], rows[2]);
        EXPECT_EQ(rows, expected) << outcome.out;
    }
}

class RealSocketServices : public testing::FakeServices {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<qt::QtTcpClient>(); }
};

// A second name replaces the window and its lookup; the reply that came in pieces is
// shown whole, once, with its line ends as the reply box keeps them.
TEST(WhoisWindowView, SecondNameReplacesTheWindowAndItsReplyIsShownWholeOnce) {
    LocalWhoisServer server;
    RealSocketServices services;
    WhoisOpener window{nullptr, WhoisServer{"127.0.0.1", server.port()}};
    window.open(services, "silent.com");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.queries().count("silent.com") == 1; }));
    const QPointer<WhoisLookupWindowView> first = window.view();

    window.open(services, "pieces.com");
    EXPECT_TRUE(first.isNull());
    WhoisLookupWindowView* view = window.view();
    int changes = 0;
    QObject::connect(view->replyBox(), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->form().finished(); }));
    const auto sent = *LocalWhoisServer::defaultRule()("pieces.com").text;
    EXPECT_EQ(view->replyBox()->toPlainText(), QString::fromStdString(sent).replace("\r\n", "\n"));
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace quillmark
