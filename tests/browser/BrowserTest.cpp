#include <gtest/gtest.h>

#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/browser/QtBrowser.h"
#include "support/LocalHttpServer.h"

namespace quillmark {
namespace {

// Generous: the first load also starts the browser engine.
constexpr int kLoadMs = 20000;

// Every event of a browser, in order; the markup of each document apart.
struct Recorder {
    Browser::Events events() {
        return {[this](const std::string& markup) {
                    documents.push_back(markup);
                    log.push_back("document");
                },
                [this](const std::string& text) { log.push_back("status " + text); },
                [this] { log.push_back("begin"); }, [this] { log.push_back("complete"); },
                [this](const std::string& title) { log.push_back("title " + title); }};
    }
    long count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }
    // Runs a step and waits for the document it loads.
    bool loads(const std::function<void()>& step) {
        *this = {};
        step();
        return QTest::qWaitFor([&] { return count("complete") > 0 && !documents.empty(); }, kLoadMs);
    }
    std::vector<std::string> log, documents;
};

class QtBrowserTest : public ::testing::Test {
protected:
    // One server and one page area for the suite: starting the engine costs seconds.
    static void SetUpTestSuite() {
        server = std::make_unique<testing::LocalHttpServer>();
        server->page("/",
                     "<html><head><title>First page</title></head><body><p>Hello from the first page</p>"
                     "</body></html>");
        server->page("/two", "<html><head><title>Second page</title></head><body>Second body</body></html>");
        server->page("/frames",
                     "<html><head><title>Frames</title></head><frameset cols=\"50%,50%\">"
                     "<frame src=\"/left\"><frame src=\"/right\"></frameset></html>");
        server->page("/left", "<html><body>Left frame</body></html>");
        server->page("/right", "<html><body>Right frame</body></html>");
        view = std::make_unique<QWebEngineView>();
        view->show();
        browser = std::make_unique<qt::QtBrowser>(view.get());
    }
    static void TearDownTestSuite() {
        browser.reset();
        view.reset();
        server.reset();
    }

    QtBrowserTest() { browser->setEvents(recorder.events()); }

    static inline std::unique_ptr<testing::LocalHttpServer> server;
    static inline std::unique_ptr<QWebEngineView> view;
    static inline std::unique_ptr<qt::QtBrowser> browser;
    Recorder recorder;
};

TEST_F(QtBrowserTest, LoadsPagesReadsTheirBodyAndWalksTheHistory) {
    ASSERT_TRUE(recorder.loads([] { browser->Navigate(server->url("/")); }));
    const auto& log = recorder.log;
    EXPECT_EQ(log.front(), "begin");
    EXPECT_LT(std::find(log.begin(), log.end(), "complete"), std::find(log.begin(), log.end(), "document"));
    EXPECT_EQ(recorder.count("title First page"), 1);
    EXPECT_NE(recorder.documents.back().find("<p>Hello from the first page</p>"), std::string::npos);
    EXPECT_EQ(browser->bodyMarkup(), recorder.documents.back());
    ASSERT_TRUE(recorder.loads([] { browser->Navigate(server->url("/two")); }));
    for (const auto& [step, title, path] : {std::tuple{&Browser::GoBack, "First page", "/"},
                                            std::tuple{&Browser::GoForward, "Second page", "/two"}}) {
        ASSERT_TRUE(recorder.loads([step = step] { (browser.get()->*step)(); })) << path;
        EXPECT_EQ(browser->LocationName(), title);
        EXPECT_EQ(browser->LocationURL(), server->url(path));
    }
}

TEST_F(QtBrowserTest, FramesGiveADocumentEachAndOneForThePage) {
    ASSERT_TRUE(recorder.loads([] { browser->Navigate(server->url("/frames")); }));
    ASSERT_TRUE(QTest::qWaitFor([this] { return recorder.documents.size() >= 3; }, kLoadMs));
    // Whatever else this page raises comes before the next page begins.
    browser->Navigate(server->url("/two"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return recorder.count("begin") == 2; }, kLoadMs));
    EXPECT_EQ(recorder.count("document"), 3);
    // Each one carries the markup of the top document.
    for (const std::string& markup : recorder.documents) EXPECT_NE(markup.find("<frame "), std::string::npos);
    // The next test starts on a quiet page.
    EXPECT_TRUE(QTest::qWaitFor([this] { return recorder.documents.back() == "Second body"; }, kLoadMs));
}

TEST_F(QtBrowserTest, NoHistoryIsHarmlessAndNoEventOutlivesTheBrowser) {
    QWebEngineView fresh;
    Recorder events;
    auto own = std::make_unique<qt::QtBrowser>(&fresh, server->url("/two"));
    own->setEvents(events.events());
    own->GoBack();
    own->GoForward();
    own->Stop();
    ASSERT_TRUE(events.loads([&] { own->GoHome(); }));
    EXPECT_EQ(events.documents.front(), "Second body");
    EXPECT_EQ(own->LocationURL(), server->url("/two"));

    // Dropped in the middle of a load: the load goes on, unheard.
    bool finished = false;
    QObject::connect(&fresh, &QWebEngineView::loadFinished, &fresh, [&finished] { finished = true; });
    own->Navigate(server->url("/"));
    own.reset();
    events = {};
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, kLoadMs));
    QTest::qWait(100);
    EXPECT_TRUE(events.log.empty());
}

}  // namespace
}  // namespace quillmark
