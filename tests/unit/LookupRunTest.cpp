#include <set>

#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

class Form1Run : public testing::MainWindowFixture {
protected:
    Form1Run() {
        hooks.nameUnjudged = [this](std::string_view name) { unjudged.emplace_back(name); };
    }

    std::vector<std::string> names(int count) {
        std::vector<std::string> list;
        for (int i = 1; i <= count; ++i) list.push_back("name" + std::to_string(i));
        return list;
    }

    // The names the connections were asked to look up, in slot order.
    std::vector<std::string> queries() {
        std::vector<std::string> sent;
        for (auto* client : services.clients) {
            if (client->open)
                sent.push_back(client->host + ":" + std::to_string(client->port) + " " + client->sent);
        }
        return sent;
    }

    std::vector<std::string> unjudged;
};

TEST_F(Form1Run, StartLooksUpOneNamePerSlotAndStoresTheCursor) {
    load();
    chooseCustomList(names(30));
    form->Start();

    for (int i = 0; i < MainWindow::kPoolSize; ++i) {
        EXPECT_EQ(client(i).host, "whois.test");
        EXPECT_EQ(client(i).port, 4343);
        client(i).raiseConnected();
        EXPECT_EQ(client(i).sent, "name" + std::to_string(i + 1) + ".com\r\n");
    }
    EXPECT_EQ(form->cursor, 26);
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "26");
    EXPECT_EQ(setting("Kestrelon", "CustWordNum"), "26");
    EXPECT_FALSE(form->searchType.enabled());
    EXPECT_FALSE(form->startButton.enabled());
    EXPECT_TRUE(form->stopButton.enabled());
    EXPECT_EQ(form->statusBar.panelText(1), "26 of 30");
    EXPECT_EQ(form->statusBar.panelText(3), "connecting(24): - Search String: name25.com");
}

TEST_F(Form1Run, ShortListEndsAsSoonAsItsLookupsHaveFinished) {
    load();
    chooseCustomList({"a", "b", "c"});
    form->Start();
    EXPECT_TRUE(form->endOfList);
    EXPECT_EQ(client(3).connectCount, 0);

    answer(0, "No match for A.COM");
    answer(1, "Domain Name: B.COM");
    EXPECT_EQ(stops, 0);
    answer(2, "");
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(form->stopRequested);
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "4");
    EXPECT_EQ(form->statusBar.panelText(1), "Entry Status");
    EXPECT_EQ(form->statusBar.panelText(2), "Open Connections");
    EXPECT_EQ(form->statusBar.panelText(3), "Connection Status");
    EXPECT_TRUE(form->startButton.enabled());
    EXPECT_TRUE(form->searchType.enabled());
    EXPECT_EQ(listed.size(), 3u);
}

TEST_F(Form1Run, SilentServersEndTheBatchAfterThirtySeconds) {
    load();
    chooseCustomList({"a", "b", "c"});
    form->Start();
    services.clockFake.advance(29'000);
    EXPECT_EQ(stops, 0);
    services.clockFake.advance(1'000);
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(listed.empty());
    for (auto* connection : services.clients) EXPECT_FALSE(connection->open);
}

TEST_F(Form1Run, NamesUnansweredAtTheBatchLimitOrAtStopAreReportedUnjudgedOnce) {
    load();
    chooseCustomList(names(27));
    form->Start();
    answer(0, "No match");
    client(1).raiseConnected();
    client(1).raiseData("partial");
    services.clockFake.advance(30'000);
    // The first batch ends with 24 names in flight; the next one starts.
    std::vector<std::string> expected;
    for (int i = 2; i <= MainWindow::kPoolSize; ++i) expected.push_back("name" + std::to_string(i) + ".com");
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

TEST_F(Form1Run, EveryNameOfALongListIsJudgedOnceInBatchesOfTwentyFive) {
    load();
    chooseCustomList(names(100));
    form->Start();
    std::vector<std::int32_t> batchStarts;
    for (int batch = 0; batch < 4; ++batch) {
        batchStarts.push_back(form->cursor - MainWindow::kPoolSize);
        // Answer in reverse order: the last to answer drains the batch.
        for (int i = MainWindow::kPoolSize - 1; i >= 0; --i) answer(i, "not found");
    }
    EXPECT_EQ(batchStarts, (std::vector<std::int32_t>{1, 26, 51, 76}));
    ASSERT_EQ(listed.size(), 100u);
    std::set<std::string> unique;
    for (const auto& [name, verdict] : listed) unique.insert(name);
    EXPECT_EQ(unique.size(), 100u);
    // The next batch found the end of the list and drained at once.
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(setting("Kestrelon", "wordNumber"), "101");
}

TEST_F(Form1Run, StopClosesEverythingAndLateRepliesCountForNothing) {
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

TEST_F(Form1Run, SearchListsAlwaysStartAtTheirFirstName) {
    folder.write("BrowserSearch.txt", "first.com\r\nsecond.com\r\n");
    load();
    choose("Google Search");
    form->startNumber.setText("2");
    form->Start();
    client(0).raiseConnected();
    EXPECT_EQ(client(0).sent, "first.com\r\n");
    EXPECT_EQ(setting("Kestrelon", "GoogleWordNum"), "3");
}

TEST_F(Form1Run, StartNumbersThatAreNoNumbersCountAsOne) {
    load();
    chooseCustomList({"a", "b"});
    form->startNumber.setText("abc");
    form->listSize.setText("");
    form->Start();
    EXPECT_EQ(form->lastPosition, 1);
    client(0).raiseConnected();
    EXPECT_EQ(client(0).sent, "a.com\r\n");
    EXPECT_EQ(form->statusBar.panelText(2), "Open: Closing connections...");
}

TEST_F(Form1Run, CursorPastTheMaximumStillRunsToTheEndOfTheList) {
    load();
    chooseCustomList(names(5));
    form->listSize.setText("2");
    form->Start();
    EXPECT_EQ(form->batchLookups, 5);
    EXPECT_EQ(form->statusBar.panelText(1), "2 of 2");
}

}  // namespace
}  // namespace quillmark
