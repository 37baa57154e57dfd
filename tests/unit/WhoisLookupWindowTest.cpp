#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "whois/WhoisLookupWindow.h"

namespace quillmark {
namespace {

using testing::FakeServices;
using testing::FakeTcpClient;

class WhoisLookupWindowTest : public ::testing::Test {
protected:
    // Loads a fresh window for the name, as a double-click would, and lets it connect.
    FakeTcpClient& load(std::string name) {
        form = std::make_unique<WhoisLookupWindow>(services, std::move(name), "whois.registry.test", 4343);
        form->setOnFinished([this] { ++finishedCalls; });
        form->Load();
        services.clients.back()->raiseConnected();
        return *services.clients.back();
    }

    FakeServices services;
    std::unique_ptr<WhoisLookupWindow> form;
    int finishedCalls = 0;
};

// Every name goes bare to the one server; names with control characters are never sent.
TEST_F(WhoisLookupWindowTest, NamesAreSentAsTheyStandUnlessTheyHoldControlCharacters) {
    for (const std::string& name :
         {std::string("example.de"), std::string("plain"), std::string(), std::string("a.com\r\nb.com"),
          std::string("a\0b.com", 7), std::string("d\x7f.com")}) {
        const bool sendable = name.find_first_of(std::string("\r\n\0\x7f", 4)) == std::string::npos;
        EXPECT_EQ(WhoisLookupWindow::CanBeSent(name), sendable) << name;
        FakeTcpClient& client = load(name);
        EXPECT_EQ(client.connectCount, sendable ? 1 : 0) << name;
        EXPECT_EQ(client.sent, sendable ? name + "\r\n" : "") << name;
        if (sendable) {
            EXPECT_EQ(
                client.host + ":" + std::to_string(client.port) + " from " + std::to_string(client.localPort),
                "whois.registry.test:4343 from 0");
        }
    }
}

TEST_F(WhoisLookupWindowTest, ReplyInPiecesIsShownOnceWholeWhenTheServerCloses) {
    FakeTcpClient& client = load("example.com");
    int shown = 0;
    form->replyText.setObserver([&shown] { ++shown; });
    const std::string pieces[] = {"Domain Na", "me: EXAMPLE.COM\r\n", "", std::string("\xff\0x\r\n", 5)};
    for (const std::string& piece : pieces) {
        client.raiseData(piece);
        EXPECT_EQ(form->replyText.text() + (form->finished() ? "finished" : ""), "");
    }
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), pieces[0] + pieces[1] + pieces[3]);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_FALSE(client.open);
}

TEST_F(WhoisLookupWindowTest, UnloadedWindowIgnoresLateEvents) {
    FakeTcpClient& client = load("gone.com");
    form->Unload();
    EXPECT_FALSE(client.open);
    client.raiseData("late");
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), "");
    EXPECT_EQ(finishedCalls, 0);
}

TEST_F(WhoisLookupWindowTest, ReplyIsKeptUpToOneMebibyte) {
    FakeTcpClient& client = load("big.com");
    for (int i = 0; i < 4; ++i) client.raiseData(std::string(300 * 1024, 'x'));
    client.raiseData("tail");
    client.raiseClosed();
    EXPECT_EQ(form->replyText.text(), std::string(whois::kReplyLimit, 'x'));
}

TEST(WhoisServerText, HostAndOptionalPort) {
    using Server = std::optional<WhoisServer>;
    const std::pair<const char*, Server> cases[] = {{"whois.test", WhoisServer{"whois.test", 43}},
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
