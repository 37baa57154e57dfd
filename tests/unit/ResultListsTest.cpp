#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

class ResultLists : public testing::MainWindowFixture {
protected:
    void fill(int n, std::vector<std::string> names, std::int32_t* counter = nullptr) {
        if (counter != nullptr) *counter = static_cast<std::int32_t>(names.size());
        form->ResultList(n).setItems(std::move(names));
    }
};

TEST_F(ResultLists, DeleteRemovesTheCurrentItemAndCountsDown) {
    load();
    fill(1, {"aaaaaaaa.com", "bbbbbbbb.com", "cccccccc.com"}, &state.LowCount);
    form->cmdClear_Click(1);
    EXPECT_EQ(form->List1.listCount(), 3) << "no current item: nothing happens";
    EXPECT_EQ(state.LowCount, 3);

    form->List1.setListIndex(1);
    form->List_KeyDown(1, MainWindow::kKeyDelete, 0);
    EXPECT_EQ(form->List1.items(), (std::vector<std::string>{"aaaaaaaa.com", "cccccccc.com"}));
    EXPECT_EQ(state.LowCount, 2);
    EXPECT_EQ(form->Label1.caption(), "Low Profile (2)");
}

TEST_F(ResultLists, ShiftDeleteClearsButCtrlDeleteDeletesOne) {
    load();
    fill(3, {"a.com", "b.com", "c.com"}, &state.HighCount);
    form->List3.setListIndex(0);
    form->List_KeyDown(3, MainWindow::kKeyDelete, 2);  // Ctrl
    form->List_KeyDown(3, MainWindow::kKeyDelete, 3);  // Shift and Ctrl
    EXPECT_EQ(form->List3.listCount(), 2);
    form->List_KeyDown(3, 65, 1);  // Shift+A does nothing
    EXPECT_EQ(form->List3.listCount(), 2);
    form->List_KeyDown(3, MainWindow::kKeyDelete, 1);
    EXPECT_EQ(form->List3.listCount(), 0);
    EXPECT_EQ(form->Label3.caption(), "High Profile");
    form->AddFreeName("abc.com");
    EXPECT_EQ(form->Label3.caption(), "High Profile (1)");
}

TEST_F(ResultLists, CopyPutsEveryNameWithItsLineEnd) {
    load();
    fill(2, {"a.com", "b.com"});
    form->cmdCopy_Click(2);
    EXPECT_EQ(services.clipboardFake.contents, "a.com\r\nb.com\r\n");
    form->cmdCopy_Click(4);
    EXPECT_EQ(services.clipboardFake.contents, "");
    form->cmdCopy_Click(9);
    EXPECT_EQ(services.clipboardFake.contents, "");
}

TEST_F(ResultLists, EditMenuClearsAndCopiesTheRightLists) {
    load();
    const std::vector<std::string> names{"x.com"};
    // Copy entries 6 to 9 copy High, Mid, Low, Saved.
    const std::vector<std::pair<int, int>> copies{{6, 3}, {7, 4}, {8, 1}, {9, 5}};
    for (const auto& [entry, list] : copies) {
        for (int n = 1; n <= 5; ++n) fill(n, {std::to_string(n) + ".com"});
        form->mnuEditItem_Click(entry);
        EXPECT_EQ(services.clipboardFake.contents, std::to_string(list) + ".com\r\n") << entry;
    }
    const std::vector<std::pair<int, std::vector<int>>> clears{{0, {1, 3, 4}}, {1, {3}}, {2, {4}},
                                                               {3, {1}},       {4, {2}}, {5, {5}}};
    for (const auto& [entry, cleared] : clears) {
        for (int n = 1; n <= 5; ++n) fill(n, names);
        form->mnuEditItem_Click(entry);
        for (int n = 1; n <= 5; ++n) {
            const bool expectEmpty = std::find(cleared.begin(), cleared.end(), n) != cleared.end();
            EXPECT_EQ(form->ResultList(n).listCount() == 0, expectEmpty)
                << "entry " << entry << " list " << n;
        }
    }
}

