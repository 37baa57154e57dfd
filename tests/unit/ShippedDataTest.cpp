#include <gtest/gtest.h>

#include "engine/ShippedData.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

TEST(ShippedData, CopiesWhatIsMissingAndKeepsWhatIsThere) {
    TempFolder shipped;
    TempFolder program;
    std::filesystem::create_directories(shipped / "wordlists");
    shipped.write("wordlists/AllTwoLetter.txt", "aa\r\nab\r\n");
    shipped.write("wordlists/FullWordList.txt", "apple\r\n");
    shipped.write("Help.html", "<html></html>");
    std::filesystem::create_directories(program / "wordlists");
    program.write("wordlists/FullWordList.txt", "edited by the user\r\n");

    EXPECT_EQ(InstallShippedData(shipped.path(), ProgramFolder(program.path())), 2);

    EXPECT_EQ(program.read("wordlists/AllTwoLetter.txt"), "aa\r\nab\r\n");
    EXPECT_EQ(program.read("wordlists/FullWordList.txt"), "edited by the user\r\n");
    EXPECT_EQ(program.read("Help.html"), "<html></html>");
    EXPECT_EQ(InstallShippedData(shipped.path(), ProgramFolder(program.path())), 0);
}

TEST(ShippedData, MissingShippedFolderCopiesNothing) {
    TempFolder program;
    EXPECT_EQ(InstallShippedData(program / "nowhere", ProgramFolder(program.path())), 0);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
}

}  // namespace
}  // namespace quillmark
