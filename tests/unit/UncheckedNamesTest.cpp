#include "engine/UncheckedWindow.h"
#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using UncheckedNames = testing::MainWindowFixture;

TEST_F(UncheckedNames, ANameWithoutAVerdictIsKeptWithItsReasonUntilOneComes) {
    folder.write("replyrules.txt", "*\tfree\tno match\n*\terror\tbroken\nno rule\n");
    folder.write("Unchecked.txt", "later.com\tno answer\r\n");
    start({"empty.com", "broken.com", "nowhere.zzzz", ".com", "later.com", "gone.com"});
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (2)");
    EXPECT_EQ(form->statusBar.panelText(3), "replyrules.txt: line 3 skipped");
    // A name without a server never connects: its slot takes the next name.
    for (const auto& [slot, reply] : std::vector<std::pair<int, std::string_view>>{
             {0, ""}, {1, "Server broken"}, {3, "No match for later.com"}})
        answer(slot, reply);
    form->Stop();  // the names still in flight stay open for the next run
    EXPECT_EQ(unchecked, (std::vector<std::string>{"nowhere.zzzz|no server", "empty.com|server error",
                                                   "broken.com|server error"}));
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (3)");
    EXPECT_EQ(folder.read("Unchecked.txt"),
              "nowhere.zzzz\tno server\r\nempty.com\tserver error\r\nbroken.com\tserver error\r\n");

    // Their window lists them and asks them again from the file, without the reasons.
    UncheckedWindow window(*form);
    window.Load();
    EXPECT_EQ(window.names.count(), 3);
    EXPECT_EQ(window.names.cell(1, 0) + "|" + window.names.cell(1, 1), "empty.com|server error");
    window.LookUpAgain();
    EXPECT_EQ(form->searchType.text() + " " + form->listSize.text(), "Unchecked Names 3");
    EXPECT_FALSE(window.lookUpAgainButton.enabled());  // while the run goes
    for (int slot = 0; slot < 2; ++slot) answer(slot, "No match");
    EXPECT_EQ(client(0).sent, "empty.com\r\n");
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(folder.read("Unchecked.txt"), "nowhere.zzzz\tno server\r\n");
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (1)");
}

}  // namespace
}  // namespace quillmark
