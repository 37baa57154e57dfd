#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWebEngineView>

#include <memory>
#include <string>
#include <vector>

#include "harvest/ui/BrowseWindowView.h"
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

// Pages are files of a test folder.
std::string page(const testing::TempFolder& folder, const std::string& name, const std::string& html) {
    folder.write(name, html);
    return "file://" + (folder / name).string();
}

// One document per frame, each the top page's markup; whether each page loaded; none once the browser
// is dropped mid-load.
TEST(QtBrowser, GivesADocumentPerFrameWithTheTopMarkupAndNoEventOnceDropped) {
    testing::TempFolder folder;
    page(folder, "l.html", "Left");
    const std::string frames =
        page(folder, "f.html", "<frameset cols=\"50%,50%\"><frame src=\"l.html\"><frame src=\"l.html\">");
    QWebEngineView view;
    view.show();
    Names documents;
    std::vector<bool> loads;
    auto browser = std::make_unique<qt::QtBrowser>(&view, frames);
    Browser::Events events;
    events.documentComplete = [&](const std::string& markup) { documents.push_back(markup); };
    events.pageLoaded = [&](bool ok) { loads.push_back(ok); };
    browser->setEvents(std::move(events));
    browser->GoHome();
    ASSERT_TRUE(waitFor([&] { return documents.size() == 3; }));
    EXPECT_EQ(documents, Names(3, documents[0]));
    EXPECT_NE(documents[0].find("<frame "), std::string::npos);
    EXPECT_EQ(browser->LocationURL(), frames);
    // A refused address ends in the browser's error page: not a page that loaded.
    browser->Navigate("http://127.0.0.1:1/");
    ASSERT_TRUE(waitFor([&] { return loads.size() == 2; }));
    EXPECT_EQ(loads, (std::vector<bool>{true, false}));
    bool finished = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&finished] { finished = true; });
    const std::size_t before = documents.size();
    browser->Navigate(frames + "?again");
    browser.reset();
    ASSERT_TRUE(waitFor([&] { return finished; }));
    QTest::qWait(100);
    EXPECT_EQ(documents.size(), before);
}

// The window opens on the details, is reused while open, and ends the program
// on closing once the main window has closed.
TEST(WebsiteView, OpensTheDetailsIsReusedAndEndsTheProgramAfterTheMainWindow) {
    testing::TempFolder folder;
    program::ProductIdentity constants = program::ThisProduct();
    constants.WebAddress = page(folder, "1.html", "<title>First</title>");
    constants.ProductDetailsAddress = page(folder, "2.html", "<title>Second</title>");
    bool WebsiteMode = false, MainClosed = true;
    int ended = 0;
    WebsiteOpener window{constants, WebsiteMode, MainClosed,
                         program::WebsiteHooks{{}, [&ended] { ++ended; }}};
    const auto shows = [&](const char* title) {
        return waitFor([&] { return window.view() && window.view()->windowTitle() == title; });
    };
    window.show();
    ASSERT_TRUE(shows("Second"));
    QPointer<WebsiteWindowView> first(window.view());
    window.show(constants.WebAddress);
    ASSERT_TRUE(shows("First"));
    EXPECT_EQ(window.view(), first);
    first->close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(waitFor([&] { return first.isNull(); }));
}

// The main window and its whois server are live; each name's first label tells its verdict.
TEST(BrowseWindowView, ChecksEachNameOfItsPageOnceAgainstTheLiveMainWindow) {
    testing::LiveMainWindow live;
    const std::string port = std::to_string(live.server.port());
    live.folder.write("registrars.txt",
                      "com|127.0.0.1|" + port + "|Enabled\r\nnet|127.0.0.1|" + port + "|Enabled\r\n\r\n");
    live.open();
    harvest::SearchSites sites;
    sites.browseStartPage =
        page(live.folder, "start.html", "<p>See freeone.com takenone.net freeone.com</p>");
    BrowseWindowView view(live.services, *live.form, sites);
    view.show();
    harvest::BrowseWindow& form = view.form();
    form.Load();
    ASSERT_TRUE(
        waitFor([&] { return form.unregisteredList.listCount() + form.registeredList.listCount() == 2; }));
    EXPECT_EQ(form.unregisteredList.items(), Names{"freeone.com"});
    EXPECT_EQ(live.form->registeredList.items(), Names{"takenone.net"});
    EXPECT_EQ(live.server.queries(), (std::map<std::string, int>{{"freeone.com", 1}, {"takenone.net", 1}}));
    // The page shows beside the lists and takes the room they leave.
    QWebEngineView* shown = nullptr;
    for (auto* candidate : view.findChildren<QWebEngineView*>())
        shown = candidate->isVisible() ? candidate : shown;
    ASSERT_NE(shown, nullptr);
    for (const QSize size : {QSize(900, 600), QSize(1600, 1000)}) {
        view.resize(size);
        QTest::qWait(50);
        EXPECT_GE(shown->width() * 5, view.width() * 3) << size.width();
        EXPECT_GE(shown->height() * 5, view.height() * 3) << size.width();
    }
    view.close();
    EXPECT_FALSE(std::filesystem::exists(live.folder / "BrowserSearch.txt"));
}

}  // namespace
}  // namespace quillmark
