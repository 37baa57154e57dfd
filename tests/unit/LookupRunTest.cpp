#include <algorithm>
#include <set>

#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Verdict = MainWindowHooks::Verdict;
using Names = std::vector<std::string>;
using Listed = std::vector<std::pair<std::string, Verdict>>;

class LookupRun : public testing::MainWindowFixture {
protected:
    void lookUp(std::string name, std::string_view reply) {
        form->StartLookup(std::move(name), 0);
        answer(0, reply);
    }
    // Answers every open connection: names that start with "taken" are taken.
    void answerAll() {
        for (auto* connection : services.clients) {
            if (!connection->open) continue;
            connection->raiseConnected();
            const bool taken = connection->sent.starts_with("taken");
            connection->raiseData((taken ? "Domain Name: " : "No match for ") + connection->sent);
            connection->raiseClosed();
        }
    }
    std::string server(int slot) { return client(slot).host + ":" + std::to_string(client(slot).port); }
    Names inFlight() const {
        Names busy;
        for (const auto& slot : form->lookupSlots)
            if (slot.busy) busy.push_back(slot.name);
        std::sort(busy.begin(), busy.end());
        return busy;
    }
    void writeWordList(int count) {
        std::filesystem::create_directories(folder / "wordlists");
        folder.write("wordlists/FullWordList.txt", lines(names(1, count)));
    }
    // The list file, its size and start number, then which of Start, the start
    // number, the search text and Search are on.
    std::string controls() {
        const std::string file = std::filesystem::path(form->listFile).filename().string();
        std::string flags;
        for (const bool on : {form->startButton.enabled(), form->startNumber.visible(),
                              form->searchText.visible(), form->searchButton.enabled()})
            flags += on ? '+' : '-';
        return file + " " + form->listSize.text() + "/" + form->startNumber.text() + " " + flags;
    }
};

TEST_F(LookupRun, ThePhrasesOfTheReplyAndTheLengthOfTheFirstLabelDecideTheList) {
    load();
    const std::pair<const char*, const char*> lookups[] = {
        {"abcd.com", "NO MATCH for EXAMPLE.COM"}, {"abcde.net", "This domain is Not Registered"},
        {"abcdefg.org", "Object NOT FOUND"},      {"abcdefgh.com", "name is AVAILABLE FOR REGISTRATION"},
        {"example.co.uk", "No Domain Records"},   {"\xc3\xa9t\xc3\xa9s.com", "No matching records"},
        {"taken.com", "Domain Name: TAKEN.COM"},  {"silent.com", ""},
        {"registered.com", "registered"}};
    for (const auto& [name, reply] : lookups) lookUp(name, reply);
    // A lone continuation byte, an overlong form, a cut sequence.
    for (const char* name : {"a\x80.com", "b\xc0\xaf.com", "c\xe2\x82.com"}) lookUp(name, "No match");
    const std::tuple<ResultList, const char*, const char*> rows[] = {
        {ResultList::High, "SuperHighProfile.txt",
         "abcd.com\r\n\xc3\xa9t\xc3\xa9s.com\r\na\x80.com\r\nb\xc0\xaf.com\r\nc\xe2\x82.com\r\n|High Profile "
         "(5)"},
        {ResultList::Mid, "HighProfile.txt", "abcde.net\r\nabcdefg.org\r\nexample.co.uk\r\n|Mid Profile (3)"},
        {ResultList::Low, "LowProfile.txt", "abcdefgh.com\r\n|Low Profile (1)"},
        {ResultList::Registered, nullptr, "taken.com\r\nregistered.com\r\n|Registered (2)"}};
    for (const auto& [list, file, expected] : rows) {
        std::string items;
        for (const auto& name : form->ListOf(list).items()) items += name + "\r\n";
        if (file != nullptr) {
            EXPECT_EQ(folder.read(file), items) << file;
        }
        EXPECT_EQ(items + "|" + form->CaptionOf(list).caption(), expected);
    }
    EXPECT_EQ(listed.size(), std::size(lookups) + 2);
    EXPECT_EQ(unchecked, Names{"silent.com|server error"});
}

