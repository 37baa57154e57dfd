#include <gtest/gtest.h>

#include "engine/ShippedData.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

// A missing shipped folder copies nothing.
TEST(ShippedData, CopiesWhatIsMissingAndKeepsWhatIsThere) {
    TempFolder shipped;
    TempFolder program;
    EXPECT_EQ(InstallShippedData(shipped / "nowhere", ProgramFolder(program.path())), 0);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
    std::filesystem::create_directories(shipped / "wordlists");
    shipped.write("wordlists/AllTwoLetter.txt", "aa\r\nab\r\n");
    shipped.write("wordlists/FullWordList.txt", "apple\r\n");
    shipped.write("Help.html", "<html></html>");
    std::filesystem::create_directories(program / "wordlists");
    program.write("wordlists/FullWordList.txt", "edited by the user\r\n");
    for (const int copied : {2, 0})
        EXPECT_EQ(InstallShippedData(shipped.path(), ProgramFolder(program.path())), copied);
    for (const auto& [name, bytes] : {std::pair{"wordlists/AllTwoLetter.txt", "aa\r\nab\r\n"},
                                      std::pair{"wordlists/FullWordList.txt", "edited by the user\r\n"},
                                      std::pair{"Help.html", "<html></html>"}})
        EXPECT_EQ(program.read(name), bytes) << name;
}

}  // namespace
}  // namespace quillmark
