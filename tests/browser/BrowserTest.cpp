#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWebEngineView>

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "harvest/ui/BrowseWindowView.h"
#include "harvest/ui/ListBuilderView.h"
#include "platform/qt/browser/QtBrowser.h"
#include "program/ui/website/WebsiteOpener.h"
#include "program/ui/website/WebsiteWindowView.h"
#include "support/LiveMainWindow.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

// Generous: the first page also starts the browser engine.
bool waitFor(const std::function<bool()>& done, int ms = 30'000) {
    return QTest::qWaitFor(done, ms);
}

// Pages are files of a test folder; their address ignores any query.
std::string page(const testing::TempFolder& folder, const std::string& name, const std::string& html) {
    std::filesystem::create_directories((folder / name).parent_path());
    folder.write(name, html);
    return "file://" + (folder / name).string();
}

TEST(QtBrowser, GivesADocumentPerFrameWithTheTopMarkupAndNoEventOnceDropped) {
    testing::TempFolder folder;
    page(folder, "l.html", "<html><body>Left</body></html>");
    page(folder, "r.html", "<html><body>Right</body></html>");
    const std::string frames = page(
        folder, "f.html", "<html><frameset cols=\"50%,50%\"><frame src=\"l.html\"><frame src=\"r.html\">");
    QWebEngineView view;
    view.show();
    Names documents;
    auto browser = std::make_unique<qt::QtBrowser>(&view, frames);
    browser->setEvents({[&](const std::string& markup) { documents.push_back(markup); }, {}, {}, {}, {}});
    browser->GoHome();
    ASSERT_TRUE(waitFor([&] { return documents.size() == 3; }));
    for (const auto& markup : documents) EXPECT_NE(markup.find("<frame "), std::string::npos);
    EXPECT_EQ(browser->LocationURL(), frames);
    // Dropped in the middle of a load: the load goes on, unheard.
    bool finished = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&finished] { finished = true; });
    browser->Navigate(frames + "?again");
    browser.reset();
    ASSERT_TRUE(waitFor([&] { return finished; }));
    QTest::qWait(100);
    EXPECT_EQ(documents.size(), 3u);
}

TEST(WebsiteView, OpensTheDetailsThenFollowsItsPagesAndEndsTheProgramAfterTheMainWindow) {
    testing::TempFolder folder;
    program::ProductIdentity constants = program::ThisProduct();
    constants.WebAddress = page(folder, "1.html", "<html><head><title>First</title></head></html>");
    constants.ProductDetailsAddress =
        page(folder, "2.html", "<html><head><title>Second</title></head></html>");
    bool WebsiteMode = false, MainClosed = false;
    int ended = 0;
    WebsiteOpener window{constants, WebsiteMode, MainClosed,
                         program::WebsiteHooks{{}, [&ended] { ++ended; }}};
    // A page has loaded when the window shows its title, and its address box the address.
    const auto shows = [&](const char* title, const std::string& address) {
        return waitFor([&] { return window.view() && window.view()->windowTitle() == title; }) &&
               window.view()->findChild<QLineEdit*>()->text().toStdString() == address;
    };
    window.show();
    ASSERT_TRUE(shows("Second", constants.ProductDetailsAddress));
    WebsiteWindowView* first = window.view();
    EXPECT_TRUE(window.isVisible() && first->isMaximized());
    window.show(constants.WebAddress);  // the open window is reused and sent elsewhere
    ASSERT_TRUE(shows("First", constants.WebAddress));
    EXPECT_EQ(window.view(), first);
    QLineEdit* address = first->findChild<QLineEdit*>();
    address->clear();
    QTest::keyClicks(address, QString::fromStdString(constants.ProductDetailsAddress));
    QTest::keyClick(address, Qt::Key_Return);
    ASSERT_TRUE(shows("Second", constants.ProductDetailsAddress));
    MainClosed = true;
    QPointer<WebsiteWindowView> closing(first);
    first->close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(waitFor([&] { return closing.isNull(); }));
    window.show();  // opened again, it loads anew on the web address
    ASSERT_TRUE(shows("First", constants.WebAddress));
}

