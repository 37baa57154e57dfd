#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPlainTextEdit>

#include "fakes/FakeServices.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;
using testing::TempFolder;

class RealSocketServices : public testing::FakeServices {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<qt::QtTcpClient>(); }
};

template <typename Condition>
bool serveUntil(Condition done) {
    QDeadlineTimer deadline(10'000);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The local server's reply to the query, with its line ends as the reply box keeps them.
QString shownFor(const std::string& query) {
    return QString::fromStdString(*LocalWhoisServer::defaultRule()(query).text).replace("\r\n", "\n");
}

class WhoisWindowView : public ::testing::Test {
protected:
    LocalWhoisServer server;
    RealSocketServices services;
    WhoisOpener window{nullptr, WhoisServer{"127.0.0.1", server.port()}};
};

TEST_F(WhoisWindowView, ReplyThatCameInPiecesIsShownWholeOnce) {
    window.open(services, "pieces.com");
    ASSERT_TRUE(window.isOpen());
    WhoisLookupWindowView* view = window.view();
    int changes = 0;
    QObject::connect(view->replyBox(), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    ASSERT_TRUE(serveUntil([view] { return view->form().finished(); }));
    EXPECT_EQ(view->replyBox()->toPlainText(), shownFor("pieces.com"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view->windowTitle(), "WHOIS Information");
}

TEST_F(WhoisWindowView, SecondNameReplacesTheWindowAndItsLookup) {
    window.open(services, "silent.com");
    ASSERT_TRUE(serveUntil([this] { return server.queries().count("silent.com") == 1; }));
    const QPointer<WhoisLookupWindowView> first = window.view();

    window.open(services, "free.com");
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(serveUntil([this] { return window.view()->form().finished(); }));
    EXPECT_EQ(window.view()->replyBox()->toPlainText(), shownFor("free.com"));
    EXPECT_EQ(server.connections(), 2);

    window.view()->close();
    EXPECT_FALSE(window.isOpen());
}

// Bytes go out exactly as the server sent them; unusable requests give one line and
// status 2 without connecting; no complete reply within the timeout is status 1.
TEST(WhoisCommand, PrintsTheReplyOrSaysWhyNot) {
    const std::string odd = std::string("\xff\0\r\n", 4) + "Domain: ODD.COM\r\n\x80 end";
    LocalWhoisServer oddServer([&odd](const std::string&) { return LocalWhoisServer::Reply{odd, 3}; });
    LocalWhoisServer server;
    const auto at = [](quint16 port) { return "127.0.0.1:" + QString::number(port); };
    const QString good = at(server.port());
    const QString refused = at(LocalWhoisServer::refusedPort());
    const auto noReply = [](const QString& address) {
        return "quillmark: no reply from " + address.toStdString() + " within 1 s\n";
    };
    const std::string oneLine = "<one line>";
    const struct {
        QStringList args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"--server", at(oddServer.port()), "odd.com"}, 0, odd, ""},
        {{"--server", good, "--server", "", "a.com"}, 2, "", oneLine},
        {{"--server", good, "--server", "127.0.0.1:0", "a.com"}, 2, "", oneLine},
        {{"--server", good, "--server", "127.0.0.1:65536", "a.com"}, 2, "", oneLine},
        {{"--server", good, "--timeout", "0", "a.com"}, 2, "", oneLine},
        {{"--server", good, "--timeout", "1", "a.com\r\nb.com"}, 2, "", oneLine},
        {{"--timeout", "1", "--server", refused, "a.com"}, 1, "", noReply(refused)},
        {{"--timeout", "1", "--server", good, "silent.com"}, 1, "", noReply(good)},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        TempFolder config;
        const QStringList args =
            QStringList{"whois", "--folder", QString::fromStdString(folder.path().string())} + c.args;
        // This process keeps serving whois queries while the program runs.
        const auto outcome = testing::RunProgram(args, config.path(), 30'000);
        const std::string what = args.join(' ').toStdString();
        ASSERT_TRUE(outcome.finished) << what;
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

}  // namespace
}  // namespace quillmark