TEST_F(LookupRun, TheQueryIsTheCleanedNameWithItsExtensionSentToItsServer) {
    load();
    const std::tuple<const char*, const char*, bool, const char*> rows[] = {
        {"example", ".com", false, "whois.test:4343 example.com\r\n"},
        {"http://my%20shop.net", ".com", false, "whois.net.test:43 myshop.net\r\n"},
        {"Ex_Ample.ORG", ".com", false, "whois.org.test:4444 ExAmple.ORG\r\n"},
        {"site:abc.xyz", ".com", false, "whois.nic.xyz:43 abc.xyz\r\n"},  // no row: the zone's server
        {"plain", ".net", false, "whois.net.test:43 plain.net\r\n"},
        {"example.org", ".com", true, "127.0.0.1:43 example.org\r\n"}};
    for (const auto& [name, extension, proxy, expected] : rows) {
        state.defaultExtension = extension;
        state.useProxy = proxy;
        form->StartLookup(name, 3);
        client(3).raiseConnected();
        EXPECT_EQ(server(3) + " " + client(3).sent, expected);
        EXPECT_EQ(client(3).localPort, 0);
    }
}

// Nor can a name no server is known for.
TEST_F(LookupRun, NamesThatCannotBeAskedAreReportedWithoutConnecting) {
    start({"evil\x01name.com", "fine.com"});  // the slot of a name never sent takes the next
    form->StartLookup("a%0D%0Awhois -h other.com", 7);
    EXPECT_EQ(std::to_string(client(0).connectCount) + std::to_string(client(7).connectCount), "10");
    answer(0, "No match");  // the one real lookup ends the run
    start({"a.zzzz", "b.zzzz"});
    for (std::size_t i = MainWindow::kPoolSize; i < services.clients.size(); ++i)
        EXPECT_EQ(services.clients[i]->connectCount, 0);
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(listed, (Listed{{"fine.com", Verdict::High}}));
    EXPECT_EQ(unjudged, (Names{"evil\x01name.com", "a\r\nwhois-hother.com"}));
    EXPECT_EQ(unchecked, (Names{"a.zzzz|no server", "b.zzzz|no server"}));
}

