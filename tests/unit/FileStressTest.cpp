#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "results/ProfileFiles.h"
#include "support/MainWindowFixture.h"
#include "support/ServerRows.h"
#include "whois/ServerTable.h"

namespace quillmark {
namespace {

class FileStress : public testing::MainWindowFixture {
protected:
    // Starts a run over the names and answers every connection: names
    // beginning with "free" are free.
    void runAndAnswer(const std::vector<std::string>& names) {
        load();
        chooseCustomList(names);
        form->Start();
        if (beforeAnswers) beforeAnswers();
        for (int i = 0; i < MainWindow::kPoolSize; ++i) {
            testing::FakeTcpClient& slot = client(i);
            if (!slot.open) continue;
            slot.raiseConnected();  // the query goes out once connected
            slot.raiseData((slot.sent.rfind("free", 0) == 0 ? "No match for " : "Domain Name: ") + slot.sent);
            slot.raiseClosed();
        }
    }
    std::function<void()> beforeAnswers;
};

TEST_F(FileStress, ServerTablesWithAnyLineEndsLoadTheSameRows) {
    const std::vector<std::string> rows{"com|whois.a.test|43|E", "net|whois.b.test|4343|D",
                                        "org|whois.c.test|44|E"};
    const std::string a = "com|whois.a.test|43|Enabled", b = "net|whois.b.test|4343|Disabled",
                      c = "org|whois.c.test|44|Enabled";
    for (const std::string& text : {a + "\r\n" + b + "\r\n" + c + "\r\n", a + "\r" + b + "\r" + c + "\r",
                                    a + "\n" + b + "\n" + c, a + "\r\n\r\n" + b + "\n" + c + "\r"}) {
        folder.write("registrars.txt", text);
        whois::ServerTable table;
        whois::LoadServers(state.programFolder, table);
        EXPECT_EQ(testing::rowsOf(table), rows) << text;
    }
}

TEST_F(FileStress, NamesInAnyBytesGetOneOutcomeEachAndLandInTheProfileFiles) {
    // Multi-byte letters, a lone continuation byte, an overlong form, a cut sequence.
    runAndAnswer({"freecafé", "free\xe6\x97\xa5\xe6\x9c\xac", "free\x80x", "free\xc0\xaf", "taken\xe2\x82",
                  "freeplain"});
    ASSERT_TRUE(form->stopRequested);
    ASSERT_EQ(listed.size(), 6u);
    std::vector<std::string> saved, free;
    for (const auto profile : {results::Verdict::Low, results::Verdict::Mid, results::Verdict::High})
        for (auto& line : ReadNameList(folder / results::ProfileFileName(profile, state.sessionStamp)))
            saved.push_back(line);
    for (const auto& [name, verdict] : listed)
        if (verdict != MainWindowHooks::Verdict::Taken) free.push_back(name);
    std::sort(saved.begin(), saved.end());
    std::sort(free.begin(), free.end());
    EXPECT_EQ(saved, free);
    EXPECT_EQ(free.size(), 5u);
}

TEST_F(FileStress, AListDeletedDuringARunEndsTheRun) {
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) names.push_back("name" + std::to_string(i));
    beforeAnswers = [this] { std::filesystem::remove(folder / "list.txt"); };
    runAndAnswer(names);  // the first batch ends; the next finds no list
    EXPECT_TRUE(form->stopRequested);
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    EXPECT_EQ(stops, 1);
}

TEST_F(FileStress, FilesThatCannotBeWrittenLoseNothingAndStopNothing) {
    folder.write("Remembered.txt", "kept.com\r\n");
    // A folder where a file should be: no write can replace it, not even root's.
    beforeAnswers = [this] {
        std::filesystem::create_directories(
            folder / results::ProfileFileName(results::Verdict::Low, state.sessionStamp));
    };
    runAndAnswer({"freelongername", "freeshort"});
    EXPECT_EQ(listed.size(), 2u);
    EXPECT_EQ(form->lowList.items(), (std::vector<std::string>{"freelongername.com", "freeshort.com"}));

    // The rewrite's temporary file cannot be made: the saved list stays whole.
    std::filesystem::create_directories(folder / "Remembered.txt.saving");
    form->ListClicked(ResultList::Low);
    form->lowList.setListIndex(0);
    form->DropOnSaved("0");
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(folder.read("Remembered.txt"), "kept.com\r\n");
}

}  // namespace
}  // namespace quillmark
