#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Verdict = MainWindowHooks::Verdict;

class Form1Exchange : public testing::MainWindowFixture {
protected:
    Form1Exchange() {
        hooks.nameUnjudged = [this](std::string_view name) { unjudged.emplace_back(name); };
    }

    // Looks one name up on slot 0 and lets the server answer.
    void lookUp(std::string name, std::string_view reply) {
        form->StartLookup(std::move(name), 0);
        answer(0, reply);
    }

    void run(const std::vector<std::string>& list) {
        load();
        chooseCustomList(list);
        form->Start();
    }

    std::vector<std::string> unjudged;
};

TEST_F(Form1Exchange, ReplyPhrasesDecideFreeOrTakenWhateverTheirCase) {
    load();
    struct Case {
        const char* reply;
        bool free;
    };
    for (const Case& c : {Case{"NO MATCH for EXAMPLE.COM", true}, Case{"Domain Name: EXAMPLE.COM", false},
                          Case{"This domain is Not Registered", true}, Case{"Object NOT FOUND", true},
                          Case{"name is AVAILABLE FOR REGISTRATION", true}, Case{"No Domain Records", true},
                          Case{"", false}, Case{"No matching records", true}, Case{"registered", false}}) {
        listed.clear();
        lookUp("example.com", c.reply);
        ASSERT_EQ(listed.size(), 1u) << c.reply;
        EXPECT_EQ(listed[0].second != Verdict::Taken, c.free) << c.reply;
    }
}

TEST_F(Form1Exchange, FreeNamesGoToTheProfileOfTheirFirstLabel) {
    load();
    for (const char* name : {"abcd.com", "abcde.net", "abcdefg.org", "abcdefgh.com", "example.co.uk",
                             "\xc3\xa9t\xc3\xa9s.com"}) {
        lookUp(name, "No match");
    }
    EXPECT_EQ(form->highList.items(), (std::vector<std::string>{"abcd.com", "\xc3\xa9t\xc3\xa9s.com"}));
    EXPECT_EQ(form->midList.items(), (std::vector<std::string>{"abcde.net", "abcdefg.org", "example.co.uk"}));
    EXPECT_EQ(form->lowList.items(), (std::vector<std::string>{"abcdefgh.com"}));
    EXPECT_EQ(form->highCaption.caption(), "High Profile (2)");
    EXPECT_EQ(form->midCaption.caption(), "Mid Profile (3)");
    EXPECT_EQ(form->lowCaption.caption(), "Low Profile (1)");
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "abcd.com\r\n\xc3\xa9t\xc3\xa9s.com\r\n");
    EXPECT_EQ(folder.read("HighProfile.txt"), "abcde.net\r\nabcdefg.org\r\nexample.co.uk\r\n");
    EXPECT_EQ(folder.read("LowProfile.txt"), "abcdefgh.com\r\n");
}

TEST_F(Form1Exchange, TheQueryIsTheCleanedNameWithItsExtension) {
    load();
    struct Case {
        const char* name;
        const char* sent;
        const char* host;
    };
    for (const Case& c : {Case{"example", "example.com\r\n", "whois.test"},
                          Case{"http://my%20shop.net", "myshop.net\r\n", "whois.net.test"},
                          Case{"Ex_Ample.ORG", "ExAmple.ORG\r\n", "whois.org.test"},
                          Case{"site:abc.xyz", "abc.xyz\r\n", "whois.test"}}) {
        form->StartLookup(c.name, 3);
        EXPECT_EQ(client(3).host, c.host) << c.name;
        client(3).raiseConnected();
        EXPECT_EQ(client(3).sent, c.sent) << c.name;
        EXPECT_EQ(client(3).localPort, 0);
    }
    state.defaultExtension = ".net";
    form->StartLookup("plain", 4);
    client(4).raiseConnected();
    EXPECT_EQ(client(4).sent, "plain.net\r\n");
}

TEST_F(Form1Exchange, ProxySwitchSendsEveryLookupToTheProxyRow) {
    load();
    state.useProxy = true;
    form->StartLookup("example.org", 1);
    EXPECT_EQ(client(1).host, "127.0.0.1");
    EXPECT_EQ(client(1).port, 43);
}

TEST_F(Form1Exchange, NamesWithControlCharactersAreNeverSent) {
    run({"evil\x01name.com", "fine.com"});
    EXPECT_EQ(client(0).connectCount, 0);
    EXPECT_EQ(client(1).host, "whois.test");
    // Only the one real lookup is outstanding: its answer ends the run.
    answer(1, "No match");
    EXPECT_EQ(stops, 1);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].first, "fine.com");
    EXPECT_EQ(unjudged, std::vector<std::string>{"evil\x01name.com"});
}

TEST_F(Form1Exchange, DecodedLineBreaksAreNotSentEither) {
    load();
    form->StartLookup("a%0D%0Awhois -h other.com", 7);
    EXPECT_EQ(client(7).connectCount, 0);
    form->StartLookup("a%20b.com", 7);
    EXPECT_EQ(client(7).connectCount, 1);
}

