#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/ListBox.h"
#include "results/Overflow.h"
#include "support/TempFolder.h"

namespace quillmark::results {
namespace {

namespace fs = std::filesystem;
using quillmark::testing::TempFolder;

class OverflowTest : public ::testing::Test {
protected:
    OverflowTest() {
        fs::create_directory(folder / "overflow");
        fs::create_directory(folder / "backups");
    }

    TempFolder folder;
    ProgramFolder program{folder.path()};
    ListBox low, mid, high;
};

TEST(OverflowLimit, AnyFreeListAtTwentyThousand) {
    const int cases[][4] = {{0, 0, 0, 0},     {19999, 19999, 19999, 0}, {20000, 0, 0, 1},
                            {0, 20000, 0, 1}, {0, 0, 20000, 1},         {19999, 0, 20001, 1}};
    for (const auto& c : cases) {
        ListBox lists[3];
        for (int i = 0; i < 3; ++i)
            lists[i].setItems(std::vector<std::string>(static_cast<std::size_t>(c[i]), "n.com"));
        EXPECT_EQ(ReachedOverflowLimit(lists[0], lists[1], lists[2]), c[3] == 1)
            << c[0] << " " << c[1] << " " << c[2];
    }
}

TEST_F(OverflowTest, UnstampedAndStampedOverflowFiles) {
    folder.write("overflow/SuperHighProfile20261205114503.txt", "old.com\r\nolder.com\r\n");
    low.setItems({"abcdefgh.com", "longername.net"});
    mid.setItems({"abcde.net"});
    OverflowLists(program, "", low, mid, high);
    EXPECT_EQ(folder.read("overflow/LowProfile.txt"), "abcdefgh.com\r\nlongername.net\r\n");
    EXPECT_EQ(folder.read("overflow/HighProfile.txt"), "abcde.net\r\n");
    EXPECT_EQ(folder.read("overflow/SuperHighProfile.txt"), "");
    EXPECT_FALSE(FileExists(folder / "LowProfile.txt"));

    low.setItems({});
    mid.setItems({});
    high.setItems({"abc.com", "xy.org"});
    OverflowLists(program, "20261205114503", low, mid, high);
    EXPECT_EQ(folder.read("overflow/SuperHighProfile20261205114503.txt") +
                  folder.read("overflow/HighProfile20261205114503.txt") +
                  folder.read("overflow/LowProfile20261205114503.txt"),
              "abc.com\r\nxy.org\r\n");
    EXPECT_EQ(folder.read("overflow/LowProfile.txt"), "abcdefgh.com\r\nlongername.net\r\n");
}

TEST_F(OverflowTest, EachNewStampAppendsToItsBackupFiles) {
    const auto first = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 3});
    EXPECT_EQ(first, "20261205090503");
    EXPECT_EQ(folder.read("backups/HighProfile20261205090503.txt"), " \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile20261205090503.txt"), " \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "backups"), fs::directory_iterator()), 2);

    const auto second = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4});
    EXPECT_EQ(NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4}), second);
    EXPECT_NE(first, second);
    EXPECT_EQ(folder.read("backups/HighProfile" + first + ".txt"), " \r\n \r\n");
    EXPECT_EQ(folder.read("backups/HighProfile" + second + ".txt"), " \r\n \r\n \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile" + second + ".txt"), " \r\n \r\n");
}

TEST_F(OverflowTest, MissingFoldersAreQuietAndNotCreated) {
    fs::remove(folder / "overflow");
    fs::remove(folder / "backups");
    low.setItems({"abcdefgh.com"});
    OverflowLists(program, "", low, mid, high);
    EXPECT_EQ(NewSessionStamp(program, LocalTime{2026, 6, 7, 8, 9, 10}), "20260607080910");
    EXPECT_FALSE(fs::exists(folder / "overflow"));
    EXPECT_FALSE(fs::exists(folder / "backups"));
}

}  // namespace
}  // namespace quillmark::results
