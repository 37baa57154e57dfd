#include <map>

#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

class ResultLists : public testing::MainWindowFixture {
protected:
    void fill(ResultList list, std::vector<std::string> names, std::int32_t* counter = nullptr) {
        if (counter != nullptr) *counter = static_cast<std::int32_t>(names.size());
        form->ListOf(list).setItems(std::move(names));
    }
};

TEST_F(ResultLists, DeleteKeysDeleteTheCurrentNameOrClearTheList) {
    load();
    struct Case {
        int index, keyCode, shift;
        std::vector<std::string> left;
        const char* caption;
    };
    for (const Case& c :
         {Case{-1, key::kDelete, 0, {"a.com", "b.com", "c.com"}, ""},
          Case{1, key::kDelete, 0, {"a.com", "c.com"}, "High Profile (2)"},
          Case{1, key::kDelete, key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
          Case{1, key::kDelete, key::kShiftMask | key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
          Case{1, 65, key::kShiftMask, {"a.com", "b.com", "c.com"}, ""},
          Case{1, key::kDelete, key::kShiftMask, {}, "High Profile"}}) {
        fill(ResultList::High, {"a.com", "b.com", "c.com"}, &state.highCount);
        form->highList.setListIndex(c.index);
        form->ListKeyDown(ResultList::High, c.keyCode, c.shift);
        EXPECT_EQ(form->highList.items(), c.left) << c.caption;
        EXPECT_EQ(state.highCount, static_cast<std::int32_t>(c.left.size())) << c.caption;
        if (*c.caption != '\0') {  // a key that does nothing leaves the caption alone
            EXPECT_EQ(form->highCaption.caption(), c.caption);
        }
    }
    form->AddFreeName("abc.com");
    EXPECT_EQ(form->highCaption.caption(), "High Profile (1)");
}

// A clipboard that keeps every format it was given, as the system one does:
// only clearing it drops what another program put there.
class KeepingClipboard : public Clipboard {
public:
    void clear() override { formats.clear(); }
    void setText(std::string_view text) override { formats.insert_or_assign("text", std::string(text)); }
    std::string text() const override { return formats.count("text") ? formats.at("text") : ""; }
    std::map<std::string, std::string> formats{{"image", "picture"}};
};

class KeepingClipboardServices : public testing::FakeServices {
public:
    Clipboard& clipboard() override { return keeping; }
    KeepingClipboard keeping;
};

TEST_F(ResultLists, CopyReplacesTheWholeClipboardWithEveryNameAndItsLineEnd) {
    KeepingClipboardServices keeping;
    MainWindow window(keeping, state);
    window.Load();
    window.ListOf(ResultList::Registered).setItems({"a.com", "b.com"});
    const std::map<std::string, std::string> registered{{"text", "a.com\r\nb.com\r\n"}};
    const std::pair<int, std::map<std::string, std::string>> rows[] = {
        {static_cast<int>(ResultList::Registered), registered},
        {static_cast<int>(ResultList::Mid), {{"text", ""}}}};
    for (const auto& [list, formats] : rows) {
        window.CopyList(static_cast<ResultList>(list));
        EXPECT_EQ(keeping.keeping.formats, formats) << list;
    }
    window.CopyList(static_cast<ResultList>(9));  // no such list: the clipboard is left alone
    EXPECT_EQ(keeping.keeping.text(), "");
}

TEST_F(ResultLists, EditMenuClearsAndCopiesTheRightLists) {
    load();
    // Lists by number: 1 Low, 2 Registered, 3 High, 4 Mid, 5 Saved.
    const std::tuple<int, const char*, const char*> rows[] = {
        {0, "134", ""},       {1, "3", ""},        {2, "4", ""},         {3, "1", ""},
        {4, "2", ""},         {5, "5", ""},        {6, "", "3.com\r\n"}, {7, "", "4.com\r\n"},
        {8, "", "1.com\r\n"}, {9, "", "5.com\r\n"}};
    for (const auto& [entry, emptied, copied] : rows) {
        for (const ResultList n : kResultLists) fill(n, {std::to_string(static_cast<int>(n)) + ".com"});
        services.clipboardFake.contents.clear();
        form->EditMenu(entry);
        std::string empty;
        for (const ResultList n : kResultLists)
            if (form->ListOf(n).listCount() == 0) empty += std::to_string(static_cast<int>(n));
        EXPECT_EQ(empty, emptied) << entry;
        EXPECT_EQ(services.clipboardFake.contents, copied) << entry;
    }
}

TEST_F(ResultLists, DragCarriesSelectedIndicesAndTheDropSavesTheirNames) {
    load();
    fill(ResultList::Mid, {"n0.com", "n1.com", "n2.com", "n3.com", "n4.com", "n5.com"});
    form->midList.setSelected(2, true);
    form->midList.setSelected(5, true);
    EXPECT_EQ(form->DragText(ResultList::Mid), "2|5");

    form->DropOnSaved("2|5");
    EXPECT_EQ(form->savedList.listCount(), 0) << "nothing clicked yet";
    EXPECT_EQ(folder.read("Remembered.txt"), "");

    form->ListClicked(ResultList::Mid);
    form->DropOnSaved("2|5");
    form->DropOnSaved("5|x|-1|99||2.5");
    EXPECT_EQ(form->savedList.items(), (std::vector<std::string>{"n2.com", "n5.com", "n5.com"}));
    EXPECT_EQ(folder.read("Remembered.txt"), "n2.com\r\nn5.com\r\nn5.com\r\n");
}

TEST_F(ResultLists, SavedNamesSurviveARestartAndDeletionsStick) {
    folder.write("Remembered.txt", "abc.com\r\n\r\n \r\nxyz.net\r\nkeep.org\r\n");
    load();
    EXPECT_EQ(form->savedList.items(), (std::vector<std::string>{"abc.com", "xyz.net", "keep.org"}));
    form->savedList.setListIndex(1);
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(form->savedCaption.caption(), "Saved Domains");

    ProgramState restarted{folder.path()};
    MainWindow again(services, restarted);
    again.Load();
    EXPECT_EQ(again.savedList.items(), (std::vector<std::string>{"abc.com", "keep.org"}));
    again.EditMenu(5);
    EXPECT_EQ(folder.read("Remembered.txt"), "");
}

TEST_F(ResultLists, DoubleClickOpensThePurchasePageForTheName) {
    std::vector<std::optional<std::string>> opened;
    hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(std::move(address)); };
    load();
    fill(ResultList::Registered, {"abc.net", "a&b=c#d.com"});
    form->registeredList.setListIndex(0);
    form->ListDoubleClicked(ResultList::Registered);
    form->registeredList.setListIndex(1);
    form->ListDoubleClicked(ResultList::Registered);
    form->savedList.setListIndex(-1);
    form->ListDoubleClicked(ResultList::Saved);

    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], state.identity.PurchaseAddress + "abc.net");
    EXPECT_EQ(opened[1], state.identity.PurchaseAddress + "a%26b%3Dc%23d.com");
    EXPECT_EQ(opened[2], state.identity.PurchaseAddress);
    EXPECT_EQ(state.selectedName, "");
}

