#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QThread>

#include <map>

#include "engine/MainWindow.h"
#include "fakes/FakeServices.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;
using testing::TempFolder;
using Verdict = MainWindowHooks::Verdict;

// Real sockets, fake time: a stalled server costs the test no waiting.
class RealSocketServices : public testing::FakeServices {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<qt::QtTcpClient>(); }
};

// A port that refuses connections: listened on once, then closed.
quint16 refusedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

class WhoisExchange : public ::testing::Test {
protected:
    WhoisExchange() {
        folder.write("registrars.txt", "com|127.0.0.1|" + std::to_string(server.port()) +
                                           "|Enabled\r\nnet|127.0.0.1|" + std::to_string(refusedPort()) +
                                           "|Enabled\r\n\r\n");
        hooks.nameListed = [this](std::string_view name, Verdict verdict) {
            ++judged[std::string(name)];
            verdicts[std::string(name)] = verdict;
        };
        hooks.runStopped = [this] { stopped = true; };
    }

    void start(const std::string& list) {
        folder.write("list.txt", list);
        services.dialogsFake.answers.push_back((folder / "list.txt").string());
        form = std::make_unique<MainWindow>(services, state, hooks);
        form->Load();
        form->searchType.setText("Custom List");
        form->ChooseSearchType();
        form->Start();
    }

    // Lets the sockets work until the condition holds or a few seconds pass.
    template <typename Condition>
    bool serveUntil(Condition done) {
        QDeadlineTimer deadline(10'000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    TempFolder folder;
    LocalWhoisServer server;
    RealSocketServices services;
    ProgramState state{folder.path()};
    MainWindowHooks hooks;
    std::unique_ptr<MainWindow> form;
    std::map<std::string, int> judged;
    std::map<std::string, Verdict> verdicts;
    bool stopped = false;
};

TEST_F(WhoisExchange, EachKindOfReplyGetsItsVerdict) {
    start("freeab\r\ntakenab\r\nemptyab\r\npiecesab\r\nsilentab\r\nrefused.net\r\n");
    ASSERT_TRUE(serveUntil([this] { return judged.size() == 4; }));

    EXPECT_EQ(verdicts["freeab.com"], Verdict::Mid);
    EXPECT_EQ(verdicts["takenab.com"], Verdict::Taken);
    EXPECT_EQ(verdicts["emptyab.com"], Verdict::Taken);
    EXPECT_EQ(verdicts["piecesab.com"], Verdict::Low);
    EXPECT_FALSE(stopped);

    // The silent server is asked again on its own port after ten seconds.
    services.clockFake.advance(10'000);
    ASSERT_TRUE(serveUntil([this] { return server.queries().at("silentab.com") == 2; }));
    services.clockFake.advance(20'000);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(judged.count("silentab.com"), 0u);
    EXPECT_EQ(judged.count("refused.net"), 0u);
    for (const auto& [name, count] : judged) EXPECT_EQ(count, 1) << name;
}

TEST_F(WhoisExchange, LongListIsJudgedOnceEachAndProfileFilesMatchTheLists) {
    std::string list;
    for (int i = 0; i < 200; ++i) {
        list += (i % 2 ? "free" : "taken") + std::string(static_cast<std::size_t>(i % 7), 'x') +
                std::to_string(i) + "\r\n";
    }
    start(list);
    ASSERT_TRUE(serveUntil([this] { return stopped; }));

    EXPECT_EQ(judged.size(), 200u);
    for (const auto& [name, count] : judged) EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(form->highList.listCount() + form->midList.listCount() + form->lowList.listCount(), 100);
    EXPECT_EQ(ReadWholeFile(folder / "SuperHighProfile.txt"), text::joinLines(form->highList.items()));
    EXPECT_EQ(ReadWholeFile(folder / "HighProfile.txt"), text::joinLines(form->midList.items()));
    EXPECT_EQ(ReadWholeFile(folder / "LowProfile.txt"), text::joinLines(form->lowList.items()));
    EXPECT_EQ(form->registeredList.listCount(), 100);
}

}  // namespace
}  // namespace quillmark
