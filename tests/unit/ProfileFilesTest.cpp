#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "platform/ListBox.h"
#include "platform/Text.h"
#include "results/Overflow.h"
#include "results/ProfileFiles.h"
#include "support/TempFolder.h"

namespace quillmark::results {
namespace {

namespace fs = std::filesystem;

class ProfileFilesTest : public ::testing::Test {
protected:
    std::string name(char list, std::string_view stamp = "") {
        const Verdict verdicts[] = {Verdict::Low, Verdict::Mid, Verdict::High};
        return ProfileFileName(verdicts[std::string_view("LMH").find(list)], stamp);
    }
    // Applies the steps, then saves. "L+x" adds x to Low (M: Mid, H: High), "M=x,y" sets the names,
    // "M>x,y" saves another list of these names in Mid's place. "H~" deletes High's file, "H&"
    // appends a stray line, "H*" changes its first letter, dated a moment later as file times are coarse.
    void save(std::string_view steps, std::string_view stamp = "") {
        const ListBox* savedMid = &mid;
        for (const auto token : text::split(steps, ' ')) {
            if (token.size() < 2) continue;
            ListBox& list = token[0] == 'L' ? low : token[0] == 'M' ? mid : high;
            const auto path = folder / name(token[0]);
            std::vector<std::string> names;
            for (const auto piece : text::split(token.substr(2), ',')) names.emplace_back(piece);
            const char op = token[1];
            if (op == '+') list.addItem(names.at(0));
            if (op == '=') list.setItems(names);
            if (op == '>') other.setItems(names), savedMid = &other;
            if (op == '~') fs::remove(path);
            if (op == '&') AppendToFile(path, "stray\r\n");
            if (op == '*') {
                const auto written = fs::last_write_time(path);
                folder.write(name(token[0]), "x" + folder.read(name(token[0])).substr(1));
                fs::last_write_time(path, written + std::chrono::seconds(1));
            }
        }
        files.SaveProfileFiles(ProgramFolder(folder.path()), stamp, low, *savedMid, high);
    }
    // The three files as "Low|Mid|High", each line end shown as ";".
    std::string read(std::string_view stamp = "") {
        std::string all;
        for (const char list : {'L', 'M', 'H'}) {
            for (const char c : ReadWholeFile(folder / name(list, stamp)).value_or("<none>"))
                if (c != '\r') all += c == '\n' ? ';' : c;
            if (list != 'H') all += '|';
        }
        return all;
    }

    testing::TempFolder folder;
    ListBox low, mid, high, other;
    ProfileFiles files;
};

TEST_F(ProfileFilesTest, EachSaveLeavesEveryFileHoldingItsList) {
    // steps before a save; the files afterwards
    const std::pair<const char*, const char*> rows[] = {
        {"", "||"},
        {"H+abcd.com L+one.com", "one.com;||abcd.com;"},
        {"M+abcde.net L+two.com", "one.com;two.com;|abcde.net;|abcd.com;"},
        // changed behind its back: deleted, grown, edited
        {"H~", "one.com;two.com;|abcde.net;|abcd.com;"},
        {"H~ H+cd.com", "one.com;two.com;|abcde.net;|abcd.com;cd.com;"},
        {"L& L+six.com", "one.com;two.com;six.com;|abcde.net;|abcd.com;cd.com;"},
        {"M* M+b.net", "one.com;two.com;six.com;|abcde.net;b.net;|abcd.com;cd.com;"},
        // any change to a list but appending rewrites its file
        {"M=a,c", "one.com;two.com;six.com;|a;c;|abcd.com;cd.com;"},
        {"M+e L=n", "n;|a;c;e;|abcd.com;cd.com;"},
        {"M>x,y", "n;|x;y;|abcd.com;cd.com;"}};
    for (const auto& [steps, expected] : rows) {
        save(steps);
        EXPECT_EQ(read(), expected) << steps;
    }
    // Appending keeps the file: another name of it sees the new line.
    fs::create_hard_link(folder / name('L'), folder / "link");
    save("L+m");
    EXPECT_EQ(folder.read("link"), "n\r\nm\r\n");
    // A new stamp starts new files with the whole lists and leaves the old ones.
    save("H+new.com", "20261205114503");
    EXPECT_EQ(read("20261205114503") + " " + read(),
              "n;m;|a;c;e;|abcd.com;cd.com;new.com; n;m;|a;c;e;|abcd.com;cd.com;");
}

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

// Files wait for their folders, then catch up; backups carry the stamp of the new session.
TEST_F(ProfileFilesTest, FilesNeedTheirFoldersAndBackupsCarryTheStamp) {
    const ProgramFolder program(folder.path()), gone(folder / "gone");
    low.addItem("a.com");
    high.addItem("abc.com");
    files.SaveProfileFiles(gone, "", low, mid, high);
    OverflowLists(program, "", low, mid, high);
    EXPECT_EQ(NewSessionStamp(program, LocalTime{2026, 6, 7, 8, 9, 10}), "20260607080910");
    EXPECT_FALSE(fs::exists(folder / "gone") || fs::exists(folder / "overflow") ||
                 fs::exists(folder / "backups"));
    fs::create_directory(folder / "gone");
    low.addItem("b.com");
    files.SaveProfileFiles(gone, "", low, mid, high);
    EXPECT_EQ(folder.read("gone/LowProfile.txt") + folder.read("gone/HighProfile.txt"), "a.com\r\nb.com\r\n");

    fs::create_directory(folder / "backups");
    const auto first = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 3});
    const auto second = NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4});
    EXPECT_EQ(NewSessionStamp(program, LocalTime{2026, 12, 5, 9, 5, 4}), second);
    EXPECT_EQ(first + " " + second, "20261205090503 20261205090504");
    EXPECT_EQ(folder.read("backups/HighProfile" + first + ".txt"), " \r\n \r\n");
    EXPECT_EQ(folder.read("backups/MidProfile" + first + ".txt"), " \r\n");
    EXPECT_EQ(folder.read("backups/HighProfile" + second + ".txt"), " \r\n \r\n \r\n \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "backups"), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace quillmark::results
