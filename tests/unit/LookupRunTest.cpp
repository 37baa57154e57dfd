#include <set>

#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

class LookupRun : public testing::MainWindowFixture {
protected:
    LookupRun() {
        hooks.nameUnjudged = [this](std::string_view name) { unjudged.emplace_back(name); };
    }
    static std::vector<std::string> names(int first, int last, const char* suffix = "") {
        std::vector<std::string> list;
        for (int i = first; i <= last; ++i) list.push_back("name" + std::to_string(i) + suffix);
        return list;
    }
    void start(const std::vector<std::string>& list) {
        load();
        chooseCustomList(list);
        form->Start();
    }
    std::vector<std::string> panels() const {
        return {form->statusBar.panelText(1), form->statusBar.panelText(2), form->statusBar.panelText(3)};
    }
    std::vector<std::string> unjudged;
};

TEST_F(LookupRun, StartLooksUpOneNamePerSlotAndStoresTheCursor) {
    start(names(1, 30));
    for (int i = 0; i < MainWindow::kPoolSize; ++i) {
        EXPECT_EQ(client(i).host + ":" + std::to_string(client(i).port), "whois.test:4343");
        client(i).raiseConnected();
        EXPECT_EQ(client(i).sent, "name" + std::to_string(i + 1) + ".com\r\n");
    }
    EXPECT_EQ(form->cursor, 26);
    EXPECT_EQ(setting("Kestrelon", "wordNumber") + setting("Kestrelon", "CustWordNum"), "2626");
    EXPECT_FALSE(form->searchType.enabled() || form->startButton.enabled());
    EXPECT_TRUE(form->stopButton.enabled());
    EXPECT_EQ(form->statusBar.panelText(1), "26 of 30");
    EXPECT_EQ(form->statusBar.panelText(3), "connecting(24): - Search String: name25.com");
}

TEST_F(LookupRun, ShortListEndsAsSoonAsItsLookupsHaveFinished) {
    start({"a", "b", "c"});
    EXPECT_TRUE(form->endOfList);
    EXPECT_EQ(client(3).connectCount, 0);
    answer(0, "No match for A.COM");
    answer(1, "Domain Name: B.COM");
    EXPECT_EQ(stops, 0);
    answer(2, "");
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(form->stopRequested);
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "4");
    EXPECT_EQ(panels(), (std::vector<std::string>{"Entry Status", "Open Connections", "Connection Status"}));
    EXPECT_TRUE(form->startButton.enabled() && form->searchType.enabled());
    EXPECT_EQ(listed.size(), 3u);
}

TEST_F(LookupRun, SilentServersEndTheBatchAfterThirtySeconds) {
    start({"a", "b", "c"});
    services.clockFake.advance(29'000);
    EXPECT_EQ(stops, 0);
    services.clockFake.advance(1'000);
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(listed.empty());
    for (auto* connection : services.clients) EXPECT_FALSE(connection->open);
}

TEST_F(LookupRun, NamesUnansweredAtTheBatchLimitOrAtStopAreReportedUnjudgedOnce) {
    start(names(1, 27));
    answer(0, "No match");
    client(1).raiseConnected();
    client(1).raiseData("partial");
    services.clockFake.advance(30'000);
    // The first batch ends with 24 names in flight; the next one starts.
    std::vector<std::string> expected = names(2, MainWindow::kPoolSize, ".com");
    EXPECT_EQ(unjudged, expected);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].first, "name1.com");
    // A late close of a dropped slot, and Stop, count each name once.
    answer(5, "No match");
    form->Stop();
    services.clockFake.advance(60'000);
    expected.insert(expected.end(), {"name26.com", "name27.com"});
    EXPECT_EQ(unjudged, expected);
    EXPECT_EQ(listed.size(), 1u);
    EXPECT_EQ(stops, 1);
}

TEST_F(LookupRun, EveryNameOfALongListIsJudgedOnceInBatchesOfTwentyFive) {
    start(names(1, 100));
    std::vector<std::int32_t> batchStarts;
    for (int batch = 0; batch < 4; ++batch) {
        batchStarts.push_back(form->cursor - MainWindow::kPoolSize);
        // Answer in reverse order: the last to answer drains the batch.
        for (int i = MainWindow::kPoolSize - 1; i >= 0; --i) answer(i, "not found");
    }
    EXPECT_EQ(batchStarts, (std::vector<std::int32_t>{1, 26, 51, 76}));
    std::set<std::string> unique;
    for (const auto& [name, verdict] : listed) unique.insert(name);
    EXPECT_EQ(listed.size() * 1000 + unique.size(), 100'100u);
    EXPECT_EQ(stops, 1);  // the next batch found the end of the list
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "101");
}

TEST_F(LookupRun, StopClosesEverythingAndLateRepliesCountForNothing) {
    std::filesystem::create_directories(folder / "wordlists");
    std::string list;
    for (int i = 1; i <= 60; ++i) list += "w" + std::to_string(i) + "\r\n";
    folder.write("wordlists/FullWordList.txt", list);
    load();
    choose("Full Word List");
    form->Start();
    answer(0, "No match");
    form->Stop();
    for (auto* connection : services.clients) EXPECT_FALSE(connection->open);
    EXPECT_EQ(form->startNumber.text(), "26");
    const auto counted = state.highCount;
    answer(5, "No match");
    services.clockFake.advance(60'000);
    EXPECT_EQ(state.highCount, counted);
    EXPECT_EQ(form->highList.listCount(), 1);
    EXPECT_EQ(stops, 1);
}

TEST_F(LookupRun, WhereARunStarts) {
    folder.write("BrowserSearch.txt", "first.com\r\nsecond.com\r\n");
    struct Case {
        const char *source, *startNumber, *listSize, *firstSent, *key, *stored;
        std::int32_t lastPosition, batchLookups;
    };
    // Search lists start at their first name; start numbers that are no numbers count as one;
    // a list size below the cursor still runs to the end of the list.
    for (const Case& c : {Case{"Google Search", "2", "2", "first.com\r\n", "GoogleWordNum", "3", 2, 2},
                          Case{"Custom List", "abc", "", "name1.com\r\n", "CustWordNum", "6", 1, 5},
                          Case{"Custom List", "1", "2", "name1.com\r\n", "CustWordNum", "6", 2, 5}}) {
        SCOPED_TRACE(std::string(c.source) + " " + c.startNumber + " " + c.listSize);
        load();
        if (std::string_view(c.source) == "Custom List")
            chooseCustomList(names(1, 5));
        else
            choose(c.source);
        form->startNumber.setText(c.startNumber);
        form->listSize.setText(c.listSize);
        form->Start();
        EXPECT_EQ(form->lastPosition, c.lastPosition);
        EXPECT_EQ(form->batchLookups, c.batchLookups);
        client(0).raiseConnected();
        EXPECT_EQ(client(0).sent, c.firstSent);
        EXPECT_EQ(setting("Kestrelon", c.key), c.stored);
    }
}

}  // namespace
}  // namespace quillmark
