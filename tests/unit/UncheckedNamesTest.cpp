#include "engine/UncheckedWindow.h"
#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using UncheckedNames = testing::MainWindowFixture;

TEST_F(UncheckedNames, ANameWithoutAVerdictIsKeptWithItsReasonUntilOneComes) {
    folder.write("replyrules.txt", "*\tfree\tno match\n*\tthrottled\tslow down\n*\terror\tbroken\nno rule\n");
    folder.write("Unchecked.txt", "later.com\tno answer\r\n");
    start(
        {"busy.com", "empty.com", "broken.com", "nowhere.zzzz", ".com", "later.com", "gone.com", "free.com"});
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (2)");
    EXPECT_EQ(form->statusBar.panelText(3), "replyrules.txt: line 4 skipped");
    // Slot by slot, in the order of the list; a name without a server never connects.
    for (const auto& [slot, reply] : std::vector<std::pair<int, std::string_view>>{
             {0, "Please slow down"}, {1, ""}, {2, "Server broken"}, {5, "No match for later.com"}})
        answer(slot, reply);
    EXPECT_TRUE(client(3).host.empty());
    form->Stop();
    EXPECT_EQ(unchecked, (std::vector<std::string>{"nowhere.zzzz|no server", "busy.com|throttled",
                                                   "empty.com|server error", "broken.com|server error",
                                                   "gone.com|no answer", "free.com|no answer"}));
    EXPECT_EQ(unjudged, std::vector<std::string>{".com"});
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (6)");
    EXPECT_EQ(folder.read("Unchecked.txt"),
              "nowhere.zzzz\tno server\r\nbusy.com\tthrottled\r\nempty.com\tserver error\r\n"
              "broken.com\tserver error\r\ngone.com\tno answer\r\nfree.com\tno answer\r\n");

    // Their window lists them and asks them again from the file, without the reasons.
    UncheckedWindow window(*form);
    window.Load();
    EXPECT_EQ(window.names.count(), 6);
    EXPECT_EQ(window.names.cell(1, 0) + "|" + window.names.cell(1, 1), "busy.com|throttled");
    window.LookUpAgain();
    EXPECT_EQ(form->searchType.text() + " " + form->listSize.text(), "Unchecked Names 6");
    EXPECT_FALSE(window.lookUpAgainButton.enabled());  // while the run goes
    for (int slot = 1; slot < 5; ++slot) answer(slot, "No match");
    EXPECT_EQ(client(1).sent, "busy.com\r\n");
    form->Stop();
    EXPECT_EQ(folder.read("Unchecked.txt"), "nowhere.zzzz\tno server\r\nfree.com\tno answer\r\n");
    EXPECT_EQ(form->uncheckedButton.caption(), "Unchecked (2)");
}

}  // namespace
}  // namespace quillmark
