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

using quillmark::testing::TempFolder;

// Identity of the file behind a path: an append keeps it, a replacement
// through a temporary file gives a new one.
ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    void save(std::string_view stamp = "") {
        files.SaveProfileFiles(ProgramFolder(folder.path()), stamp, low, mid, high);
    }

    TempFolder folder;
    ListBox low;
    ListBox mid;
    ListBox high;
    ProfileFiles files;
};

TEST(ProfileFileName, EachListIsSavedOneStepAboveItsName) {
    EXPECT_EQ(ProfileFileName(Profile::Low, ""), "LowProfile.txt");
    EXPECT_EQ(ProfileFileName(Profile::Mid, ""), "HighProfile.txt");
    EXPECT_EQ(ProfileFileName(Profile::High, ""), "SuperHighProfile.txt");
    EXPECT_EQ(ProfileFileName(Profile::Mid, "20261205114503"), "HighProfile20261205114503.txt");
}

TEST_F(ProfileFilesTest, EmptyListsGiveEmptyFiles) {
    save();

    EXPECT_EQ(folder.read("LowProfile.txt"), "");
    EXPECT_EQ(folder.read("HighProfile.txt"), "");
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "");
}

TEST_F(ProfileFilesTest, EachFileHoldsItsListAfterEveryAdd) {
    high.addItem("abcd.com");
    save();
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "abcd.com\r\n");
    EXPECT_EQ(folder.read("HighProfile.txt"), "");
    EXPECT_EQ(folder.read("LowProfile.txt"), "");

    mid.addItem("abcde.net");
    save();
    low.addItem("abcdefgh.com");
    save();
    high.addItem("xyz.org");
    save();
    mid.addItem("example.co.uk");
    save();

    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "abcd.com\r\nxyz.org\r\n");
    EXPECT_EQ(folder.read("HighProfile.txt"), "abcde.net\r\nexample.co.uk\r\n");
    EXPECT_EQ(folder.read("LowProfile.txt"), "abcdefgh.com\r\n");
}

TEST_F(ProfileFilesTest, SeveralAddsBetweenSavesAreAllWritten) {
    low.addItem("one.com");
    save();
    low.addItem("two.com");
    low.addItem("three.com");
    save();
    save();  // nothing new: the file stays as it is

    EXPECT_EQ(folder.read("LowProfile.txt"), "one.com\r\ntwo.com\r\nthree.com\r\n");
}

TEST_F(ProfileFilesTest, AddsAreAppendedToTheSameFile) {
    low.addItem("one.com");
    save();
    const auto before = inodeOf(folder / "LowProfile.txt");
    ASSERT_NE(before, 0u);

    low.addItem("two.com");
    save();

    EXPECT_EQ(inodeOf(folder / "LowProfile.txt"), before);
    EXPECT_EQ(folder.read("LowProfile.txt"), "one.com\r\ntwo.com\r\n");
}

TEST_F(ProfileFilesTest, OtherChangesToAListRewriteItsFileWhole) {
    struct Case {
        const char* what;
        void (*change)(ListBox&);
        std::string bytes;
    };
    const Case cases[] = {
        {"removal in the middle", [](ListBox& l) { l.removeItem(1); }, "a.com\r\nc.com\r\n"},
        {"removal of the last", [](ListBox& l) { l.removeItem(2); }, "a.com\r\nb.com\r\n"},
        {"insert in front", [](ListBox& l) { l.insertItem(0, "z.com"); },
         "z.com\r\na.com\r\nb.com\r\nc.com\r\n"},
        {"clear", [](ListBox& l) { l.clear(); }, ""},
        {"clear then add",
         [](ListBox& l) {
             l.clear();
             l.addItem("n.com");
         },
         "n.com\r\n"},
        {"replaced items",
         [](ListBox& l) {
             l.setItems({"p.com", "q.com", "r.com", "s.com"});
         },
         "p.com\r\nq.com\r\nr.com\r\ns.com\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mid.setItems({"a.com", "b.com", "c.com"});
        save();
        ASSERT_EQ(folder.read("HighProfile.txt"), "a.com\r\nb.com\r\nc.com\r\n");

        c.change(mid);
        save();

        EXPECT_EQ(folder.read("HighProfile.txt"), c.bytes);
        mid.addItem("next.com");
        save();
        EXPECT_EQ(folder.read("HighProfile.txt"), c.bytes + "next.com\r\n");
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

TEST_F(ProfileFilesTest, FileDeletedBehindItsBackIsWrittenWhole) {
    low.addItem("first.com");
    save();
    std::filesystem::remove(folder / "LowProfile.txt");

    low.addItem("second.com");
    save();
    EXPECT_EQ(folder.read("LowProfile.txt"), "first.com\r\nsecond.com\r\n");

    std::filesystem::remove(folder / "LowProfile.txt");
    save();  // no new name, but the file must still hold the list
    EXPECT_EQ(folder.read("LowProfile.txt"), "first.com\r\nsecond.com\r\n");
}

TEST_F(ProfileFilesTest, FileEditedBehindItsBackIsWrittenWhole) {
    high.addItem("ab.com");
    save();
    ASSERT_TRUE(AppendToFile(folder / "SuperHighProfile.txt", "stray\r\n"));

    high.addItem("cd.com");
    save();
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "ab.com\r\ncd.com\r\n");

    // An edit that keeps the size; file times are coarse, so date it as an
    // edit made a moment later would be.
    const auto path = folder / "SuperHighProfile.txt";
    const auto written = std::filesystem::last_write_time(path);
    folder.write("SuperHighProfile.txt", "xx.com\r\ncd.com\r\n");
    std::filesystem::last_write_time(path, written + std::chrono::seconds(1));

    high.addItem("ef.com");
    save();
    EXPECT_EQ(folder.read("SuperHighProfile.txt"), "ab.com\r\ncd.com\r\nef.com\r\n");
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
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::filesystem::create_directory(missing);
    low.addItem("b.com");
    files.SaveProfileFiles(ProgramFolder(missing), "", low, mid, high);

    EXPECT_EQ(ReadWholeFile(missing / "LowProfile.txt").value_or("<missing>"), "a.com\r\nb.com\r\n");
    EXPECT_EQ(ReadWholeFile(missing / "HighProfile.txt").value_or("<missing>"), "");
}

}  // namespace
}  // namespace quillmark::results
