#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "generator/NameGenerator.h"
#include "support/LiveMainWindow.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(GenerateCommand, UsesTheStoredOptionsAndAppendsAndPrintsWhatItWrote) {
    TempFolder folder;
    TempFolder config;
    std::filesystem::create_directories(config / "Quillmark");
    config.write("Quillmark/Quillmark.ini",
                 "[Settings]\nchkExt1=0\nchkExt2=0\nchkExt3=0\nchkExt4=0\nchkExt5=0\nchkExt6=0\nchkExt7=0\n"
                 "chkAdd2=0\ntxtCustom=.US\n");
    folder.write("Appends.txt", "\r\nmy\r\nbest\r\n");
    const QString dir = QString::fromStdString(folder.path().string());
    const auto outcome = testing::RunProgram({"generate", "--folder", dir, "--base", "shop"}, config.path());
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(Lines(outcome.out),
              (std::vector<std::string>{"myshop.com", "myshop.us", "shopmy.com", "shopmy.us", "bestshop.com",
                                        "bestshop.us", "shopbest.com", "shopbest.us"}));
    EXPECT_EQ(folder.read("CreatedDomains.txt").substr(0, 25), "myshop.com\r\n\r\nmyshop.us\r\n");

    const auto missing = testing::RunProgram({"generate", "--folder", dir}, config.path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.empty());
}

TEST(GeneratorRun, TheMainWindowLooksUpExactlyTheGeneratedNames) {
    testing::LiveMainWindow live;
    const std::string port = std::to_string(live.server.port());
    live.folder.write("registrars.txt",
                      "com|127.0.0.1|" + port + "|Enabled\r\nnet|127.0.0.1|" + port + "|Enabled\r\n\r\n");
    live.folder.write("Appends.txt", "\r\nfree\r\n");
    live.open();
    live.form->searchType.setText("Generate names");
    live.form->ChooseSearchType();

    generator::GeneratorHooks hooks;
    hooks.setListBounds = [&live](std::int32_t count) {
        live.form->listSize.setText(std::to_string(count));
        live.form->SetStartNumber("1");
    };
    hooks.startSearch = [&live] { live.form->Start(); };
    generator::NameGenerator generator(live.services, live.state.programFolder, live.state.identity, hooks);
    generator.Load();
    for (auto& box : generator.extensionBoxes) box.setValue(0);
    generator.extensionBoxes[0].setValue(1);
    generator.extensionBoxes[1].setValue(1);
    generator.baseWord.setText("shop");
    generator.Generate();
    ASSERT_TRUE(live.waitForStop());

    // Prefixed names start with "free" and are free; suffixed ones are taken.
    std::vector<std::string> free;
    for (const ResultList list : {ResultList::Low, ResultList::High, ResultList::Mid}) {
        for (const auto& name : live.form->ListOf(list).items()) free.push_back(name);
    }
    std::sort(free.begin(), free.end());
    EXPECT_EQ(free,
              (std::vector<std::string>{"free-shop.com", "free-shop.net", "freeshop.com", "freeshop.net"}));
    std::vector<std::string> taken = live.form->registeredList.items();
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(taken,
              (std::vector<std::string>{"shop-free.com", "shop-free.net", "shopfree.com", "shopfree.net"}));
    EXPECT_EQ(live.server.queries().size(), 8u);
}

}  // namespace
}  // namespace quillmark
