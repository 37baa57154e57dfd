#include <gtest/gtest.h>

#include <tuple>

#include "fakes/FakeServices.h"
#include "generator/NameGenerator.h"
#include "support/TempFolder.h"

namespace quillmark::generator {
namespace {

using Names = std::vector<std::string>;

class Generator : public ::testing::Test {
protected:
    Generator() {
        folder.write("Appends.txt", " \r\n");  // a line of one space is no word
        open();
    }
    void open() {
        window = std::make_unique<NameGenerator>(services, programFolder, constants, hooks);
        window->Load();
    }

    // Ticks exactly the extension boxes and option boxes (P, S, H) named.
    Names generate(std::string_view boxes, std::string_view options, const std::string& custom,
                   const std::string& base, const std::string& appends) {
        for (std::size_t i = 0; i < window->extensionBoxes.size(); ++i)
            window->extensionBoxes[i].setValue(boxes.find(static_cast<char>('0' + i)) != std::string::npos);
        for (std::size_t i = 0; i < window->formBoxes.size(); ++i)
            window->formBoxes[i].setValue(options.find("PSH"[i]) != std::string::npos);
        window->customExtension.setText(custom);
        folder.write("Appends.txt", appends);
        window->baseWord.setText(base);
        steps.clear();
        window->Generate();
        return window->generated.items();
    }

    testing::TempFolder folder;
    ProgramFolder programFolder{folder.path()};
    const program::ProductIdentity constants = program::ThisProduct();
    testing::FakeServices services;
    Names steps;
    GeneratorHooks hooks{[this](std::int32_t count) { steps.push_back("bounds " + std::to_string(count)); },
                         [this] { steps.push_back("start"); }};
    std::unique_ptr<NameGenerator> window;
};

// Runs follow one another in one window: each replaces the list, file and
// bounds of the one before. Box 8 is the custom extension.
TEST_F(Generator, CombinesEachWordInFormAndExtensionOrderAndStartsTheSearch) {
    // Extension boxes, option boxes, custom extension, base word, appends, names.
    using Run = std::tuple<std::string_view, std::string_view, std::string, std::string, std::string, Names>;
    // clang-format off
    const Run runs[] = {
        {"01", "PS", "", "shop", "\r\nmy\r\nbest\r\n", {"myshop.com", "myshop.net", "shopmy.com", "shopmy.net",
         "bestshop.com", "bestshop.net", "shopbest.com", "shopbest.net"}},
        // Spaces go, letters keep their case; only the extension is lowered.
        {"0", "P", ".co.uk", "Big shop", "My\r\n", {"MyBigshop.com"}},
        {"8", "P", ".CO.UK", "shop", "my\r\n", {"myshop.co.uk"}}, {"8", "P", "xyz", "shop", "my\r\n", {"myshopxyz"}},
        // Hyphens alone make nothing; a line of one space is no word, of two spaces is. Only host
        // names come out (labels of 1 to 63, no outer hyphen), each once whatever its case.
        {"0", "H", "", "shop", "my\r\n", {}},
        {"0", "PSH", "", "shop", " \r\n\r\n  \r\nMy\r\nmy\r\n",
         {"shop.com", "Myshop.com", "My-shop.com", "shopMy.com", "shop-My.com"}},
        {"0", "S", "", std::string(60, 'a'), "my\r\nbest\r\n", {std::string(60, 'a') + "my.com"}},
    };
    // clang-format on
    for (const auto& [boxes, options, custom, base, appends, expected] : runs) {
        SCOPED_TRACE(base + " " + custom);
        EXPECT_EQ(generate(boxes, options, custom, base, appends), expected);
        std::string file;
        for (const auto& name : expected) file += name + "\r\n\r\n";
        EXPECT_EQ(folder.read("CreatedDomains.txt"), file);
        const std::string count = std::to_string(expected.size());
        EXPECT_EQ(steps, (Names{"bounds " + count, "start"}));
        EXPECT_TRUE(window->startButton.enabled());
    }
    // A base word of spaces starts no run and says why.
    generate("0", "P", "", " ", "my\r\n");
    EXPECT_EQ(steps, Names{});
    EXPECT_EQ(services.messagesFake.shown.at(0).text, "Type a base word first: every name is made from it.");
    // Saving copies the last list; a cancelled dialog copies nothing.
    generate("0", "P", "", "shop", "my\r\n");
    services.dialogsFake.answers = {std::nullopt, (folder / "mine.txt").string()};
    window->SaveAs();
    EXPECT_EQ(folder.read("mine.txt"), "<missing>");
    window->SaveAs();
    EXPECT_EQ(folder.read("mine.txt"), "myshop.com\r\n\r\n");
    EXPECT_EQ(services.dialogsFake.requests.at(0).fileName, "shop.txt");
}

// A stored option that is no tick state counts as ticked. Removing a word takes
// one entry from the list until the window reopens, and every copy from the file.
TEST_F(Generator, OptionsAndAppendWordsOpenAsTheyWereLeft) {
    window->extensionBoxes[3].setValue(0);
    window->ExtensionTicked(3);
    window->customExtension.setText(".de");
    window->CustomExtensionChanged();
    services.settingsFake.SaveSetting("Quillmark", "Settings", "chkExt5", "7");
    window->appendWord.setText("bob");
    window->AddAppendWord();
    window->appendWord.setText("bob");
    window->AppendWordKeyPress(key::kEnter);
    window->appendWord.setText("ann");
    window->AppendWordKeyPress(key::kEnter);
    open();
    std::string ticks;
    for (const auto& box : window->extensionBoxes) ticks += std::to_string(box.value());
    for (const auto& box : window->formBoxes) ticks += std::to_string(box.value());
    EXPECT_EQ(ticks + " " + window->baseWord.text() + " " + window->customExtension.text(),
              "111011111111  .de");
    EXPECT_EQ(window->appendWords.items(), (Names{"bob", "bob", "ann"}));
    window->RemoveAppendWord();  // nothing selected
    ASSERT_EQ(services.messagesFake.shown.size(), 1u);
    EXPECT_EQ(services.messagesFake.shown[0].text, "You must first select an item to remove from the list.");
    window->appendWords.setListIndex(1);
    window->RemoveAppendWord();
    EXPECT_EQ(folder.read("Appends.txt"), " \r\nann\r\n\r\n");
    EXPECT_EQ(window->appendWords.items(), (Names{"bob", "ann"}));
}

}  // namespace
}  // namespace quillmark::generator
