#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

class ResultLists : public testing::MainWindowFixture {
protected:
    ResultLists() { load(); }
    void fill(ResultList list, Names names) { form->ListOf(list).setItems(std::move(names)); }
    std::string clipboard() const {
        return services.clipboardFake.contents + std::to_string(services.clipboardFake.clears);
    }
};

TEST_F(ResultLists, DeleteKeysDeleteTheCurrentNameOrClearTheList) {
    // current index, key, modifiers; the names left and the caption ("" when the key does nothing)
    const std::tuple<int, int, int, Names, const char*> rows[] = {
        {-1, key::kDelete, 0, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, 0, {"a.com", "c.com"}, "High Profile (2)"},
        {1, key::kDelete, key::kShiftMask | key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
        {1, 65, key::kShiftMask, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, key::kShiftMask, {}, "High Profile"}};
    for (const auto& [index, keyCode, shift, left, caption] : rows) {
        fill(ResultList::High, {"a.com", "b.com", "c.com"});
        state.highCount = 3;
        form->highCaption.setCaption("");
        form->highList.setListIndex(index);
        form->ListKeyDown(ResultList::High, keyCode, shift);
        EXPECT_EQ(form->highList.items(), left) << caption;
        EXPECT_EQ(state.highCount, static_cast<std::int32_t>(left.size())) << caption;
        EXPECT_EQ(form->highCaption.caption(), caption);
    }
}

// Lists by number: 1 Low, 2 Registered, 3 High, 4 Mid, 5 Saved.
TEST_F(ResultLists, EditMenuClearsTheListsOrReplacesTheClipboardWithEveryNameOfOne) {
    // by entry: the lists emptied, and the list whose names replace the clipboard
    const char* emptied[] = {"134", "3", "4", "1", "2", "5", "", "", "", ""};
    const std::string copied = "      3415";
    for (int entry = 0; entry < 10; ++entry) {
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
        const std::string n(1, copied[entry]);
        EXPECT_EQ(empty + "|" + clipboard(),
                  emptied[entry] + ("|" + (n == " " ? "before0" : n + ".com\r\n" + n + ".net\r\n1")))
            << entry;
    }
    form->CopyList(static_cast<ResultList>(9));  // no such list: the clipboard is left alone
    EXPECT_EQ(clipboard(), "5.com\r\n5.net\r\n1");
    form->midList.clear();
    form->CopyList(ResultList::Mid);
    EXPECT_EQ(clipboard(), "2");
}

// Saved names are written at once, survive a restart and stay deleted.
TEST_F(ResultLists, DragCarriesSelectedIndicesAndSavedNamesSurviveARestart) {
    folder.write("Remembered.txt", "abc.com\r\n\r\n \r\n");
    load();
    fill(ResultList::Mid, {"n0.com", "n1.com", "n2.com", "n3.com", "n4.com", "n5.com"});
    form->midList.setSelected(2, true);
    form->midList.setSelected(5, true);
    EXPECT_EQ(form->DragText(ResultList::Mid), "2|5");
    form->DropOnSaved("2|5");
    EXPECT_EQ(form->savedList.listCount(), 1) << "nothing clicked yet";
    form->ListClicked(ResultList::Mid);
    form->DropOnSaved("2|5");
    form->DropOnSaved("5|x|-1|99||2.5");
    EXPECT_EQ(form->savedList.items(), (Names{"abc.com", "n2.com", "n5.com", "n5.com"}));
    form->savedList.setListIndex(1);
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(form->savedCaption.caption(), "Saved Domains");
    ProgramState restarted{folder.path()};
    MainWindow again(services, restarted);
    again.Load();
    EXPECT_EQ(again.savedList.items(), (Names{"abc.com", "n5.com", "n5.com"}));
    again.EditMenu(5);
    EXPECT_EQ(folder.read("Remembered.txt"), "");
}

TEST_F(ResultLists, DoubleClicksAndMenusOpenTheWindowForTheCurrentName) {
    Names opened;
    hooks.openWebsite = [&](std::optional<std::string> address) {
        opened.push_back(address.value_or("home"));
    };
    hooks.openWhois = [&](const std::string& name) { opened.push_back("whois " + name); };
    load();
    fill(ResultList::Registered, {"abc.net", "a&b=c#d.com"});
    const std::string buy = state.identity.PurchaseAddress;
    // list, current index, whois menu instead of a double click; what opens
    const std::tuple<std::optional<ResultList>, int, bool, std::string> rows[] = {
        {ResultList::Registered, 1, false, buy + "a%26b%3Dc%23d.com"},
        {ResultList::Saved, -1, false, buy},
        {ResultList::Saved, -1, true, ""},
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
}

}  // namespace
}  // namespace quillmark
