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

using quillmark::testing::TempFolder;

// Three free lists of the given sizes, asked whether one is full.
bool reachedWith(int lowCount, int midCount, int highCount) {
    const auto fill = [](ListBox& list, int count) {
        list.setItems(std::vector<std::string>(static_cast<std::size_t>(count), "n.com"));
    };
    ListBox low;
    ListBox mid;
    ListBox high;
    fill(low, lowCount);
    fill(mid, midCount);
    fill(high, highCount);
    return ReachedOverflowLimit(low, mid, high);
}

class OverflowTest : public ::testing::Test {
protected:
    OverflowTest() {
        std::filesystem::create_directory(folder / "overflow");
        std::filesystem::create_directory(folder / "backups");
    }

    TempFolder folder;
    ProgramFolder program{folder.path()};
    ListBox low;
    ListBox mid;
    ListBox high;
};

TEST(OverflowLimit, AnyFreeListAtTwentyThousand) {
    struct Case {
        int low, mid, high;
        bool reached;
    };
    const Case cases[] = {
        {0, 0, 0, false},    {19999, 19999, 19999, false}, {20000, 0, 0, true},
        {0, 20000, 0, true}, {0, 0, 20000, true},          {19999, 0, 20001, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << " " << c.mid << " " << c.high);
        EXPECT_EQ(reachedWith(c.low, c.mid, c.high), c.reached);
    }
}

TEST_F(OverflowTest, FirstOverflowWritesUnstampedFiles) {
    low.setItems({"abcdefgh.com", "longername.net"});
    mid.setItems({"abcde.net"});

    OverflowLists(program, "", low, mid, high);

    EXPECT_EQ(folder.read("overflow/LowProfile.txt"), "abcdefgh.com\r\nlongername.net\r\n");
    EXPECT_EQ(folder.read("overflow/HighProfile.txt"), "abcde.net\r\n");
    EXPECT_EQ(folder.read("overflow/SuperHighProfile.txt"), "");
    EXPECT_FALSE(FileExists(folder / "LowProfile.txt"));
}

TEST_F(OverflowTest, StampedOverflowReplacesAFileOfTheSameName) {
    folder.write("overflow/SuperHighProfile20261205114503.txt", "old.com\r\nolder.com\r\n");
    folder.write("overflow/LowProfile.txt", "earlier.com\r\n");
    high.setItems({"abc.com", "xy.org"});

    OverflowLists(program, "20261205114503", low, mid, high);

    EXPECT_EQ(folder.read("overflow/SuperHighProfile20261205114503.txt"), "abc.com\r\nxy.org\r\n");
    EXPECT_EQ(folder.read("overflow/HighProfile20261205114503.txt"), "");
    EXPECT_EQ(folder.read("overflow/LowProfile20261205114503.txt"), "");
    EXPECT_EQ(folder.read("overflow/LowProfile.txt"), "earlier.com\r\n");
}

TEST_F(OverflowTest, MissingOverflowFolderIsQuiet) {
    std::filesystem::remove(folder / "overflow");
    low.setItems({"abcdefgh.com"});

    OverflowLists(program, "", low, mid, high);

    EXPECT_FALSE(std::filesystem::exists(folder / "overflow"));
}

TEST(OverflowSessionStamp, YearMonthDayHourMinuteSecondZeroPadded) {
    EXPECT_EQ(SessionStampFor(LocalTime{2026, 12, 5, 11, 45, 3}), "20261205114503");
    EXPECT_EQ(SessionStampFor(LocalTime{2026, 1, 2, 3, 4, 5}), "20260102030405");
    EXPECT_EQ(SessionStampFor(LocalTime{2026, 12, 31, 23, 59, 59}), "20261231235959");
    EXPECT_EQ(SessionStampFor(LocalTime{2027, 1, 1, 0, 0, 0}), "20270101000000");
}

TEST_F(OverflowTest, NewStampMakesItsBackupFiles) {
    const auto stamp = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 3});

    EXPECT_EQ(stamp, "20261205090503");
    EXPECT_EQ(folder.read("backups/HighProfile20261205090503.txt"), " \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile20261205090503.txt"), " \r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "backups"),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(OverflowTest, StampsOneSecondApartMakeSeparateBackups) {
    const auto first = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 3});
    const auto second = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4});
    const auto again = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4});

    EXPECT_NE(first, second);
    EXPECT_EQ(again, second);
    EXPECT_EQ(folder.read("backups/HighProfile" + first + ".txt"), " \r\n \r\n");
    // The same stamp again appends to the files it finds.
    EXPECT_EQ(folder.read("backups/HighProfile" + second + ".txt"), " \r\n \r\n \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile" + second + ".txt"), " \r\n \r\n");
}

TEST_F(OverflowTest, MissingBackupsFolderStillGivesTheStamp) {
    std::filesystem::remove(folder / "backups");

    EXPECT_EQ(NewSessionStamp(program, LocalTime{2026, 6, 7, 8, 9, 10}), "20260607080910");
    EXPECT_FALSE(std::filesystem::exists(folder / "backups"));
}

}  // namespace
}  // namespace quillmark::results
