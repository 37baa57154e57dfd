#include <gtest/gtest.h>

#include "engine/ShippedData.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

// A missing shipped folder copies nothing; otherwise what the program folder
// lacks is copied once, and the user's own files stay.
TEST(ShippedData, CopiesWhatIsMissingAndKeepsWhatIsThere) {
    testing::TempFolder shipped, program;
    EXPECT_EQ(InstallShippedData(shipped / "nowhere", ProgramFolder(program.path())), 0);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
    std::filesystem::create_directories(shipped / "wordlists");
    std::filesystem::create_directories(program / "wordlists");
    const std::pair<const char*, const char*> files[] = {{"wordlists/AllTwoLetter.txt", "aa\r\nab\r\n"},
                                                         {"Help.html", "<html></html>"},
                                                         {"wordlists/Full.txt", "a\r\n"}};
    for (const auto& [name, bytes] : files) shipped.write(name, bytes);
    program.write("wordlists/Full.txt", "edited by the user\r\n");
    for (const int copied : {2, 0})
        EXPECT_EQ(InstallShippedData(shipped.path(), ProgramFolder(program.path())), copied);
    EXPECT_EQ(program.read(files[0].first) + program.read(files[1].first) + program.read(files[2].first),
              "aa\r\nab\r\n<html></html>edited by the user\r\n");
}

}  // namespace
}  // namespace quillmark