// The real services, with message boxes answered at once.
class AnsweredMessages : public Services {
public:
    explicit AnsweredMessages(Services& real) : real_(real) {}
    std::unique_ptr<TcpClient> makeTcpClient() override { return real_.makeTcpClient(); }
    std::unique_ptr<Timer> makeTimer() override { return real_.makeTimer(); }
    EventPump& pump() override { return real_.pump(); }
    SettingsStore& settings() override { return real_.settings(); }
    Clipboard& clipboard() override { return real_.clipboard(); }
    FileDialogs& dialogs() override { return real_.dialogs(); }
    MessageBox& messages() override { return box; }
    Shell& shell() override { return real_.shell(); }
    Clock& clock() override { return real_.clock(); }
    testing::FakeMessageBox box;

private:
    Services& real_;
};

// The main window and its whois server are live; each name's first label tells its verdict.
class HarvestWindows : public ::testing::Test {
protected:
    HarvestWindows() {
        const std::string port = std::to_string(live.server.port());
        live.folder.write("registrars.txt",
                          "com|127.0.0.1|" + port + "|Enabled\r\nnet|127.0.0.1|" + port + "|Enabled\r\n\r\n");
        live.open();
    }
    testing::LiveMainWindow live;
    AnsweredMessages services{live.services};
    harvest::SearchSites sites;
};

// Every result page is the same file here: the second brings nothing new and ends the run.
TEST_F(HarvestWindows, TheListBuilderWritesTheListAndTheMainWindowLooksItUp) {
    std::string links;
    for (const char* name : {"free1.com", "taken1.com", "free2.net"})
        links += "<a href=\"http://www." + std::string(name) + "/home\">" + name + "</a>\n";
    page(live.folder, "google/search", "<html><body>" + links + "</body></html>");
    sites.googleAddress = "file://" + (live.folder / "google").string();
    live.form->searchType.setText("Google Search");
    live.form->ChooseSearchType();
    live.form->searchText.setText("blue widgets");
    ListBuilderView view(services, *live.form, sites);
    bool closed = false;
    QObject::connect(&view, &ListBuilderView::closed, [&closed] { closed = true; });
    view.show();
    view.form().Load();
    ASSERT_TRUE(waitFor([&] { return closed; }, 60'000));
    EXPECT_EQ(live.folder.read("BrowserSearch.txt"), "free1.com\r\ntaken1.com\r\nfree2.net\r\n\r\n");
    EXPECT_EQ(live.folder.read("searches/Google blue widgets.txt"), live.folder.read("BrowserSearch.txt"));
    ASSERT_EQ(services.box.shown.size(), 1u);
    EXPECT_EQ(services.box.shown[0].text, "List of 3 unique domains was created successfully!");
    EXPECT_TRUE(live.waitForStop());
    EXPECT_EQ(live.form->registeredList.items(), Names{"taken1.com"});
}

TEST_F(HarvestWindows, TheBrowseWindowChecksEachNameOfItsPageOnce) {
    sites.browseStartPage =
        page(live.folder, "start.html", "<p>See freeone.com takenone.net freeone.com</p>");
    BrowseWindowView view(services, *live.form, sites);
    view.show();
    harvest::BrowseWindow& form = view.form();
    form.Load();
    ASSERT_TRUE(waitFor([&] {
        return form.unregisteredList.listCount() + form.registeredList.listCount() == 2;
    })) << form.statusBar.panelText(1)
        << " | " << form.statusBar.panelText(2);
    EXPECT_EQ(form.unregisteredList.items(), Names{"freeone.com"});
    EXPECT_EQ(live.form->registeredList.items(), Names{"takenone.net"});
    EXPECT_EQ(live.server.queries(), (std::map<std::string, int>{{"freeone.com", 1}, {"takenone.net", 1}}));
    view.close();
    EXPECT_FALSE(std::filesystem::exists(live.folder / "BrowserSearch.txt"));
}

}  // namespace
}  // namespace quillmark
