#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

class ListSources : public testing::MainWindowFixture {
protected:
    void writeWordList(int names) {
        std::filesystem::create_directories(folder / "wordlists");
        std::string bytes;
        for (int i = 1; i <= names; ++i) bytes += "word" + std::to_string(i) + "\r\n";
        folder.write("wordlists/FullWordList.txt", bytes);
    }
};

TEST_F(ListSources, WordListResumesFromItsStoredPosition) {
    writeWordList(1000);
    services.settingsFake.SaveSetting("Kestrelon", "Settings", "FullWordNum", "250");
    load();
    choose("Full Word List");
    EXPECT_EQ(form->listSize.text(), "1000");
    EXPECT_EQ(form->startNumber.text(), "250");
    EXPECT_TRUE(form->startButton.enabled() && form->startNumber.visible());
    EXPECT_FALSE(form->searchText.visible() || form->searchButton.enabled());

    for (const char* stored : {"1000", "5000"}) {
        services.settingsFake.SaveSetting("Kestrelon", "Settings", "FullWordNum", stored);
        choose("Full Word List");
        EXPECT_EQ(form->startNumber.text(), "1") << stored;
    }
}

TEST_F(ListSources, MissingOrCancelledListCountsNothing) {
    load();
    std::filesystem::remove(folder / "wordlists" / "AllTwoLetter.txt");
    choose("All Two Letter");
    EXPECT_EQ(form->listSize.text() + form->ReadNameAt(1), "0endoffileffile");
    choose("Custom List");
    ASSERT_EQ(services.dialogsFake.requests.size(), 1u);
    EXPECT_EQ(services.dialogsFake.requests[0].startFolder, (folder / "wordlists").string());
    EXPECT_EQ(form->listFile + form->listSize.text() + form->startNumber.text(), "01");
}

TEST_F(ListSources, StartNumberAtOrPastTheEndTurnsBackToOne) {
    load();
    chooseCustomList({"a", "b", "c", "d", "e"});
    for (const auto& [typed, shown] : std::initializer_list<std::pair<const char*, const char*>>{
             {"3", "3"}, {"4", "4"}, {"5", "1"}, {"9", "1"}, {"x", "x"}, {"0", "0"}}) {
        form->startNumber.setText(typed);
        form->StartNumberChanged();
        EXPECT_EQ(form->startNumber.text(), shown) << typed;
    }
}

TEST_F(ListSources, SearchSourcesNeedASearchText) {
    load();
    choose("Yahoo Search");
    EXPECT_EQ(form->listFile, (folder / "BrowserSearch.txt").string());
    EXPECT_TRUE(form->searchText.visible() && form->searchText.enabled());
    EXPECT_FALSE(form->startNumber.visible() || form->searchButton.enabled());
    for (const auto& [text, enabled] : {std::pair{"g", true}, {"", false}}) {
        form->searchText.setText(text);
        form->SearchTextChanged();
        EXPECT_EQ(form->searchButton.enabled(), enabled) << text;
    }
}

TEST_F(ListSources, GeneratedNamesAndBrowsingOpenTheirWindows) {
    int generators = 0;
    int browsers = 0;
    hooks.showGenerator = [&] { ++generators; };
    hooks.showBrowseWindow = [&] { ++browsers; };
    load();
    chooseCustomList({"a"});
    const std::string custom = form->listFile;

    choose("Browse for names");
    EXPECT_EQ(browsers, 1);
    EXPECT_EQ(form->listFile, custom);
    EXPECT_FALSE(form->startNumber.visible() || form->searchText.visible());
    choose("Generate names");
    EXPECT_EQ(generators, 1);
    EXPECT_EQ(form->listFile, (folder / "CreatedDomains.txt").string());
    EXPECT_TRUE(form->startButton.enabled());
}

}  // namespace
}  // namespace quillmark
