#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

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

using Finished = testing::ProgramOutcome;

class WhoisCommand : public ::testing::Test {
protected:
    // Runs the program while this process keeps serving whois queries.
    Finished run(const QStringList& args) {
        const auto outcome = testing::RunProgram(
            QStringList{"whois", "--folder", QString::fromStdString(folder.path().string())} + args,
            config.path(), 30'000);
        EXPECT_TRUE(outcome.finished) << "the lookup did not stop by itself";
        return outcome;
    }

    QString at(quint16 port) const { return "127.0.0.1:" + QString::number(port); }

    TempFolder folder;
    TempFolder config;
};

TEST_F(WhoisCommand, PrintsExactlyTheBytesTheServerSent) {
    const std::string odd = std::string("\xff\0\r\n", 4) + "Domain: ODD.COM\r\n\x80 end";
    LocalWhoisServer server([&odd](const std::string&) { return LocalWhoisServer::Reply{odd, 3}; });
    const auto finished = run({"--server", at(server.port()), "odd.com"});
    EXPECT_EQ(finished.exitCode, 0) << finished.err;
    EXPECT_EQ(finished.out, odd);
    EXPECT_EQ(finished.err, "");
    EXPECT_EQ(server.queries(), (std::map<std::string, int>{{"odd.com", 1}}));
}

TEST_F(WhoisCommand, UnusableRequestsGiveOneLineAndStatusTwoWithoutConnecting) {
    LocalWhoisServer server;
    const QString good = at(server.port());
    for (const auto& [option, value, name] :
         {std::tuple{"--server", "", "a.com"}, std::tuple{"--server", "127.0.0.1:0", "a.com"},
          std::tuple{"--server", "127.0.0.1:65536", "a.com"}, std::tuple{"--timeout", "0", "a.com"},
          std::tuple{"--timeout", "1", "a.com\r\nb.com"}}) {
        const auto finished = run({"--server", good, option, value, name});
        EXPECT_EQ(finished.exitCode, 2) << option << " " << value;
        EXPECT_EQ(finished.out, "");
        EXPECT_EQ(std::count(finished.err.begin(), finished.err.end(), '\n'), 1) << finished.err;
    }
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(WhoisCommand, NoCompleteReplyWithinTheTimeoutIsStatusOne) {
    LocalWhoisServer server;
    for (const auto& [address, name] : {std::pair{at(LocalWhoisServer::refusedPort()), "a.com"},
                                        std::pair{at(server.port()), "silent.com"}}) {
        const auto finished = run({"--timeout", "1", "--server", address, name});
        EXPECT_EQ(finished.exitCode, 1) << finished.err;
        EXPECT_EQ(finished.out, "");
        EXPECT_EQ(finished.err, "quillmark: no reply from " + address.toStdString() + " within 1 s\n");
    }
}

}  // namespace
}  // namespace quillmark