TEST_F(Form1Exchange, EmptyServerTableEndsLookupsWithoutConnecting) {
    folder.write("registrars.txt", "\r\n");
    run({"a.com", "b.com"});
    for (auto* connection : services.clients) EXPECT_EQ(connection->connectCount, 0);
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(unjudged, (std::vector<std::string>{"a.com", "b.com"}));
}

TEST_F(Form1Exchange, SilentConnectionIsRetriedOnItsOwnPortKeepingWhatArrived) {
    load();
    form->StartLookup("slow.com", 2);
    client(2).raiseConnected();
    client(2).raiseData("partial No ");
    services.clockFake.advance(9'000);
    EXPECT_EQ(client(2).connectCount, 1);
    services.clockFake.advance(1'000);
    EXPECT_EQ(client(2).connectCount, 2);
    EXPECT_EQ(client(2).port, 4343);
    EXPECT_EQ(client(2).host, "whois.test");
    client(2).raiseConnected();
    client(2).raiseData("match");
    client(2).raiseClosed();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].second, Verdict::High);
    EXPECT_EQ(form->lookupSlots[2].exchange.reply(), "partial No match");
}

TEST_F(Form1Exchange, ReplyIsKeptUpToOneMebibyte) {
    load();
    form->StartLookup("big.com", 0);
    client(0).raiseConnected();
    const std::string chunk(256 * 1024, 'x');
    for (int i = 0; i < 6; ++i) client(0).raiseData(chunk);
    client(0).raiseData("No match");
    EXPECT_EQ(form->lookupSlots[0].exchange.reply().size(), whois::kReplyLimit);
    client(0).raiseClosed();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].second, Verdict::Taken);
}

TEST_F(Form1Exchange, RegisteredListHoldsAtMostOneHundredAndOne) {
    load();
    for (int i = 1; i <= 102; ++i) form->AddRegisteredName("taken" + std::to_string(i) + ".com");
    EXPECT_EQ(form->registeredList.items(), std::vector<std::string>{"taken102.com"});
    EXPECT_EQ(form->registeredCaption.caption(), "Registered (102)");
}

TEST_F(Form1Exchange, BareExtensionsAreJudgedButListedNowhere) {
    load();
    for (const char* name : {".com", ".net"}) {
        form->AddFreeName(name);
        form->AddRegisteredName(name);
    }
    form->AddFreeName(".org");
    EXPECT_EQ(unjudged, (std::vector<std::string>{".com", ".com", ".net", ".net"}));
    EXPECT_EQ(form->registeredList.listCount(), 0);
    EXPECT_EQ(state.highCount, 1);
    EXPECT_EQ(form->highList.items(), std::vector<std::string>{".org"});
}

TEST_F(Form1Exchange, RepeatedEventsOfOneLookupCountOnce) {
    run({"a.com", "b.com", "c.com"});
    answer(0, "No match");
    client(0).raiseClosed();
    client(0).raiseData("No match");
    EXPECT_EQ(listed.size(), 1u);
    EXPECT_EQ(form->finishedLookups, 1);
    EXPECT_TRUE(unjudged.empty());
}

TEST_F(Form1Exchange, NewLookupOnABusySlotReportsTheOldNameUnjudged) {
    load();
    form->StartLookup("first.com", 4);
    form->StartLookup("second.com", 4);
    answer(4, "No match");
    EXPECT_EQ(unjudged, std::vector<std::string>{"first.com"});
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].first, "second.com");
}

TEST_F(Form1Exchange, FullProfileListOverflowsIntoDatedFiles) {
    load();
    std::vector<std::string> mid;
    for (int i = 0; i < 19'999; ++i) mid.push_back("mid" + std::to_string(10000 + i) + ".com");
    form->midList.setItems(mid);
    form->highList.addItem("abc.com");
    form->registeredList.addItem("gone.com");
    form->savedList.addItem("kept.com");
    state.midCount = 5;

    lookUp("abcde.com", "No match");

    EXPECT_EQ(notices, 1);
    const std::string overflowMid = folder.read("overflow/HighProfile.txt");
    EXPECT_EQ(std::count(overflowMid.begin(), overflowMid.end(), '\n'), 20'000);
    EXPECT_EQ(overflowMid.substr(overflowMid.size() - 11), "abcde.com\r\n");
    EXPECT_EQ(folder.read("overflow/SuperHighProfile.txt"), "abc.com\r\n");
    EXPECT_EQ(folder.read("overflow/LowProfile.txt"), "");
    for (const ResultList n : {ResultList::Low, ResultList::Registered, ResultList::High, ResultList::Mid})
        EXPECT_EQ(form->ListOf(n).listCount(), 0) << static_cast<int>(n);
    EXPECT_EQ(form->savedList.items(), std::vector<std::string>{"kept.com"});
    EXPECT_EQ(state.midCount, 0);
    EXPECT_EQ(form->midCaption.caption(), "Mid Profile (6)");
    EXPECT_EQ(state.sessionStamp, "20261206093015");
    EXPECT_EQ(folder.read("backups/HighProfile20261206093015.txt"), " \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile20261206093015.txt"), " \r\n");

    lookUp("abcdefgh.com", "No match");
    EXPECT_EQ(folder.read("LowProfile20261206093015.txt"), "abcdefgh.com\r\n");
}

}  // namespace
}  // namespace quillmark
