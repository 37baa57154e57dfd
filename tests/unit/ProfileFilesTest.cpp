#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/ListBox.h"
#include "results/ProfileFiles.h"
#include "support/TempFolder.h"

namespace quillmark::results {
namespace {

namespace fs = std::filesystem;
using quillmark::testing::TempFolder;

// An append keeps the file's identity; a replacement through a temporary file does not.
ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    void save(std::string_view stamp = "") {
        files.SaveProfileFiles(ProgramFolder(folder.path()), stamp, low, mid, high);
    }

    TempFolder folder;
    ListBox low, mid, high;
    ProfileFiles files;
};

TEST_F(ProfileFilesTest, EachFileHoldsItsListAfterEverySaveByAppending) {
    save();
    EXPECT_EQ(
        folder.read("LowProfile.txt") + folder.read("HighProfile.txt") + folder.read("SuperHighProfile.txt"),
        "");

    high.addItem("abcd.com");
    low.addItem("one.com");
    save();
    const auto before = inodeOf(folder / "LowProfile.txt");
    ASSERT_NE(before, 0u);

    mid.addItem("abcde.net");
    save();
    low.addItem("two.com");
    low.addItem("three.com");
    high.addItem("xyz.org");
    save();
    save();
    EXPECT_EQ(inodeOf(folder / "LowProfile.txt"), before);
    EXPECT_EQ(folder.read("LowProfile.txt"), "one.com\r\ntwo.com\r\nthree.com\r\n");
    EXPECT_EQ(folder.read("HighProfile.txt"), "abcde.net\r\n");
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "abcd.com\r\nxyz.org\r\n");
}

TEST_F(ProfileFilesTest, OtherChangesToAListRewriteItsFileWhole) {
    const std::pair<void (*)(ListBox&), std::string> cases[] = {
        {[](ListBox& l) { l.removeItem(1); }, "a.com\r\nc.com\r\n"},
        {[](ListBox& l) { l.removeItem(2); }, "a.com\r\nb.com\r\n"},
        {[](ListBox& l) { l.insertItem(0, "z.com"); }, "z.com\r\na.com\r\nb.com\r\nc.com\r\n"},
        {[](ListBox& l) { l.clear(); }, ""},
        {[](ListBox& l) { l.clear(), l.addItem("n.com"); }, "n.com\r\n"},
        {[](ListBox& l) {
             l.setItems({"p.com", "q.com", "r.com", "s.com"});
         },
         "p.com\r\nq.com\r\nr.com\r\ns.com\r\n"},
    };
    for (const auto& [change, bytes] : cases) {
        SCOPED_TRACE(bytes);
        mid.setItems({"a.com", "b.com", "c.com"});
        save();
        ASSERT_EQ(folder.read("HighProfile.txt"), "a.com\r\nb.com\r\nc.com\r\n");
        change(mid);
        save();
        EXPECT_EQ(folder.read("HighProfile.txt"), bytes);
        mid.addItem("next.com");
        save();
        EXPECT_EQ(folder.read("HighProfile.txt"), bytes + "next.com\r\n");
    }
}

TEST_F(ProfileFilesTest, NewStampStartsNewFilesAndLeavesTheOldOnes) {
    high.addItem("abc.com");
    low.addItem("abcdefghij.com");
    save();
    high.addItem("new.com");
    save("20261205114503");

    EXPECT_EQ(folder.read("SuperHighProfile20261205114503.txt"), "abc.com\r\nnew.com\r\n");
    EXPECT_EQ(folder.read("LowProfile20261205114503.txt"), "abcdefghij.com\r\n");
    EXPECT_EQ(folder.read("HighProfile20261205114503.txt"), "");
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "abc.com\r\n");
    EXPECT_EQ(folder.read("LowProfile.txt"), "abcdefghij.com\r\n");
}

TEST_F(ProfileFilesTest, FileDeletedOrEditedBehindItsBackIsWrittenWhole) {
    const auto path = folder / "SuperHighProfile.txt";
    high.addItem("ab.com");
    save();
    fs::remove(path);
    high.addItem("cd.com");
    save();
    fs::remove(path);
    save();  // no new name, but the file must still hold the list
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "ab.com\r\ncd.com\r\n");

    ASSERT_TRUE(AppendToFile(path, "stray\r\n"));
    high.addItem("ef.com");
    save();
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "ab.com\r\ncd.com\r\nef.com\r\n");

    // An edit that keeps the size, dated a moment later since file times are coarse.
    const auto written = fs::last_write_time(path);
    folder.write("SuperHighProfile.txt", "xx.com\r\ncd.com\r\nef.com\r\n");
    fs::last_write_time(path, written + std::chrono::seconds(1));
    high.addItem("gh.com");
    save();
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "ab.com\r\ncd.com\r\nef.com\r\ngh.com\r\n");
}

TEST_F(ProfileFilesTest, AnotherListForTheSameFileIsWrittenWhole) {
    ListBox other;
    other.addItem("other.com");
    mid.addItem("mine.com");
    save();
    other.addItem("more.com");
    files.SaveProfileFiles(ProgramFolder(folder.path()), "", low, other, high);
    EXPECT_EQ(folder.read("HighProfile.txt"), "other.com\r\nmore.com\r\n");
}

TEST_F(ProfileFilesTest, UnwritableFolderIsQuietAndCaughtUpLater) {
    const auto missing = folder / "gone";
    low.addItem("a.com");
    files.SaveProfileFiles(ProgramFolder(missing), "", low, mid, high);
    EXPECT_FALSE(fs::exists(missing));

    fs::create_directory(missing);
    low.addItem("b.com");
    files.SaveProfileFiles(ProgramFolder(missing), "", low, mid, high);
    EXPECT_EQ(ReadWholeFile(missing / "LowProfile.txt").value_or("<missing>"), "a.com\r\nb.com\r\n");
    EXPECT_EQ(ReadWholeFile(missing / "HighProfile.txt").value_or("<missing>"), "");
}

}  // namespace
}  // namespace quillmark::results
