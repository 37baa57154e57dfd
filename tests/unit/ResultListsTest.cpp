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

// The file follows at once; Undo brings the names back, with their caption and file.
TEST_F(ResultLists, DeleteKeysDeleteTheCurrentNameOrClearTheListUntilUndone) {
    // current index, key, modifiers; the names left and the caption ("" when the key does nothing)
    const std::tuple<int, int, int, Names, const char*> rows[] = {
        {1, key::kDelete, 0, {"a.com", "c.com"}, "High Profile (2)"},
        {-1, key::kDelete, 0, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, key::kShiftMask | key::kCtrlMask, {"a.com", "c.com"}, "High Profile (2)"},
        {1, 65, key::kShiftMask, {"a.com", "b.com", "c.com"}, ""},
        {1, key::kDelete, key::kShiftMask, {}, "High Profile (0)"}};
    for (const auto& [index, keyCode, shift, left, caption] : rows) {
        fill(ResultList::High, {"a.com", "b.com", "c.com"});
        form->highCaption.setCaption("");
        form->highList.setListIndex(index);
        form->ListKeyDown(ResultList::High, keyCode, shift);
        EXPECT_EQ(form->highList.items(), left) << caption;
        EXPECT_EQ(form->highCaption.caption(), caption);
        if (*caption) {
            EXPECT_EQ(folder.read("SuperHighProfile.txt"), testing::MainWindowFixture::lines(left));
        }
        EXPECT_EQ(form->undoItem.enabled(), *caption != 0) << caption;
        form->AddFreeName("new.com");
        form->Undo();
        EXPECT_EQ(form->highList.items(), (Names{"a.com", "b.com", "c.com", "new.com"})) << caption;
        EXPECT_EQ(folder.read("SuperHighProfile.txt") + form->highCaption.caption(),
                  "a.com\r\nb.com\r\nc.com\r\nnew.com\r\nHigh Profile (4)");
        EXPECT_FALSE(form->undoItem.enabled());
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
        form->Undo();  // one undo for every list of one clear
        for (const ResultList list : kResultLists) EXPECT_EQ(form->ListOf(list).listCount(), 2) << entry;
    }
    form->CopyList(static_cast<ResultList>(9));  // no such list: the clipboard is left alone
    EXPECT_EQ(clipboard(), "5.com\r\n5.net\r\n1");
    form->midList.clear();
    form->CopyList(ResultList::Mid);
    EXPECT_EQ(clipboard(), "2");
    form->AddFreeName("abcdefghij.com");
    form->ClearResultLists();  // as an overflow does
    EXPECT_EQ(form->lowCaption.caption() + "|" + form->midCaption.caption(),
              "Low Profile (0)|Mid Profile (0)");
}

// Saved names are written at once, survive a restart and stay deleted.
TEST_F(ResultLists, DragCarriesSelectedIndicesAndSavedNamesSurviveARestartEachOnce) {
    folder.write("Remembered.txt", "abc.com\r\n\r\n \r\nABC.com\r\n");
    load();
    EXPECT_EQ(folder.read("Remembered.txt"), "abc.com\r\n");
    fill(ResultList::Mid, {"n0.com", "n1.com", "n2.com", "n3.com", "aBc.com", "n5.com"});
    form->midList.setSelected(2, true);
    form->midList.setSelected(5, true);
    EXPECT_EQ(form->DragText(ResultList::Mid), "2|5");
    form->DropOnSaved("2|5");
    EXPECT_EQ(form->savedList.listCount(), 1) << "nothing clicked yet";
    form->ListClicked(ResultList::Mid);
    form->DropOnSaved("2|5");
    form->DropOnSaved("5|x|-1|99|4|2.5");
    EXPECT_EQ(form->savedList.items(), (Names{"abc.com", "n2.com", "n5.com"}));
    form->savedList.setListIndex(1);
    form->DeleteSelected(ResultList::Saved);
    EXPECT_EQ(form->savedCaption.caption(), "Saved Domains (2)");
    form->DropOnSaved("2");
    form->Undo();  // n2.com is saved again: it does not come back twice
    ProgramState restarted{folder.path()};
    MainWindow again(services, restarted);
    again.Load();
    EXPECT_EQ(again.savedList.items(), (Names{"abc.com", "n5.com", "n2.com"}));
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
    fill(ResultList::Registered, {"cat.biz", "a&b=c#d.com"});
    const std::string buy = state.identity.PurchaseAddress;
    // list, current index, whois menu instead of a double click; what opens
    const std::tuple<std::optional<ResultList>, int, bool, std::string> rows[] = {
        {ResultList::Registered, 1, false, buy + "&TLD=.com&domainToCheck=a%26b%3Dc%23d.com"},
        {ResultList::Registered, 0, false, buy + "&TLD=.biz&domainToCheck=cat.biz"},
        {ResultList::Saved, -1, false, buy + "&domainToCheck="},
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

// Every list, CSV or JSON as the file's ending says (CSV otherwise), with the time each
// name was judged in this session; a name from a file has none.
TEST_F(ResultLists, ExportWritesEveryListAsCsvOrJsonWithTheTimesOfJudgement) {
    folder.write("Remembered.txt", "say \"hi\",there.com\r\n");
    load();
    form->AddRegisteredName("taken.net");
    form->AddFreeName("caf\xc3\xa9.co.uk");
    form->ListClicked(ResultList::High);
    form->DropOnSaved("0");
    form->EditMenu(0);
    form->Undo();
    const std::string at = "2026-12-06T09:30:15";
    const testing::Rows expected = {{"name", "list", "extension", "length", "judged"},
                                    {"caf\xc3\xa9.co.uk", "High", "co.uk", "4", at},
                                    {"taken.net", "Registered", "net", "5", at},
                                    {"say \"hi\",there.com", "Saved", "com", "14", ""},
                                    {"caf\xc3\xa9.co.uk", "Saved", "co.uk", "4", at}};
    for (const char* file : {"lists.csv", "lists.JSON", "lists"}) {
        services.dialogsFake.answers.push_back((folder / file).string());
        form->ExportLists();
        const std::string written = folder.read(file);
        EXPECT_EQ(
            std::string(file).ends_with("JSON") ? testing::JsonRows(written) : testing::ReadCsv(written),
            expected)
            << written;
    }
}

}  // namespace
}  // namespace quillmark