TEST_F(ResultLists, DragCarriesSelectedIndicesAndTheDropSavesTheirNames) {
    load();
    fill(4, {"n0.com", "n1.com", "n2.com", "n3.com", "n4.com", "n5.com"});
    form->List4.setSelected(2, true);
    form->List4.setSelected(5, true);
    EXPECT_EQ(form->List_OLEStartDrag(4), "2|5");

    form->List5_OLEDragDrop("2|5");
    EXPECT_EQ(form->List5.listCount(), 0) << "nothing clicked yet";
    EXPECT_EQ(folder.read("Remembered.txt"), "");

    form->List_Click(4);
    form->List5_OLEDragDrop("2|5");
    form->List5_OLEDragDrop("5|x|-1|99||2.5");
    EXPECT_EQ(form->List5.items(), (std::vector<std::string>{"n2.com", "n5.com", "n5.com"}));
    EXPECT_EQ(folder.read("Remembered.txt"), "n2.com\r\nn5.com\r\nn5.com\r\n");
}

TEST_F(ResultLists, SavedNamesSurviveARestartAndDeletionsStick) {
    folder.write("Remembered.txt", "abc.com\r\n\r\n \r\nxyz.net\r\nkeep.org\r\n");
    load();
    EXPECT_EQ(form->List5.items(), (std::vector<std::string>{"abc.com", "xyz.net", "keep.org"}));
    form->List5.setListIndex(1);
    form->cmdClear_Click(5);
    EXPECT_EQ(form->Label5.caption(), "Saved Domains");

    ProgramState restarted{folder.path()};
    MainWindow again(services, restarted);
    again.Form_Load();
    EXPECT_EQ(again.List5.items(), (std::vector<std::string>{"abc.com", "keep.org"}));
    again.mnuEditItem_Click(5);
    EXPECT_EQ(folder.read("Remembered.txt"), "");
}

TEST_F(ResultLists, DoubleClickOpensThePurchasePageForTheName) {
    std::vector<std::optional<std::string>> opened;
    hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(std::move(address)); };
    load();
    fill(2, {"abc.net", "a&b=c#d.com"});
    form->List2.setListIndex(0);
    form->List_DblClick(2);
    form->List2.setListIndex(1);
    form->List_DblClick(2);
    form->List5.setListIndex(-1);
    form->List_DblClick(5);

    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], state.Constants.PurchaseAddress + "abc.net");
    EXPECT_NE(opened[0]->find("TLD=.com&domainToCheck=abc.net"), std::string::npos);
    EXPECT_EQ(opened[1], state.Constants.PurchaseAddress + "a%26b%3Dc%23d.com");
    EXPECT_EQ(opened[2], state.Constants.PurchaseAddress);
    EXPECT_EQ(state.SelectedName, "");
}

TEST_F(ResultLists, DoubleClickOpensTheWhoisWindowWhenPurchasesAreOff) {
    std::vector<std::string> looked;
    hooks.openWhois = [&](const std::string& name) { looked.push_back(name); };
    state.Constants.PurchaseOnDblClick = false;
    load();
    EXPECT_EQ(form->Frame2.caption(), "Domain Name Manager");
    fill(5, {"example.de"});
    form->List5.setListIndex(0);
    form->List_DblClick(5);
    EXPECT_EQ(looked, std::vector<std::string>{"example.de"});
    EXPECT_EQ(state.SelectedName, "example.de");
}

TEST_F(ResultLists, MenusSelectSourcesAndOpenWindows) {
    int settings = 0;
    std::vector<std::optional<std::string>> opened;
    hooks.showSettings = [&] { ++settings; };
    hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(std::move(address)); };
    load();
    services.dialogsFake.answers.push_back(std::nullopt);
    form->mnuToolsItem_Click(8);
    EXPECT_EQ(form->Combo1.text(), "Custom List");
    EXPECT_EQ(services.dialogsFake.requests.size(), 1u);
    form->mnuOptionsItem_Click();
    form->cmdSetup_Click();
    EXPECT_EQ(settings, 2);
    form->cmdWebsite_Click();
    EXPECT_EQ(state.WebsiteMode, "Website");
    EXPECT_EQ(opened, std::vector<std::optional<std::string>>{std::nullopt});
}

}  // namespace
}  // namespace quillmark
