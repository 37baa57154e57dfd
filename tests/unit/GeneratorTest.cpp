#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "generator/NameGenerator.h"
#include "support/TempFolder.h"

namespace quillmark::generator {
namespace {

using Names = std::vector<std::string>;

class Generator : public ::testing::Test {
protected:
    Generator() {
        folder.write("Appends.txt", "\r\n");
        hooks.setListBounds = [this](std::int32_t count) {
            steps.push_back("bounds " + std::to_string(count));
        };
        hooks.startSearch = [this] { steps.push_back("start"); };
        services.pumpFake.pending = [this] { statuses.push_back(window->statusText.text()); };
    }

    NameGenerator& open() {
        window = std::make_unique<NameGenerator>(services, programFolder, constants, hooks);
        window->Load();
        return *window;
    }

    // Ticks exactly the given extension boxes and option boxes.
    void tick(std::initializer_list<int> extensions, std::initializer_list<int> options) {
        for (auto& box : window->extensionBoxes) box.setValue(0);
        for (auto& box : window->formBoxes) box.setValue(0);
        for (int i : extensions) window->extensionBoxes[static_cast<std::size_t>(i)].setValue(1);
        for (int i : options) window->formBoxes[static_cast<std::size_t>(i)].setValue(1);
    }

    Names generate(const std::string& base, const std::string& appends) {
        folder.write("Appends.txt", appends);
        window->baseWord.setText(base);
        window->Generate();
        return window->generated.items();
    }

    testing::TempFolder folder;
    ProgramFolder programFolder{folder.path()};
    const program::ProductIdentity constants = program::ThisProduct();
    testing::FakeServices services;
    GeneratorHooks hooks;
    std::unique_ptr<NameGenerator> window;
    std::vector<std::string> steps;
    std::vector<std::string> statuses;
};

constexpr int kPre = NameGenerator::kPrefixes, kSuf = NameGenerator::kSuffixes,
              kHyp = NameGenerator::kHyphens;

TEST_F(Generator, CombinesEachWordInFormAndExtensionOrderAndStartsTheSearch) {
    open();
    tick({0, 1}, {kPre, kSuf, kHyp});
    EXPECT_EQ(generate("shop", "\r\nmy\r\nbest\r\n"),
              (Names{"myshop.com", "myshop.net", "my-shop.com", "my-shop.net", "shopmy.com", "shopmy.net",
                     "shop-my.com", "shop-my.net", "bestshop.com", "bestshop.net", "best-shop.com",
                     "best-shop.net", "shopbest.com", "shopbest.net", "shop-best.com", "shop-best.net"}));
    EXPECT_EQ(window->statusText.text(), "Created 16 domains...  Search Started");
    EXPECT_EQ(steps, (std::vector<std::string>{"bounds 16", "start"}));
    EXPECT_EQ(folder.read("CreatedDomains.txt").substr(0, 31), "myshop.com\r\n\r\nmyshop.net\r\n\r\nmy-");
    EXPECT_TRUE(window->startButton.enabled());
}

TEST_F(Generator, KeepsLettersDropsSpacesAndLowersOnlyTheExtension) {
    open();
    const std::vector<std::tuple<std::string, std::string, std::string, Names>> cases = {
        {"big shop", "the", ".co.uk", {"thebigshop.com"}},
        {"Shop", "My", ".co.uk", {"MyShop.com"}},
    };
    for (const auto& [base, word, custom, expected] : cases) {
        tick({0}, {kPre});
        window->customExtension.setText(custom);
        EXPECT_EQ(generate(base, word + "\r\n"), expected) << base;
    }
    tick({NameGenerator::kCustomBox}, {kPre});
    for (const auto& [custom, expected] : std::vector<std::pair<std::string, std::string>>{
             {".CO.UK", "myshop.co.uk"}, {"xyz", "myshopxyz"}, {"", "myshop"}, {". A", "myshop. a"}}) {
        window->customExtension.setText(custom);
        EXPECT_EQ(generate("shop", "my\r\n"), Names{expected}) << custom;
    }
}

TEST_F(Generator, HyphensAloneMakeNothingAndTwoSpacesAreAWord) {
    open();
    tick({0}, {kHyp});
    EXPECT_TRUE(generate("shop", "my\r\n").empty());
    EXPECT_EQ(steps, (std::vector<std::string>{"bounds 0", "start"}));
    EXPECT_EQ(folder.read("CreatedDomains.txt"), "");
    tick({0}, {kPre, kSuf, kHyp});
    EXPECT_EQ(generate("shop", " \r\n\r\n  \r\n"), (Names{"shop.com", "-shop.com", "shop.com", "shop-.com"}));
}

TEST_F(Generator, ShowsProgressOnlyAfterAWordThatBringsTheCountPastAThousand) {
    open();
    tick({0, 1, 2, 3, 4, 5, 6, 7, 8}, {kPre, kSuf, kHyp});
    std::string words;
    for (int i = 0; i < 30; ++i) words += "w" + std::to_string(i) + "\r\n";
    EXPECT_EQ(generate("x", words).size(), 1080u);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Creating Domains - Created 1008 so far...",
                                                  "Created 1080 domains...  Sorting...",
                                                  "Created 1080 domains...  Search Started"}));
}

