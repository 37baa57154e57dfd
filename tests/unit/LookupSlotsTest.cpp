#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Verdict = MainWindowHooks::Verdict;

class WhoisLookup : public testing::MainWindowFixture {
protected:
    WhoisLookup() {
        hooks.nameUnjudged = [this](std::string_view name) { unjudged.emplace_back(name); };
    }
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

TEST_F(WhoisLookup, ReplyPhrasesDecideFreeOrTakenWhateverTheirCase) {
    load();
    for (const auto& [reply, free] :
         std::initializer_list<std::pair<const char*, bool>>{{"NO MATCH for EXAMPLE.COM", true},
                                                             {"This domain is Not Registered", true},
                                                             {"Object NOT FOUND", true},
                                                             {"name is AVAILABLE FOR REGISTRATION", true},
                                                             {"No Domain Records", true},
                                                             {"No matching records", true},
                                                             {"Domain Name: EXAMPLE.COM", false},
                                                             {"", false},
                                                             {"registered", false}}) {
        listed.clear();
        lookUp("example.com", reply);
        ASSERT_EQ(listed.size(), 1u) << reply;
        EXPECT_EQ(listed[0].second != Verdict::Taken, free) << reply;
    }
}

TEST_F(WhoisLookup, FreeNamesGoToTheListAndFileOfTheirFirstLabelsLength) {
    load();
    for (const char* name :
         {"abcd.com", "abcde.net", "abcdefg.org", "abcdefgh.com", "example.co.uk", "\xc3\xa9t\xc3\xa9s.com"})
        lookUp(name, "No match");
    const std::tuple<ResultList, const char*, const char*, const char*> rows[] = {
        {ResultList::High, "High Profile (2)", "SuperHighProfile.txt",
         "abcd.com\r\n\xc3\xa9t\xc3\xa9s.com\r\n"},
        {ResultList::Mid, "Mid Profile (3)", "HighProfile.txt",
         "abcde.net\r\nabcdefg.org\r\nexample.co.uk\r\n"},
        {ResultList::Low, "Low Profile (1)", "LowProfile.txt", "abcdefgh.com\r\n"}};
    for (const auto& [list, caption, file, bytes] : rows) {
        std::string items;
        for (const auto& name : form->ListOf(list).items()) items += name + "\r\n";
        EXPECT_EQ(items + folder.read(file) + form->CaptionOf(list).caption(),
                  std::string(bytes) + bytes + caption);
    }
}

TEST_F(WhoisLookup, TheQueryIsTheCleanedNameWithItsExtensionSentToItsServer) {
    load();
    struct Case {
        const char *name, *extension;
        bool proxy;
        const char *sent, *server;
    };
    for (const Case& c : {Case{"example", ".com", false, "example.com\r\n", "whois.test:4343"},
                          Case{"http://my%20shop.net", ".com", false, "myshop.net\r\n", "whois.net.test:43"},
                          Case{"Ex_Ample.ORG", ".com", false, "ExAmple.ORG\r\n", "whois.org.test:4444"},
                          Case{"site:abc.xyz", ".com", false, "abc.xyz\r\n", "whois.test:4343"},
                          Case{"plain", ".net", false, "plain.net\r\n", "whois.net.test:43"},
                          Case{"example.org", ".com", true, "example.org\r\n", "127.0.0.1:43"}}) {
        state.defaultExtension = c.extension;
        state.useProxy = c.proxy;
        form->StartLookup(c.name, 3);
        client(3).raiseConnected();
        EXPECT_EQ(client(3).host + ":" + std::to_string(client(3).port) + " " + client(3).sent +
                      std::to_string(client(3).localPort),
                  c.server + (" " + std::string(c.sent)) + "0");
    }
}

TEST_F(WhoisLookup, NamesThatCannotBeAskedAreReportedUnjudgedWithoutConnecting) {
    run({"evil\x01name.com", "fine.com"});
    form->StartLookup("a%0D%0Awhois -h other.com", 7);
    EXPECT_EQ(client(0).connectCount + client(7).connectCount, 0);
    answer(1, "No match");  // the one real lookup ends the run
    EXPECT_EQ(stops, 1);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].first, "fine.com");
    EXPECT_EQ(unjudged, (std::vector<std::string>{"evil\x01name.com", "a\r\nwhois-hother.com"}));
}

TEST_F(WhoisLookup, EmptyServerTableEndsLookupsWithoutConnecting) {
    folder.write("registrars.txt", "\r\n");
    run({"a.com", "b.com"});
    for (auto* connection : services.clients) EXPECT_EQ(connection->connectCount, 0);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(unjudged, (std::vector<std::string>{"a.com", "b.com"}));
}

TEST_F(WhoisLookup, SilentConnectionIsRetriedOnItsOwnServerKeepingWhatArrived) {
    load();
    form->StartLookup("slow.com", 2);
    client(2).raiseConnected();
    client(2).raiseData("partial No ");
    services.clockFake.advance(9'000);
    EXPECT_EQ(client(2).connectCount, 1);
    services.clockFake.advance(1'000);
    EXPECT_EQ(client(2).connectCount, 2);
    EXPECT_EQ(client(2).host + ":" + std::to_string(client(2).port), "whois.test:4343");
    answer(2, "match");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].second, Verdict::High);
    EXPECT_EQ(form->lookupSlots[2].exchange.reply(), "partial No match");
}

TEST_F(WhoisLookup, ListingRules) {
    load();
    // The registered list starts over once it would pass 101 names.
    for (int i = 1; i <= 102; ++i) form->AddRegisteredName("taken" + std::to_string(i) + ".com");
    EXPECT_EQ(form->registeredList.items(), std::vector<std::string>{"taken102.com"});
    EXPECT_EQ(form->registeredCaption.caption(), "Registered (102)");
    // Bare extensions are judged but listed nowhere.
    form->registeredList.clear();
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

TEST_F(WhoisLookup, EachLookupIsJudgedOnceWhateverEventsFollow) {
    run({"a.com", "b.com", "c.com"});
    answer(0, "No match");
    client(0).raiseClosed();
    client(0).raiseData("No match");
    EXPECT_EQ(form->finishedLookups, 1);
    // A new lookup on a busy slot gives up the old name.
    form->StartLookup("second.com", 1);
    answer(1, "No match");
    EXPECT_EQ(unjudged, std::vector<std::string>{"b.com"});
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].first, "second.com");
}

TEST_F(WhoisLookup, FullProfileListOverflowsIntoDatedFiles) {
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
    int left = 0;
    for (const ResultList n : kResultLists) left += form->ListOf(n).listCount();
    EXPECT_EQ(form->savedList.items(), std::vector<std::string>{"kept.com"});
    EXPECT_EQ(left, 1);  // all but the saved list
    EXPECT_EQ(state.midCount, 0);
    EXPECT_EQ(form->midCaption.caption(), "Mid Profile (6)");
    lookUp("abcdefgh.com", "No match");
    EXPECT_EQ(folder.read("LowProfile20261206093015.txt"), "abcdefgh.com\r\n");
}

}  // namespace
}  // namespace quillmark
