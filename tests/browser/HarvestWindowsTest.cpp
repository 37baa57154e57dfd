#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>

#include "fakes/FakeServices.h"
#include "harvest/ui/BrowseWindowView.h"
#include "harvest/ui/ListBuilderView.h"
#include "support/LiveMainWindow.h"
#include "support/LocalHttpServer.h"

namespace quillmark {
namespace {

using testing::LiveMainWindow;
using testing::LocalHttpServer;

// The first page also starts the browser engine.
constexpr int kPageMs = 30'000;

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

std::string Links(const std::string& stem, int count) {
    std::string page = "<html><body><ol>";
    for (int i = 0; i < count; ++i) {
        const std::string name = stem + std::to_string(i) + ".com";
        page += "<li><a href=\"http://www." + name + "/home\">" + name + "</a></li>\n";
    }
    return page + "</ol></body></html>";
}

class HarvestOpener : public ::testing::Test {
protected:
    HarvestOpener() {
        const std::string port = std::to_string(live.server.port());
        live.folder.write("registrars.txt",
                          "com|127.0.0.1|" + port + "|Enabled\r\nnet|127.0.0.1|" + port + "|Enabled\r\n\r\n");
        live.open();
        sites.googleAddress = http.url("/google");
        sites.yahooAddress = http.url("/yahoo");
        sites.browseStartPage = http.url("/start");
    }

    // Runs the list builder until its window has closed.
    bool buildList(const std::string& engine, const std::string& searchText) {
        live.form->searchType.setText(engine);
        live.form->ChooseSearchType();
        live.form->searchText.setText(searchText);
        auto view = std::make_unique<ListBuilderView>(services, *live.form, sites);
        bool closed = false;
        QObject::connect(view.get(), &ListBuilderView::closed, [&closed] { closed = true; });
        view->show();
        view->form().Load();
        return QTest::qWaitFor([&] { return closed; }, 3 * kPageMs);
    }

    LiveMainWindow live;
    AnsweredMessages services{live.services};
    LocalHttpServer http;
    harvest::SearchSites sites;
};

TEST_F(HarvestOpener, TheListBuilderPagesThroughBothEnginesAndStartsTheRun) {
    const std::string google = "/google/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8&safe=off&filter=0&start=";
    http.page(google + "0&sa=N&q=blue+widgets", Links("free", 5));
    http.page(google + "100&sa=N&q=blue+widgets", Links("taken", 5));
    http.page(google + "200&sa=N&q=blue+widgets", Links("free", 5));  // nothing new: the end
    ASSERT_TRUE(buildList("Google Search", "blue widgets"));
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
    EXPECT_EQ(live.form->registeredList.listCount(), 5);  // registered
    EXPECT_EQ(live.state.highCount + live.state.midCount + live.state.lowCount, 5);

    const std::string yahoo = "/yahoo/search/dir?h=s&xargs=0&p=red&b=";
    http.page(yahoo + "1", Links("ya", 3));
    http.page(yahoo + "21", Links("yb", 3));
    http.page(yahoo + "41", "<html><body>No results</body></html>");
    ASSERT_TRUE(buildList("Yahoo Search", "red"));
    for (const char* b : {"1", "21", "41"}) EXPECT_EQ(http.requests(yahoo + b), 1) << b;
    EXPECT_EQ(live.folder.read("searches/Yahoo red.txt").substr(0, 11), "ya0.com\r\nya");
}

TEST_F(HarvestOpener, TheBrowseWindowChecksEachNameOnceAndGivesUpOnASilentServer) {
    http.page("/start", "<html><body><p>See freeone.com takenone.net and freetwo.com here</p></body></html>");
    http.page("/again", "<html><body><p>Again freeone.com and takenone.net here</p></body></html>");
    http.page("/slow", "<html><body><p>silentone.com then freethree.com</p></body></html>");
    BrowseWindowView view(services, *live.form, sites);
    view.show();
    harvest::BrowseWindow& form = view.form();
    form.Load();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return form.unregisteredList.listCount() == 2 && form.registeredList.listCount() == 1; },
        kPageMs))
        << form.statusBar.panelText(1) << " | " << form.statusBar.panelText(2);
    EXPECT_EQ(form.unregisteredList.items(), (std::vector<std::string>{"freeone.com", "freetwo.com"}));
    EXPECT_EQ(live.form->registeredList.items(), std::vector<std::string>{"takenone.net"});

    form.addressBox.setText(http.url("/again"));
    form.Go();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.statusBar.panelText(2) == "No Domains Found"; }, kPageMs));
    form.addressBox.setText(http.url("/slow"));
    form.Go();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.unregisteredList.listCount() == 3; }, kPageMs));
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
