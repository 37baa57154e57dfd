#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "whois/WhoisLookupWindow.h"

namespace quillmark {
namespace {

using testing::FakeServices;
using testing::FakeTcpClient;

class WhoisLookupWindowTest : public ::testing::Test {
protected:
    // Loads a fresh window for the name, as a double-click would.
    FakeTcpClient& load(std::string name) {
        form = std::make_unique<WhoisLookupWindow>(services, std::move(name), "whois.registry.test", 4343);
        form->setOnFinished([this] { ++finishedCalls; });
        form->Load();
        return *services.clients.back();
    }

    FakeServices services;
    std::unique_ptr<WhoisLookupWindow> form;
    int finishedCalls = 0;
};

TEST_F(WhoisLookupWindowTest, EveryNameGoesBareToTheOneServer) {
    for (const char* name : {"example.de", "plain", ""}) {
        FakeTcpClient& client = load(name);
        EXPECT_EQ(client.host + ":" + std::to_string(client.port), "whois.registry.test:4343") << name;
        EXPECT_EQ(client.localPort, 0) << name;
        client.raiseConnected();
        EXPECT_EQ(client.sent, std::string(name) + "\r\n");
    }
}

TEST_F(WhoisLookupWindowTest, ReplyInPiecesIsShownOnceWholeWhenTheServerCloses) {
    FakeTcpClient& client = load("example.com");
    int shown = 0;
    form->replyText.setObserver([&shown] { ++shown; });
    client.raiseConnected();
    const std::string pieces[] = {"Domain Na", "me: EXAMPLE.COM\r\n", "", std::string("\xff\0x\r\n", 5)};
    for (const std::string& piece : pieces) {
        client.raiseData(piece);
        EXPECT_EQ(form->replyText.text(), "");
        EXPECT_FALSE(form->finished());
    }
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), pieces[0] + pieces[1] + pieces[3]);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_FALSE(client.open);
}

TEST_F(WhoisLookupWindowTest, UnloadedWindowIgnoresLateEvents) {
    FakeTcpClient& client = load("gone.com");
    client.raiseConnected();
    form->Unload();
    EXPECT_FALSE(client.open);
    client.raiseData("late");
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), "");
    EXPECT_EQ(finishedCalls, 0);
}

TEST_F(WhoisLookupWindowTest, NamesWithControlCharactersAreNeverSent) {
    for (const std::string& name :
         {std::string("a.com\r\nb.com"), std::string("a\0b.com", 7), std::string("d\x7f.com")}) {
        EXPECT_FALSE(WhoisLookupWindow::CanBeSent(name));
        FakeTcpClient& client = load(name);
        client.raiseConnected();
        client.raiseClosed();
        EXPECT_EQ(client.connectCount, 0);
        EXPECT_EQ(client.sent, "");
    }
}

TEST_F(WhoisLookupWindowTest, ReplyIsKeptUpToOneMebibyte) {
    FakeTcpClient& client = load("big.com");
    client.raiseConnected();
    for (int i = 0; i < 4; ++i) client.raiseData(std::string(300 * 1024, 'x'));
    client.raiseData("tail");
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), std::string(whois::kReplyLimit, 'x'));
}

TEST(WhoisServerText, HostAndOptionalPort) {
    using Server = std::optional<WhoisServer>;
    const std::vector<std::pair<const char*, Server>> cases = {
        {"whois.test", WhoisServer{"whois.test", 43}},
        {"127.0.0.1:65535", WhoisServer{"127.0.0.1", 65535}},
        {"[::1]:4343", WhoisServer{"::1", 4343}},
        {"::1", WhoisServer{"::1", 43}},
        {"", std::nullopt},
        {":43", std::nullopt},
        {"h:", std::nullopt},
        {"h:0", std::nullopt},
        {"h:65536", std::nullopt},
        {"h:4x", std::nullopt},
        {"[::1]43", std::nullopt}};
    for (const auto& [text, server] : cases) EXPECT_EQ(ParseWhoisServer(text), server) << text;
}

}  // namespace
}  // namespace quillmark
