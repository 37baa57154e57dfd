#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "harvest/ui/BrowseWindowView.h"
#include "harvest/ui/ListBuilderView.h"
#include "platform/qt/Skin.h"
#include "platform/qt/browser/QtBrowser.h"
#include "program/ui/website/WebsiteOpener.h"
#include "program/ui/website/WebsiteWindowView.h"
#include "support/LiveMainWindow.h"
#include "support/LocalHttpServer.h"

namespace quillmark {
namespace {

using testing::LocalHttpServer;
using Names = std::vector<std::string>;

// Generous: the first page also starts the browser engine.
bool waitFor(const std::function<bool()>& done, int ms = 30'000) {
    return QTest::qWaitFor(done, ms);
}

// Every event of a browser in order, and the markup of each document apart.
struct Recorder {
    Browser::Events events() {
        return {[this](const std::string& markup) { documents.push_back(markup), log.push_back("document"); },
                [this](const std::string& text) { log.push_back("status " + text); },
                [this] { log.push_back("begin"); }, [this] { log.push_back("complete"); },
                [this](const std::string& title) { log.push_back("title " + title); }};
    }
    long count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }
    Names log, documents;
};

TEST(QtBrowser, LoadsWithoutHistoryGivesADocumentPerFrameAndNoEventOutlivesIt) {
    LocalHttpServer server;
    server.page("/two", "<html><head><title>Second page</title></head><body>Second body</body></html>");
    server.page("/frames",
                "<html><frameset cols=\"50%,50%\"><frame src=\"/l\"><frame src=\"/r\"></frameset></html>");
    server.page("/l", "<html><body>Left frame</body></html>");
    server.page("/r", "<html><body>Right frame</body></html>");
    QWebEngineView view;
    view.show();
    Recorder events;
    auto browser = std::make_unique<qt::QtBrowser>(&view, server.url("/two"));
    browser->setEvents(events.events());
    browser->GoBack();  // no history yet: nothing happens
    browser->GoForward();
    browser->Stop();
    browser->GoHome();
    ASSERT_TRUE(waitFor([&] { return events.count("complete") > 0 && !events.documents.empty(); }));
    const auto& log = events.log;
    EXPECT_EQ(log.front(), "begin");
    EXPECT_LT(std::find(log.begin(), log.end(), "complete"), std::find(log.begin(), log.end(), "document"));
    EXPECT_EQ(events.count("title Second page"), 1);
    EXPECT_EQ(events.documents, Names{"Second body"});
    EXPECT_EQ(browser->bodyMarkup(), "Second body");
    EXPECT_EQ(browser->LocationURL() + "|" + browser->LocationName(), server.url("/two") + "|Second page");

    browser->Navigate(server.url("/frames"));
    ASSERT_TRUE(waitFor([&] { return events.documents.size() >= 4; }));
    // Whatever else this page raises comes before the next page begins; each
    // frame's document carries the markup of the top document.
    browser->Navigate(server.url("/two"));
    ASSERT_TRUE(waitFor([&] { return events.count("begin") == 3; }));
    EXPECT_EQ(events.count("document"), 4);
    for (auto markup = events.documents.begin() + 1; markup != events.documents.end(); ++markup)
        EXPECT_NE(markup->find("<frame "), std::string::npos);

    // Dropped in the middle of a load: the load goes on, unheard.
    ASSERT_TRUE(waitFor([&] { return events.documents.back() == "Second body"; }));
    bool finished = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&finished] { finished = true; });
    browser->Navigate(server.url("/frames"));
    browser.reset();
    events = {};
    ASSERT_TRUE(waitFor([&] { return finished; }));
    QTest::qWait(100);
    EXPECT_TRUE(events.log.empty());
}