TEST_F(ResultLists, WhoisMenuOpensTheWhoisWindowForTheCurrentNameOfTheList) {
    std::vector<std::string> looked;
    hooks.openWhois = [&](const std::string& name) { looked.push_back(name); };
    load();
    fill(ResultList::Saved, {"example.de"});
    fill(ResultList::Mid, {"mid.com", "other.com"});
    form->WhoisMenu(ResultList::Saved);  // no current name: nothing
    form->savedList.setListIndex(0);
    form->WhoisMenu(ResultList::Saved);
    EXPECT_EQ(state.selectedName, "example.de");
    form->midList.setListIndex(1);
    form->WhoisMenu(ResultList::Mid);
    form->WhoisMenu(std::nullopt);
    form->WhoisMenu(static_cast<ResultList>(6));
    EXPECT_EQ(looked, (std::vector<std::string>{"example.de", "other.com"}));
    EXPECT_EQ(state.selectedName, "other.com");
}

TEST_F(ResultLists, MenusSelectSourcesAndOpenWindows) {
    int settings = 0;
    std::vector<std::optional<std::string>> opened;
    hooks.showSettings = [&] { ++settings; };
    hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(std::move(address)); };
    load();
    services.dialogsFake.answers.push_back(std::nullopt);
    form->ToolsMenu(8);
    EXPECT_EQ(form->searchType.text(), "Custom List");
    EXPECT_EQ(services.dialogsFake.requests.size(), 1u);
    form->OptionsMenu();
    form->OpenSetup();
    EXPECT_EQ(settings, 2);
    form->VisitWebsite();
    EXPECT_TRUE(state.websiteMode);
    EXPECT_EQ(opened, std::vector<std::optional<std::string>>{std::nullopt});
}

}  // namespace
}  // namespace quillmark
