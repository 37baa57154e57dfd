#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "whois/WhoisLookupWindow.h"

namespace quillmark {
namespace {

using testing::FakeTcpClient;

class WhoisLookupWindowTest : public ::testing::Test {
protected:
    // Loads a fresh window for the name, as a double-click would, and lets it connect.
    FakeTcpClient& load(std::string name) {
        form = std::make_unique<WhoisLookupWindow>(services, std::move(name), "whois.registry.test", 4343);
        finishedCalls = 0;
        form->setOnFinished([this] { ++finishedCalls; });
        form->Load();
        services.clients.back()->raiseConnected();
        return *services.clients.back();
    }

    testing::FakeServices services;
    std::unique_ptr<WhoisLookupWindow> form;
    int finishedCalls = 0;
};

// Every name goes bare to the one server; names with control characters are never sent.
TEST_F(WhoisLookupWindowTest, NamesAreSentAsTheyStandUnlessTheyHoldControlCharacters) {
    const std::pair<std::string, bool> names[] = {{"example.de", true},
                                                  {"", true},
                                                  {"a.com\r\nb.com", false},
                                                  {std::string("a\0b.com", 7), false},
                                                  {"d\x7f.com", false}};
    for (const auto& [name, sendable] : names) {
        EXPECT_EQ(WhoisLookupWindow::CanBeSent(name), sendable) << name;
        const FakeTcpClient& c = load(name);
        const auto asked = c.host + ":" + std::to_string(c.port) + " from " + std::to_string(c.localPort);
        EXPECT_EQ(c.connectCount ? asked + " " + c.sent : "never",
                  sendable ? "whois.registry.test:4343 from 0 " + name + "\r\n" : "never")
            << name;
    }
}

// Whatever pieces arrive, the reply is shown once, whole up to one mebibyte, when the
// server closes; an unloaded window has let go of its connection and ignores late events.
TEST_F(WhoisLookupWindowTest, ReplyIsShownOnceWholeWhenTheServerCloses) {
    const std::string big(300 * 1024, 'x'), odd("\xff\0x\r\n", 5);
    const struct {
        std::vector<std::string> pieces;
        bool unload;
        std::string shown;
    } cases[] = {
        {{"Domain Na", "me: EXAMPLE.COM\r\n", "", odd}, false, "Domain Name: EXAMPLE.COM\r\n" + odd},
        {{big, big, big, big, "tail"}, false, std::string(whois::kReplyLimit, 'x')},
        {{"late"}, true, ""},
    };
    for (const auto& c : cases) {
        FakeTcpClient& client = load("example.com");
        int shown = 0;
        form->replyText.setObserver([&shown] { ++shown; });
        if (c.unload) form->Unload();
        for (const std::string& piece : c.pieces) {
            client.raiseData(piece);
            EXPECT_EQ(form->replyText.text() + (form->finished() ? "finished" : ""), "");
        }
        client.raiseClosed();
        EXPECT_EQ(form->replyText.text(), c.shown);
        EXPECT_EQ(shown, c.unload ? 0 : 1);
        EXPECT_EQ(finishedCalls, shown);
        EXPECT_FALSE(client.open);
    }
}

// A port is a whole number from 1 to 65535, spaces around it allowed.
TEST(WhoisServerText, HostAndOptionalPort) {
    const std::pair<const char*, std::optional<WhoisServer>> cases[] = {
        {"whois.test", WhoisServer{"whois.test", 43}}, {"h:1", WhoisServer{"h", 1}},
        {"h:65535", WhoisServer{"h", 65535}},          {"h: +43 ", WhoisServer{"h", 43}},
        {"[::1]:4343", WhoisServer{"::1", 4343}},      {"::1", WhoisServer{"::1", 43}}};
    for (const auto& [text, server] : cases) EXPECT_EQ(ParseWhoisServer(text), server) << text;
    for (const char* bad : {"", ":43", "h:", "h:0", "h:-1", "h:65536", "h: ", "h:+", "h:4 3", "h:4x",
                            "h:4294967339", "h:1234567890123456789", "[::1]43"})
        EXPECT_EQ(ParseWhoisServer(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace quillmark
