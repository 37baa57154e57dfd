#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Text.h"
#include "results/Overflow.h"
#include "results/ProfileFiles.h"
#include "support/MainWindowFixture.h"
#include "whois/ServerTable.h"

namespace quillmark {
namespace {

class FileStress : public testing::MainWindowFixture {
protected:
    // Answers every open connection: names beginning with "free" are free.
    void answerAll() {
        for (int i = 0; i < MainWindow::kPoolSize; ++i) {
            FakeTcpClientRef slot = client(i);
            if (!slot.open) continue;
            slot.raiseConnected();
            const std::string query = slot.sent;
            slot.raiseData(query.rfind("free", 0) == 0 ? "No match for " + query : "Domain Name: " + query);
            slot.raiseClosed();
        }
    }
    using FakeTcpClientRef = testing::FakeTcpClient&;
};

TEST_F(FileStress, ServerTablesWithAnyLineEndsLoadTheSameRows) {
    const std::string rows[] = {"com|whois.a.test|43|Enabled", "net|whois.b.test|4343|Disabled",
                                "org|whois.c.test|44|Enabled"};
    whois::ServerTable expected;
    folder.write("registrars.txt", rows[0] + "\r\n" + rows[1] + "\r\n" + rows[2] + "\r\n");
    whois::LoadServers(state.programFolder, expected);
    ASSERT_EQ(expected.size(), 3u);
    for (const std::string& text :
         {rows[0] + "\r" + rows[1] + "\r" + rows[2] + "\r", rows[0] + "\n" + rows[1] + "\n" + rows[2],
          rows[0] + "\r\n\r\n" + rows[1] + "\n" + rows[2] + "\r"}) {
        folder.write("registrars.txt", text);
        whois::ServerTable table;
        whois::LoadServers(state.programFolder, table);
        ASSERT_EQ(table.size(), expected.size()) << text;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].extension, expected[i].extension);
            EXPECT_EQ(table[i].host, expected[i].host);
            EXPECT_EQ(table[i].port, expected[i].port);
            EXPECT_EQ(table[i].enabled, expected[i].enabled);
        }
    }
}

TEST_F(FileStress, NamesInAnyBytesGetOneOutcomeEachAndLandInTheProfileFiles) {
    load();
    // Multi-byte letters, a lone continuation byte, an overlong form, a cut sequence.
    chooseCustomList({"freecafé", "free\xe6\x97\xa5\xe6\x9c\xac", "free\x80x", "free\xc0\xaf",
                      "taken\xe2\x82", "freeplain"});
    form->Start();
    answerAll();
    ASSERT_TRUE(form->stopRequested);
    ASSERT_EQ(listed.size(), 6u);
    const std::string stamp = state.sessionStamp;
    std::vector<std::string> saved;
    for (const auto profile : {results::Verdict::Low, results::Verdict::Mid, results::Verdict::High}) {
        for (auto& line : ReadNameList(folder / results::ProfileFileName(profile, stamp)))
            saved.push_back(line);
    }
    std::vector<std::string> free;
    for (const auto& [name, verdict] : listed) {
        if (verdict != MainWindowHooks::Verdict::Taken) free.push_back(name);
    }
    std::sort(saved.begin(), saved.end());
    std::sort(free.begin(), free.end());
    EXPECT_EQ(saved, free);
    EXPECT_EQ(free.size(), 5u);
}

TEST_F(FileStress, AListDeletedDuringARunEndsTheRun) {
    load();
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) names.push_back("name" + std::to_string(i));
    chooseCustomList(names);
    form->Start();
    std::filesystem::remove(folder / "list.txt");
    answerAll();  // the first batch ends; the next finds no list
    EXPECT_TRUE(form->stopRequested);
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    EXPECT_EQ(stops, 1);
}

TEST_F(FileStress, FilesThatCannotBeWrittenLoseNothingAndStopNothing) {
    folder.write("Remembered.txt", "kept.com\r\n");
    load();
    chooseCustomList({"freelongername", "freeshort"});
    form->Start();
    // A folder where a file should be: no write can replace it, not even root's.
    const auto blocked = folder / results::ProfileFileName(results::Verdict::Low, state.sessionStamp);
    std::filesystem::create_directories(blocked);
    answerAll();
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
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