// A busy slot's new lookup gives up the old name; a silent one is asked again, keeping what came.
TEST_F(LookupRun, EachLookupIsJudgedOnceAndAShortListEndsWhenItsLookupsHaveFinished) {
    start({"a", "b", "c"});
    EXPECT_TRUE(form->endOfList);
    EXPECT_EQ(client(3).connectCount, 0);
    answer(0, "No match for A.COM");
    client(0).raiseClosed();
    client(0).raiseData("No match");
    EXPECT_EQ(listed.size(), 1u);
    form->StartLookup("second.com", 1);
    answer(1, "Domain Name: SECOND.COM");
    client(2).raiseConnected();
    client(2).raiseData("partial No ");
    services.clockFake.advance(9'000);
    EXPECT_EQ(client(2).connectCount, 1);
    services.clockFake.advance(1'000);
    EXPECT_EQ(server(2) + " " + std::to_string(client(2).connectCount), "whois.test:4343 2");
    EXPECT_EQ(stops, 0);
    answer(2, "match");
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(form->lookupSlots[2].exchange.reply(), "partial No match");
    EXPECT_EQ(unchecked, Names{"b.com|no answer"});
    EXPECT_EQ(listed,
              (Listed{{"a.com", Verdict::High}, {"second.com", Verdict::Taken}, {"c.com", Verdict::High}}));
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "4");
}

TEST_F(LookupRun, FullProfileListOverflowsIntoItsFileAndAllButTheSavedListStartAgain) {
    load();
    form->midList.setItems(names(10'000, 29'998, ".com"));
    form->highList.addItem("abc.com");
    form->registeredList.addItem("gone.com");
    form->savedList.addItem("kept.com");
    lookUp("abcde.com", "No match");
    EXPECT_EQ(notices, 1);
    const std::string overflowMid = folder.read("overflow/HighProfile.txt");
    EXPECT_EQ(std::count(overflowMid.begin(), overflowMid.end(), '\n'), 20'000);
    EXPECT_TRUE(overflowMid.ends_with("\nabcde.com\r\n"));
    EXPECT_EQ(folder.read("overflow/SuperHighProfile.txt"), "abc.com\r\n");
    EXPECT_EQ(form->savedList.items(), Names{"kept.com"});
    EXPECT_EQ(form->highList.listCount() + form->midList.listCount() + form->registeredList.listCount(), 0);
    EXPECT_EQ(form->midCaption.caption(), "Mid Profile (0)");
    // The lists start again in files of a new session.
    lookUp("abcdefgh.com", "No match");
    EXPECT_EQ(folder.read("LowProfile20261206093015.txt"), "abcdefgh.com\r\n");
}

// A slow lookup holds back no other: each slot takes the next name as its lookup ends.
TEST_F(LookupRun, SlotsRefillAtOnceAndTheStartNumberIsTheFirstNameWithoutAnOutcome) {
    start(names(1, 100));
    client(24).raiseConnected();
    EXPECT_EQ(server(24) + " " + client(24).sent, "whois.test:4343 name25.com\r\n");
    EXPECT_FALSE(form->searchType.enabled() || form->startButton.enabled());
    for (int round = 0; round < 10; ++round)
        for (int i = 0; i < MainWindow::kPoolSize; ++i)
            if (i != 3 && client(i).open) answer(i, "not found");
    EXPECT_EQ(inFlight(), Names{"name4.com"});
    EXPECT_EQ(setting("Kestrelon", "wordNumber") + " " + setting("Kestrelon", "CustWordNum"), "4 4");
    EXPECT_EQ(stops, 0);
    answer(3, "not found");
    std::set<std::string> unique;
    for (const auto& [name, verdict] : listed) unique.insert(name);
    EXPECT_EQ(listed.size() * 1000 + unique.size(), 100'100u);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "101");
    EXPECT_TRUE(form->startButton.enabled() && form->searchType.enabled());
    EXPECT_EQ(form->statusBar.panelText(3), "Done: 100 free, 0 taken, 0 unchecked in 0 s");
}

// Stop keeps the names in flight open; Start asks exactly those again, then goes on.
TEST_F(LookupRun, StopThenStartAsksExactlyTheNamesWithoutAnOutcome) {
    writeWordList(60);
    load();
    choose("Full Word List");
    form->Start();
    for (int i = 0; i < MainWindow::kPoolSize; i += 2) answer(i, "No match");
    const Names open = inFlight();
    EXPECT_EQ(open.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    form->Stop();
    answer(1, "No match");  // late events after Stop count for nothing
    EXPECT_EQ(form->startNumber.text() + " " + std::to_string(listed.size()), "2 13");
    EXPECT_TRUE(unchecked.empty());
    form->Start();
    EXPECT_EQ(inFlight(), open);
    // Thirty seconds without a reply: each name is kept unchecked, once.
    services.clockFake.advance(29'000);
    EXPECT_TRUE(unchecked.empty());
    services.clockFake.advance(1'000);
    EXPECT_EQ(unchecked.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    EXPECT_EQ(form->statusBar.panelText(3), "whois.test:4343 did not answer");
    form->Stop();
    EXPECT_EQ(form->startNumber.text(), "39");
}

// A throttled server waits, longer each time, while another goes on; the third throttle
// leaves the name unchecked. A refused connection ends its lookup at once.
TEST_F(LookupRun, AThrottledServerWaitsAloneAndARefusedOneEndsAtOnce) {
    folder.write("replyrules.txt", "*\tfree\tno match\n*\tthrottled\tslow down\n");
    services.settingsFake.SaveSetting(kOptionsApplication, kSettingsSection, "ThrottleWait", "5");
    start({"b.com", "a.com", "a.net", "refused.net"});
    answer(0, "No match");
    answer(1, "Slow down");
    client(3).raiseFailed();
    EXPECT_EQ(form->statusBar.panelText(3), "whois.net.test:43 refused the connection");
    answer(2, "No match");  // the other server goes on
    EXPECT_EQ(inFlight(), Names{});
    for (const int wait : {5, 10}) {
        services.clockFake.advance((wait - 1) * 1000);
        EXPECT_EQ(inFlight(), Names{}) << wait;
        services.clockFake.advance(1000);
        EXPECT_EQ(inFlight(), Names{"a.com"}) << wait;
        answer(0, "Slow down");
    }
    EXPECT_EQ(unchecked, (Names{"refused.net|no answer", "a.com|throttled"}));
    EXPECT_EQ(listed.size(), 2u);
    EXPECT_EQ(stops, 1);
}

// The next name of the list waits too when its server asked to wait.
TEST_F(LookupRun, NoNameIsSentToAServerThatAskedToWait) {
    folder.write("replyrules.txt", "*\tthrottled\tslow down\n");
    start(names(1, MainWindow::kPoolSize + 1, ".com"));
    answer(0, "Slow down");
    answer(1, "Slow down");  // sent before the wait began: the same wait, not a longer one
    EXPECT_EQ(form->pausedServers.at("whois.test:4343").seconds, 30);
    EXPECT_EQ(client(0).connectCount + client(1).connectCount, 2);
    EXPECT_EQ(inFlight().size(), static_cast<std::size_t>(MainWindow::kPoolSize - 2));
}

TEST_F(LookupRun, WhereARunStarts) {
    folder.write("BrowserSearch.txt", "first.com\r\nsecond.com\r\n");
    // Search lists start at their first name; start numbers that are no numbers count as one;
    // a list size below the cursor still runs to the end of the list.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"Google Search", "2", "2", "2 2 first.com\r\nGoogleWordNum=1"},
        {"Custom List", "abc", "", "1 5 name1.com\r\nCustWordNum=1"},
        {"Custom List", "1", "2", "2 5 name1.com\r\nCustWordNum=1"}};
    for (const auto& [source, startNumber, listSize, expected] : rows) {
        load();
        const bool custom = std::string_view(source) == "Custom List";
        custom ? chooseCustomList(names(1, 5)) : choose(source);
        form->startNumber.setText(startNumber);
        form->listSize.setText(listSize);
        form->Start();
        client(0).raiseConnected();
        const std::string key = custom ? "CustWordNum" : "GoogleWordNum";
        EXPECT_EQ(std::to_string(form->lastPosition) + " " + std::to_string(inFlight().size()) + " " +
                      client(0).sent + key + "=" + setting("Kestrelon", key),
                  expected);
    }
}

// A list deleted mid-run ends it once its lookups end; an unwritable profile file loses no name.
TEST_F(LookupRun, FilesThatVanishOrCannotBeWrittenLoseNothing) {
    folder.write("Remembered.txt", "kept.com\r\n");
    start(names(1, 60));
    std::filesystem::remove(folder / "list.txt");
    // A folder where a file should be: no write can replace it, not even root's.
    std::filesystem::create_directories(folder / results::ProfileFileName(Verdict::Mid, state.sessionStamp));
    answerAll();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(form->midList.items(), names(1, MainWindow::kPoolSize, ".com"));
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    // The rewrite's temporary file cannot be made: the saved list stays whole.
    std::filesystem::create_directories(folder / "Remembered.txt.saving");
    form->ListClicked(ResultList::Mid);
    form->midList.setListIndex(0);
    form->DropOnSaved("0");
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(folder.read("Remembered.txt"), "kept.com\r\n");
}

TEST_F(LookupRun, EachSourceShowsItsControlsAndList) {
    int windows = 0;
    hooks.showGenerator = hooks.showBrowseWindow = [&] { ++windows; };
    writeWordList(1000);
    load();
    std::filesystem::remove(folder / "wordlists" / "AllTwoLetter.txt");
    // source, stored word list position, search text and start number typed; the controls, windows opened
    const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
        {"Full Word List", "250", "", "", "FullWordList.txt 1000/250 ++-- 0"},
        {"Full Word List", "", "", "999", "FullWordList.txt 1000/999 ++-- 0"},
        {"Full Word List", "", "", "1000", "FullWordList.txt 1000/1 ++-- 0"},
        {"Full Word List", "", "", "x", "FullWordList.txt 1000/x ++-- 0"},
        {"All Two Letter", "", "", "", "AllTwoLetter.txt 0/1 ++-- 0"},
        {"Yahoo Search", "", "", "", "BrowserSearch.txt 0/1 +-+- 0"},
        {"Yahoo Search", "", "g", "", "BrowserSearch.txt 0/1 +-++ 0"},
        {"Browse for names", "", "", "", "BrowserSearch.txt 0/1 +--- 1"},
        {"Generate names", "", "", "", "CreatedDomains.txt 0/1 +--- 2"},
        {"Custom List", "", "", "", " 0/1 ++-- 2"}};
    for (const auto& [source, stored, typed, startNumber, expected] : rows) {
        services.settingsFake.SaveSetting("Kestrelon", "Settings", "FullWordNum", stored);
        form->searchText.setText(typed);
        choose(source);
        form->SearchTextChanged();
        if (*startNumber) {
            form->startNumber.setText(startNumber);
            form->StartNumberChanged();
        }
        EXPECT_EQ(controls() + " " + std::to_string(windows), expected) << source << " " << typed;
    }
    EXPECT_EQ(form->ReadNameAt(1), "endoffileffile");
    ASSERT_EQ(services.dialogsFake.requests.size(), 1u);
    EXPECT_EQ(services.dialogsFake.requests[0].startFolder, (folder / "wordlists").string());
}

// RDAP goes first where the registry has a server, and each protocol stands in
// when the other gives no verdict; while RDAP asks to wait, whois goes first.
TEST_F(LookupRun, RdapAndWhoisStandInForEachOther) {
    services.settingsFake.SaveSetting("Quillmark", "Settings", "WhoisOnly", "0");
    folder.write("rdapservers.json", R"({"services": [[["com"], ["https://rdap.test/"]]]})");
    auto list = names(1, 25, ".com");
    list.insert(list.begin(), "caf\xc3\xa9.com");
    start(list);
    EXPECT_EQ(services.http[0]->requests, Names{"https://rdap.test/domain/xn--caf-dma.com"});
    services.http[0]->answer({429, HttpFailure::None, "", "", false, "5", ""});
    // The slot takes name25 by whois; its empty reply sends it to RDAP, which still waits.
    answer(0, "");
    EXPECT_EQ(client(0).host + " " + client(0).sent, "whois.test name25.com\r\n");
    services.http[1]->answer({500, HttpFailure::None, "", "", false, "", ""});
    answer(1, "No match for name1.com");
    EXPECT_TRUE(services.http[0]->requests.size() == 1 && !services.http[0]->pending);
    services.clockFake.advance(6000);
    for (auto* http : services.http) {
        const bool free = http->pending && http->requests.back().find("name2.") == std::string::npos;
        if (http->pending)
            http->answer({free ? 404 : 200, {}, "", R"({"objectClassName": "domain"})", false, "", ""});
    }
    EXPECT_EQ(judgedBy["caf\xc3\xa9.com"] + "," + judgedBy["name25.com"] + "," + judgedBy["name1.com"] + "," +
                  judgedBy["name2.com"],
              "free rdap,free rdap,free whois,taken rdap");
    EXPECT_EQ(judgedBy.size(), 26u);
    EXPECT_EQ(stops, 1);
}

// The bar counts outcomes out of the run's names, with the pace and, while it runs, the time left.
TEST_F(LookupRun, ProgressShowsDoneTotalPaceAndTimeLeft) {
    start(names(1, 4, ".com"));
    answer(0, "No match for name1.com");
    answer(1, "Domain Name: NAME2.COM");
    services.clockFake.advance(20000);
    EXPECT_EQ(form->progress.text(), "2 of 4 names, 6 names/min, 20 s left");
    answerAll();
    EXPECT_EQ(form->progress.text() + " " + std::to_string(form->progress.value()) + "/" +
                  std::to_string(form->progress.maximum()),
              "4 of 4 names, 12 names/min 4/4");
}

}  // namespace
}  // namespace quillmark
