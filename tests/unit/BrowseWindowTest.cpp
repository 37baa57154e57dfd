#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeBrowser.h"
#include "harvest/BrowseWindow.h"
#include "support/MainWindowFixture.h"

namespace quillmark::harvest {
namespace {

using Names = std::vector<std::string>;

class BrowseWindowTest : public testing::MainWindowFixture {
protected:
    BrowseWindowTest() {
        sites.browseStartPage = "http://127.0.0.1:1/start";
        load();
        window = std::make_unique<BrowseWindow>(services, *form, page, framePage, sites);
        whois = services.clients.back();
        window->Load();
    }
    void visit(const std::string& markup) {
        page.raiseDownloadBegin();
        page.raiseDocumentComplete(markup);
    }
    // The server of the check in flight answers and closes.
    void reply(std::string_view text) {
        whois->raiseConnected();
        if (!text.empty()) whois->raiseData(text);
        whois->raiseClosed();
    }

    SearchSites sites;
    testing::FakeBrowser page, framePage;
    std::unique_ptr<BrowseWindow> window;
    testing::FakeTcpClient* whois = nullptr;
};

// Frames are followed in the second browser; names under disabled extensions are never checked.
TEST_F(BrowseWindowTest, ChecksEachNameOfItsPagesAndFramesOnceAndHandsTheVerdictsToTheMainWindow) {
    EXPECT_EQ(page.calls, Names{"Navigate http://127.0.0.1:1/start"});
    EXPECT_FALSE(std::filesystem::exists(folder / "BrowserSearch.txt"));  // made at start-up, gone now
    visit("<p>Visit example.com today or <a href=\"http://www.other.net/x\">there</a></p>");
    EXPECT_EQ(folder.read("BrowserSearch.txt"), "example.com\r\nother.net\r\n\r\n");
    EXPECT_EQ(whois->host + ":" + std::to_string(whois->port), "whois.test:4343");
    whois->raiseConnected();
    EXPECT_EQ(whois->sent, "example.com\r\n");
    whois->raiseData("NO MATCH FOR \"EXAMPLE.COM\"");
    whois->raiseClosed();
    EXPECT_EQ(whois->host, "whois.net.test");
    reply("Domain Name: OTHER.NET");
    EXPECT_EQ(window->unregisteredList.items(), Names{"example.com"});
    EXPECT_EQ(window->registeredList.items(), Names{"other.net"});
    EXPECT_EQ(listed.size(), 2u);  // the main window's lists have both
    visit("<frameset><frame src=\"http://www.other.net/in/main.html\"></frameset><p>example.com a.org</p>");
    EXPECT_EQ(framePage.calls, Names{"Navigate http://www.other.net/in/main.html"});
    EXPECT_EQ(window->statusBar.panelText(2), "No Domains Found");
    // The browser's own error page in place of a page or frame gives no names.
    page.raiseDownloadBegin();
    page.raisePageLoaded(false);
    page.raiseDocumentComplete("<p>See crbug.com</p>");
    EXPECT_EQ(window->statusBar.panelText(2), "The page did not load");
    framePage.raisePageLoaded(false);
    framePage.raiseDocumentComplete("<p>refused.com</p>");
    framePage.raisePageLoaded(true);
    framePage.raiseDocumentComplete("<p>inside.com</p>");
    EXPECT_EQ(window->statusBar.panelText(1), "Checking status of: inside.com");
}

// A stalled server is given up after five ticks; closing removes the list and stops checking.
TEST_F(BrowseWindowTest, AStalledServerIsGivenUpAndClosingStopsChecking) {
    visit("<p>slow.com and next.com</p>");
    whois->raiseConnected();
    services.clockFake.advance(4 * BrowseWindow::kTickMs);
    EXPECT_EQ(whois->connectCount, 1);  // the second timer's ticks did not ask again
    services.clockFake.advance(BrowseWindow::kTickMs);
    EXPECT_EQ(window->statusBar.panelText(1), "Checking status of: next.com");
    reply("No match for next.com");
    EXPECT_EQ(window->unregisteredList.items(), Names{"next.com"});
    EXPECT_TRUE(window->registeredList.items().empty());  // slow.com is recorded nowhere
    visit("<p>one.com two.com</p>");
    window->Unload();
    services.clockFake.advance(10 * BrowseWindow::kTickMs);
    visit("<p>three.com</p>");
    EXPECT_EQ(whois->connectCount, 3);
    EXPECT_FALSE(std::filesystem::exists(folder / "BrowserSearch.txt"));
}

// The reply rules judge here as in the main window; a name without a verdict
// joins the unchecked names. Clearing the free list lets every name found
// be found and checked again.
TEST_F(BrowseWindowTest, DeleteKeysCopyAndClearActOnTheirOwnList) {
    visit("<p>a.com b.com e.com c.com</p>");
    reply("Domain Name: A.COM");
    reply("Registrar: Example");
    reply("");
    reply("no match for c.com");
    EXPECT_EQ(window->registeredList.items(), (Names{"a.com", "b.com"}));
    EXPECT_EQ(unchecked, Names{"e.com|server error"});
    window->CopyList(BrowseList::Registered);
    EXPECT_EQ(services.clipboardFake.contents, "a.com\r\nb.com\r\n");
    window->registeredList.setListIndex(0);
    window->ListKeyDown(BrowseList::Registered, key::kDelete, 0);
    EXPECT_EQ(window->registeredList.items(), Names{"b.com"});
    window->ListKeyDown(BrowseList::Registered, key::kDelete, key::kShiftMask);
    EXPECT_TRUE(window->registeredList.items().empty());
    EXPECT_EQ(window->unregisteredList.items(), Names{"c.com"});
    window->ClearList(BrowseList::Unregistered);
    visit("<p>a.com</p>");
    reply("No match for a.com");
    EXPECT_EQ(window->unregisteredList.items(), Names{"a.com"});
    // Each caption counts its own list.
    EXPECT_EQ(window->unregisteredCaption.caption() + " " + window->registeredCaption.caption(),
              "Unregistered (1) Registered (0)");
    EXPECT_EQ(whois->connectCount, 5);
}

}  // namespace
}  // namespace quillmark::harvest
