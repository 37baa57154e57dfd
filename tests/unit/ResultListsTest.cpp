#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

class ResultLists : public testing::MainWindowFixture {
protected:
    void fill(ResultList list, Names names, std::int32_t* counter = nullptr) {
        if (counter != nullptr) *counter = static_cast<std::int32_t>(names.size());
        form->ListOf(list).setItems(std::move(names));
    }
};

TEST_F(ResultLists, DeleteKeysDeleteTheCurrentNameOrClearTheList) {
    load();
    // current index, key, modifiers; the names left and the caption ("" when the key does nothing)
    const std::tuple<int, int, int, Names, const char*> rows[] = {
        {-1, key::kDelete, 0, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, 0, {"a.com", "c.com"}, "High Profile (2)"},
        {1, key::kDelete, key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
        {1, key::kDelete, key::kShiftMask | key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
        {1, 65, key::kShiftMask, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, key::kShiftMask, {}, "High Profile"}};
    for (const auto& [index, keyCode, shift, left, caption] : rows) {
        fill(ResultList::High, {"a.com", "b.com", "c.com"}, &state.highCount);
        form->highCaption.setCaption("");
        form->highList.setListIndex(index);
        form->ListKeyDown(ResultList::High, keyCode, shift);
        EXPECT_EQ(form->highList.items(), left) << caption;
        EXPECT_EQ(state.highCount, static_cast<std::int32_t>(left.size())) << caption;
        EXPECT_EQ(form->highCaption.caption(), caption);
    }
}

TEST_F(ResultLists, EditMenuClearsTheListsOrReplacesTheClipboardWithEveryNameOfOne) {
    load();
    // Lists by number: 1 Low, 2 Registered, 3 High, 4 Mid, 5 Saved.
    const std::tuple<int, const char*, const char*> rows[] = {{0, "134", ""},
                                                              {1, "3", ""},
                                                              {2, "4", ""},
                                                              {3, "1", ""},
                                                              {4, "2", ""},
                                                              {5, "5", ""},
                                                              {6, "", "3.com\r\n3.net\r\n"},
                                                              {7, "", "4.com\r\n4.net\r\n"},
                                                              {8, "", "1.com\r\n1.net\r\n"},
                                                              {9, "", "5.com\r\n5.net\r\n"}};
    for (const auto& [entry, emptied, copied] : rows) {
        for (const ResultList n : kResultLists) {
            const std::string number = std::to_string(static_cast<int>(n));
            fill(n, {number + ".com", number + ".net"});
        }
        services.clipboardFake.contents = "before";
        services.clipboardFake.clears = 0;
        form->EditMenu(entry);
        std::string empty;
        for (const ResultList n : kResultLists)
            if (form->ListOf(n).listCount() == 0) empty += std::to_string(static_cast<int>(n));
        EXPECT_EQ(empty, emptied) << entry;
        EXPECT_EQ(services.clipboardFake.contents + std::to_string(services.clipboardFake.clears),
                  *copied ? copied + std::string("1") : "before0")
            << entry;
    }
    form->CopyList(static_cast<ResultList>(9));  // no such list: the clipboard is left alone
    EXPECT_EQ(services.clipboardFake.contents, "5.com\r\n5.net\r\n");
    form->midList.clear();
    form->CopyList(ResultList::Mid);
    EXPECT_EQ(services.clipboardFake.contents + std::to_string(services.clipboardFake.clears), "2");
}

TEST_F(ResultLists, DragCarriesSelectedIndicesAndTheDropSavesTheirNames) {
    load();
    fill(ResultList::Mid, {"n0.com", "n1.com", "n2.com", "n3.com", "n4.com", "n5.com"});
    form->midList.setSelected(2, true);
    form->midList.setSelected(5, true);
    EXPECT_EQ(form->DragText(ResultList::Mid), "2|5");
    form->DropOnSaved("2|5");
    EXPECT_EQ(form->savedList.listCount(), 0) << "nothing clicked yet";
    form->ListClicked(ResultList::Mid);
    form->DropOnSaved("2|5");
    form->DropOnSaved("5|x|-1|99||2.5");
    EXPECT_EQ(form->savedList.items(), (Names{"n2.com", "n5.com", "n5.com"}));
    EXPECT_EQ(folder.read("Remembered.txt"), "n2.com\r\nn5.com\r\nn5.com\r\n");
}

TEST_F(ResultLists, SavedNamesSurviveARestartAndDeletionsStick) {
    folder.write("Remembered.txt", "abc.com\r\n\r\n \r\nxyz.net\r\nkeep.org\r\n");
    load();
    EXPECT_EQ(form->savedList.items(), (Names{"abc.com", "xyz.net", "keep.org"}));
    form->savedList.setListIndex(1);
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(form->savedCaption.caption(), "Saved Domains");
    ProgramState restarted{folder.path()};
    MainWindow again(services, restarted);
    again.Load();
    EXPECT_EQ(again.savedList.items(), (Names{"abc.com", "keep.org"}));
    again.EditMenu(5);
    EXPECT_EQ(folder.read("Remembered.txt"), "");
}

TEST_F(ResultLists, DoubleClicksAndMenusOpenTheWindowForTheCurrentName) {
    std::vector<std::string> opened;
    hooks.openWebsite = [&](std::optional<std::string> address) {
        opened.push_back(address.value_or("home"));
    };
    hooks.openWhois = [&](const std::string& name) { opened.push_back("whois " + name); };
    hooks.showSettings = [&] { opened.push_back("settings"); };
    load();
    fill(ResultList::Registered, {"abc.net", "a&b=c#d.com"});
    fill(ResultList::Saved, {"example.de"});
    const std::string buy = state.identity.PurchaseAddress;
    // list, current index, whois menu instead of a double click; what opens
    const std::tuple<std::optional<ResultList>, int, bool, std::string> rows[] = {
        {ResultList::Registered, 0, false, buy + "abc.net"},
        {ResultList::Registered, 1, false, buy + "a%26b%3Dc%23d.com"},
        {ResultList::Saved, -1, false, buy},
        {ResultList::Saved, -1, true, ""},
        {ResultList::Saved, 0, true, "whois example.de"},
        {ResultList::Registered, 1, true, "whois a&b=c#d.com"},
        {std::nullopt, 0, true, ""},
        {static_cast<ResultList>(6), 0, true, ""}};
    for (const auto& [list, index, whois, expected] : rows) {
        opened.clear();
        if (list && list != static_cast<ResultList>(6)) form->ListOf(*list).setListIndex(index);
        whois ? form->WhoisMenu(list) : form->ListDoubleClicked(*list);
        EXPECT_EQ(opened, expected.empty() ? Names{} : Names{expected}) << expected;
    }
    EXPECT_EQ(state.selectedName, "a&b=c#d.com");
    opened.clear();
    services.dialogsFake.answers.push_back(std::nullopt);
    form->ToolsMenu(8);
    form->OptionsMenu();
    form->OpenSetup();
    form->VisitWebsite();
    EXPECT_EQ(form->searchType.text() + " " + std::to_string(services.dialogsFake.requests.size()),
              "Custom List 1");
    EXPECT_EQ(opened, (Names{"settings", "settings", "home"}));
    EXPECT_TRUE(state.websiteMode);
}

}  // namespace
}  // namespace quillmark
