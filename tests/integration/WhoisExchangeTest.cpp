#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <map>

#include "engine/MainWindow.h"
#include "fakes/FakeServices.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;
using Verdict = MainWindowHooks::Verdict;

// Real sockets, fake time: a stalled server costs the test no waiting.
class RealSocketServices : public testing::FakeServices {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<qt::QtTcpClient>(); }
};

// Lets the sockets work until the condition holds or a few seconds pass.
template <typename Condition>
bool serveUntil(Condition done) {
    for (QDeadlineTimer deadline(10'000); !done() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(WhoisExchange, EachKindOfReplyGetsItsVerdictAndSilenceIsAskedAgain) {
    testing::TempFolder folder;
    LocalWhoisServer server;
    RealSocketServices services;
    ProgramState state{folder.path()};
    MainWindowHooks hooks;
    std::map<std::string, std::vector<Verdict>> judged;
    bool stopped = false;
    hooks.nameListed = [&](std::string_view name, Verdict verdict) {
        judged[std::string(name)].push_back(verdict);
    };
    hooks.runStopped = [&] { stopped = true; };
    folder.write("registrars.txt", "com|127.0.0.1|" + std::to_string(server.port()) +
                                       "|Enabled\r\nnet|127.0.0.1|" +
                                       std::to_string(LocalWhoisServer::refusedPort()) + "|Enabled\r\n\r\n");
    folder.write("list.txt", "freeab\r\ntakenab\r\nemptyab\r\npiecesab\r\nsilentab\r\nrefused.net\r\n");
    services.dialogsFake.answers.push_back((folder / "list.txt").string());
    MainWindow form(services, state, hooks);
    form.Load();
    form.searchType.setText("Custom List");
    form.ChooseSearchType();
    form.Start();
    ASSERT_TRUE(serveUntil([&] { return judged.size() == 4; }));
    EXPECT_FALSE(stopped);

    // The silent server is asked again on its own port after ten seconds.
    services.clockFake.advance(10'000);
    ASSERT_TRUE(serveUntil([&] { return server.queries().at("silentab.com") == 2; }));
    services.clockFake.advance(20'000);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(judged, (std::map<std::string, std::vector<Verdict>>{{"freeab.com", {Verdict::Mid}},
                                                                   {"takenab.com", {Verdict::Taken}},
                                                                   {"emptyab.com", {Verdict::Taken}},
                                                                   {"piecesab.com", {Verdict::Low}}}));
}

}  // namespace
}  // namespace quillmark