TEST_F(Generator, ASecondRunReplacesTheFirstSoListFileAndBoundsAgree) {
    open();
    tick({0}, {kPre});
    generate("shop", "a\r\nb\r\n");
    EXPECT_EQ(generate("web", "c\r\n"), Names{"cweb.com"});
    EXPECT_EQ(folder.read("CreatedDomains.txt"), "cweb.com\r\n\r\n");
    EXPECT_EQ(steps.back(), "start");
    EXPECT_EQ(steps[steps.size() - 2], "bounds 1");
}

TEST_F(Generator, OptionsOpenAsTheyWereLeft) {
    open();
    for (const auto& box : window->extensionBoxes) EXPECT_EQ(box.value(), 1);
    for (const auto& box : window->formBoxes) EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(window->baseWord.text(), "");
    EXPECT_EQ(window->customExtension.text(), ".co.uk");
    window->extensionBoxes[3].setValue(0);
    window->ExtensionTicked(3);
    window->formBoxes[2].setValue(0);
    window->FormTicked(2);
    window->baseWord.setText("shop");
    window->BaseWordChanged();
    window->customExtension.setText(".de");
    window->CustomExtensionChanged();
    services.settingsFake.SaveSetting("Quillmark", "Settings", "chkExt5", "7");  // not a state: ticked
    EXPECT_EQ(services.settingsFake.stored("Quillmark", "chkExt3"), "0");
    open();
    EXPECT_EQ(window->extensionBoxes[3].value(), 0);
    EXPECT_EQ(window->extensionBoxes[5].value(), 1);
    EXPECT_EQ(window->formBoxes[2].value(), 0);
    EXPECT_EQ(window->baseWord.text(), "shop");
    EXPECT_EQ(window->customExtension.text(), ".de");
}

TEST_F(Generator, AppendWordsAreAddedInOrderAndRemovedEverywhereInTheFile) {
    open();
    window->appendWord.setText("bob");
    window->AddAppendWord();
    window->appendWord.setText("ann");
    window->AppendWordKeyPress(key::kEnter);
    EXPECT_EQ(window->appendWord.text(), "");
    EXPECT_EQ(folder.read("Appends.txt"), "\r\nbob\r\nann\r\n");
    open();
    EXPECT_EQ(window->appendWords.items(), (Names{"bob", "ann"}));

    window->RemoveAppendWord();
    ASSERT_EQ(services.messagesFake.shown.size(), 1u);
    EXPECT_EQ(services.messagesFake.shown[0].text, "You must first select an item to remove from the list.");
    EXPECT_EQ(services.messagesFake.shown[0].buttons, MessageButtons::Ok);

    folder.write("Appends.txt", "a\r\nb\r\na\r\n");
    open();
    window->appendWords.setListIndex(0);
    window->RemoveAppendWord();
    EXPECT_EQ(folder.read("Appends.txt"), "b\r\n\r\n");
    EXPECT_EQ(window->appendWords.items(), (Names{"b", "a"}));  // one entry goes until the window reopens
    folder.write("Appends.txt", "\r\nx\r\ny\r\n\r\n");
    open();
    window->appendWords.setListIndex(1);
    window->RemoveAppendWord();
    EXPECT_EQ(folder.read("Appends.txt"), "\r\nx\r\n\r\n");  // one empty line at the end
}

TEST_F(Generator, SaveAsCopiesTheLastListAndACancelCopiesNothing) {
    open();
    tick({0}, {kPre});
    generate("shop", "my\r\n");
    const std::string target = (folder / "mine.txt").string();
    services.dialogsFake.answers = {std::nullopt, target};
    window->SaveAs();
    EXPECT_FALSE(std::filesystem::exists(folder / "shop.txt"));
    EXPECT_FALSE(std::filesystem::exists(target));
    window->SaveAs();
    EXPECT_EQ(folder.read("mine.txt"), "myshop.com\r\n\r\n");
    const FileDialogRequest& request = services.dialogsFake.requests.at(0);
    EXPECT_EQ(request.fileName, "shop.txt");
    EXPECT_EQ(request.startFolder, (folder / "customlists").string());
}

}  // namespace
}  // namespace quillmark::generator