TEST(WebsiteView, FollowsThePagesItShowsAndEndsTheProgramAfterTheMainWindow) {
    LocalHttpServer server;
    server.page("/", "<html><head><title>First page</title></head><body>first</body></html>");
    server.page("/two", "<html><head><title>Second page</title></head><body>second</body></html>");
    program::ProductIdentity constants = program::ThisProduct();
    constants.WebAddress = server.hostAndPath("/");  // as configured: a bare host, no scheme
    constants.ProductDetailsAddress = server.url("/two");
    bool WebsiteMode = false, MainClosed = false;
    int ended = 0;
    WebsiteOpener window{constants, WebsiteMode, MainClosed,
                         program::WebsiteHooks{{}, [&ended] { ++ended; }}};
    // The page has loaded when the window shows its title, and its address box the address.
    const auto shows = [&](const char* title, const char* path) {
        return waitFor([&] { return window.view() && window.view()->windowTitle() == title; }) &&
               window.view()->findChild<QLineEdit*>()->text().toStdString() == server.url(path);
    };
    window.show();
    ASSERT_TRUE(shows("Second page", "/two")) << "the product details open first";
    WebsiteWindowView* first = window.view();
    QLineEdit* address = first->findChild<QLineEdit*>();
    EXPECT_TRUE(window.isVisible() && first->isMaximized());
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(address->palette().color(QPalette::Base), qt::StandardSkin().a) << "skinned";
    EXPECT_NE(first->findChild<QLabel*>("panel2"), nullptr);
    // The purchase road: the open window is reused and sent elsewhere.
    window.show(server.url("/"));
    ASSERT_TRUE(shows("First page", "/"));
    EXPECT_EQ(window.view(), first);
    for (auto* button : first->findChildren<QPushButton*>())
        if (button->text() == "Back") QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(shows("Second page", "/two"));
    address->clear();
    QTest::keyClicks(address, QString::fromStdString(server.hostAndPath("/")));
    QTest::keyClick(address, Qt::Key_Return);
    ASSERT_TRUE(shows("First page", "/"));

    MainClosed = true;
    QPointer<WebsiteWindowView> closing(first);
    first->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(waitFor([&] { return closing.isNull(); }));
    // Opened again, it loads anew on the web address.
    window.show();
    ASSERT_TRUE(shows("First page", "/"));
    EXPECT_TRUE(WebsiteMode);
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

class HarvestWindows : public ::testing::Test {
protected:
    HarvestWindows() {
        const std::string port = std::to_string(live.server.port());
        live.folder.write("registrars.txt",
                          "com|127.0.0.1|" + port + "|Enabled\r\nnet|127.0.0.1|" + port + "|Enabled\r\n\r\n");
        live.open();
        sites.googleAddress = http.url("/google");
        sites.browseStartPage = http.url("/start");
    }
    static std::string links(const std::string& stem, int count) {
        std::string page = "<html><body><ol>";
        for (int i = 0; i < count; ++i) {
            const std::string name = stem + std::to_string(i) + ".com";
            page += "<li><a href=\"http://www." + name + "/home\">" + name + "</a></li>\n";
        }
        return page + "</ol></body></html>";
    }

    testing::LiveMainWindow live;
    AnsweredMessages services{live.services};
    LocalHttpServer http;
    harvest::SearchSites sites;
};

TEST_F(HarvestWindows, TheListBuilderPagesThroughTheResultsAndStartsTheRun) {
    const std::string google = "/google/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8&safe=off&filter=0&start=";
    http.page(google + "0&sa=N&q=blue+widgets", links("free", 5));
    http.page(google + "100&sa=N&q=blue+widgets", links("taken", 5));
    http.page(google + "200&sa=N&q=blue+widgets", links("free", 5));  // nothing new: the end
    live.form->searchType.setText("Google Search");
    live.form->ChooseSearchType();
    live.form->searchText.setText("blue widgets");
    ListBuilderView view(services, *live.form, sites);
    bool closed = false;
    QObject::connect(&view, &ListBuilderView::closed, [&closed] { closed = true; });
    view.show();
    view.form().Load();
    ASSERT_TRUE(waitFor([&] { return closed; }, 90'000));
    EXPECT_EQ(http.requests(google + "200&sa=N&q=blue+widgets"), 1);
    EXPECT_EQ(http.requests(google + "300&sa=N&q=blue+widgets"), 0);
    const std::string list = live.folder.read("BrowserSearch.txt");
    EXPECT_EQ(list.rfind("free0.com\r\n", 0), 0u) << list;
    EXPECT_NE(list.find("taken4.com\r\n\r\n"), std::string::npos) << list;
    EXPECT_EQ(live.folder.read("searches/Google blue widgets.txt"), list);
    ASSERT_EQ(services.box.shown.size(), 1u);
    EXPECT_EQ(services.box.shown[0].text, "List of 10 unique domains was created successfully!");
    // The main window looks the new list up.
    EXPECT_TRUE(live.waitForStop());
    EXPECT_EQ(live.form->registeredList.listCount(), 5);
    EXPECT_EQ(live.state.highCount + live.state.midCount + live.state.lowCount, 5);
}

TEST_F(HarvestWindows, TheBrowseWindowChecksEachNameOnceAndGivesUpOnASilentServer) {
    http.page("/start", "<html><body><p>See freeone.com takenone.net and freetwo.com here</p></body></html>");
    http.page("/slow", "<html><body><p>silentone.com then freeone.com and freethree.com</p></body></html>");
    BrowseWindowView view(services, *live.form, sites);
    view.show();
    harvest::BrowseWindow& form = view.form();
    form.Load();
    ASSERT_TRUE(waitFor([&] {
        return form.unregisteredList.listCount() == 2 && form.registeredList.listCount() == 1;
    })) << form.statusBar.panelText(1)
        << " | " << form.statusBar.panelText(2);
    EXPECT_EQ(form.unregisteredList.items(), (Names{"freeone.com", "freetwo.com"}));
    EXPECT_EQ(live.form->registeredList.items(), Names{"takenone.net"});
    form.addressBox.setText(http.url("/slow"));
    form.Go();
    ASSERT_TRUE(waitFor([&] { return form.unregisteredList.listCount() == 3; }));
    EXPECT_EQ(live.server.queries(), (std::map<std::string, int>{{"freeone.com", 1},
                                                                 {"takenone.net", 1},
                                                                 {"freetwo.com", 1},
                                                                 {"silentone.com", 1},
                                                                 {"freethree.com", 1}}));
    EXPECT_EQ(form.registeredList.listCount(), 1);  // the silent name is recorded nowhere
    view.close();
    EXPECT_FALSE(std::filesystem::exists(live.folder / "BrowserSearch.txt"));
}

}  // namespace
}  // namespace quillmark
