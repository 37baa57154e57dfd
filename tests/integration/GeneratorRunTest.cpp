#include <gtest/gtest.h>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

TEST(GenerateCommand, UsesTheStoredOptionsAndAppendsAndPrintsWhatItWrote) {
    testing::TempFolder folder, config;
    std::filesystem::create_directories(config / "Quillmark");
    config.write("Quillmark/Quillmark.ini",
                 "[Settings]\nchkExt1=0\nchkExt2=0\nchkExt3=0\nchkExt4=0\nchkExt5=0\n"
                 "chkExt6=0\nchkExt7=0\nchkAdd2=0\ntxtCustom=.US\n");
    folder.write("Appends.txt", "\r\nmy\r\nbest\r\n");
    const QString dir = QString::fromStdString(folder.path().string());
    const auto outcome = testing::RunProgram({"generate", "--folder", dir, "--base", "shop"}, config.path());
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "myshop.com\nmyshop.us\nshopmy.com\nshopmy.us\nbestshop.com\nbestshop.us\nshopbest.com\n"
              "shopbest.us\n");
    EXPECT_EQ(folder.read("CreatedDomains.txt").substr(0, 25), "myshop.com\r\n\r\nmyshop.us\r\n");
    // Without a base word there is nothing to make.
    const auto missing = testing::RunProgram({"generate", "--folder", dir}, config.path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.empty());
}

}  // namespace
}  // namespace quillmark
