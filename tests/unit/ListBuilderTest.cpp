#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeBrowser.h"
#include "harvest/ListBuilder.h"
#include "support/MainWindowFixture.h"

namespace quillmark::harvest {
namespace {

using testing::FakeBrowser;

// A result page linking to `count` names "<stem>0.com", "<stem>1.com", ...
std::string ResultPage(const std::string& stem, int count) {
    std::string page = "<div><a href=\"http://search.yahoo.com/x\">engine</a>";
    for (int i = 0; i < count; ++i) {
        const std::string name = stem + std::to_string(i) + ".com";
        page += "<a href=\"http://www." + name + "/page\">" + name + "</a>\n";
    }
    return page + "</div>";
}

class ListBuilderTest : public testing::MainWindowFixture {
protected:
    ListBuilderTest() {
        sites.yahooAddress = "http://127.0.0.1:1/yahoo";
        sites.googleAddress = "http://127.0.0.1:1/google";
        hooks.showListBuilder = [] {};
        load();
    }

    ListBuilder& open(std::string_view engine, std::string searchText, int comboIndex = 0) {
        choose(engine);
        form->searchText.setText(std::move(searchText));
        form->searchSize.setListIndex(comboIndex);
        builder = std::make_unique<ListBuilder>(services, *form, browser, sites,
                                                ListBuilderHooks{[this] { ++closes; }});
        builder->Load();
        return *builder;
    }

    // The browser finishes a page, and the gap between pages passes.
    void complete(const std::string& page) {
        browser.raiseDocumentComplete(page);
        services.clockFake.advance(ListBuilder::kPageGapMs);
    }

    std::string file(const std::string& name) { return folder.read(name); }

    SearchSites sites;
    FakeBrowser browser;
    std::unique_ptr<ListBuilder> builder;
    int closes = 0;
};

TEST_F(ListBuilderTest, GooglePagesStepByAHundredUntilAPageBringsNothingNew) {
    open("Google Search", "blue widgets");
    complete(ResultPage("alpha", 30));
    complete(ResultPage("beta", 30));
    EXPECT_EQ(closes, 0);
    complete(ResultPage("alpha", 30));  // nothing new: the run ends
    const std::string query = "&sa=N&q=blue+widgets";
    const std::string path =
        "http://127.0.0.1:1/google/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8&safe=off"
        "&filter=0&start=";
    EXPECT_EQ(browser.navigations,
              (std::vector<std::string>{path + "0" + query, path + "100" + query, path + "200" + query}));
    EXPECT_EQ(builder->found.FoundCount, 60);
    EXPECT_EQ(closes, 1);
}

TEST_F(ListBuilderTest, YahooPagesStepByTwentyAndStopAtTheTarget) {
    open("Yahoo Search", "red", 1);  // "~200 Domains"
    complete(ResultPage("a", 90));
    complete(ResultPage("b", 90));
    complete(ResultPage("c", 90));  // 270 >= 200: every name of the last page goes in
    complete(ResultPage("d", 90));  // after the end: ignored
    const std::string path = "http://127.0.0.1:1/yahoo/search/dir?h=s&xargs=0&p=red&b=";
    EXPECT_EQ(browser.navigations, (std::vector<std::string>{path + "1", path + "21", path + "41"}));
    EXPECT_EQ(builder->found.FoundCount, 270);
    EXPECT_EQ(form->listSize.text(), "270");
}

TEST_F(ListBuilderTest, TheFinishedRunWritesTheListKeepsACopyAndStartsTheLookups) {
    open("Google Search", "blue widgets");
    complete("<a href=\"http://www.example.com/\">x</a> <a href=\"http://shop.example.org/\">y</a>");
    complete("nothing here");
    EXPECT_EQ(file("BrowserSearch.txt"), "example.com\r\n\r\n");
    EXPECT_EQ(file("searches/Google blue widgets.txt"), "example.com\r\n\r\n");
    EXPECT_EQ(form->listSize.text(), "1");
    EXPECT_EQ(builder->progressText.text(), "Finished! Extracted 1 domain names.");
    ASSERT_EQ(services.messagesFake.shown.size(), 1u);
    EXPECT_EQ(services.messagesFake.shown[0].text, "List of 1 unique domains was created successfully!");
    EXPECT_EQ(browser.calls.back(), "Stop");
    // The main window's run has begun on the new list.
    ASSERT_FALSE(services.clients.empty());
    EXPECT_EQ(client(0).host, "whois.test");
    EXPECT_EQ(form->startNumber.text(), "1");
}

TEST_F(ListBuilderTest, APageWithoutNamesEndsTheRunWithAnEmptyList) {
    open("Yahoo Search", "zzz");
    complete("<p>No results</p>");
    EXPECT_EQ(file("BrowserSearch.txt"), "\r\n");
    EXPECT_EQ(file("searches/Yahoo zzz.txt"), "\r\n");
    EXPECT_EQ(form->listSize.text(), "0");
    EXPECT_EQ(services.messagesFake.shown.at(0).text, "List of 0 unique domains was created successfully!");
    EXPECT_EQ(closes, 1);
}

TEST_F(ListBuilderTest, TheSearchTextStaysOneQueryValueAndTheCopyStaysInItsFolder) {
    open("Google Search", "../a b&c=d/e");
    EXPECT_NE(browser.navigations.at(0).find("&q=../a+b%26c%3Dd/e"), std::string::npos)
        << browser.navigations.at(0);
    complete("<a href=\"http://www.example.com/\">x</a>");
    complete("");
    EXPECT_EQ(file("searches/Google .._a b&c=d_e.txt"), "example.com\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "a b&c=d"));
}

TEST_F(ListBuilderTest, APageThatCompletesDuringAnExtractionWaitsForIt) {
    open("Google Search", "x");
    bool raised = false;
    services.pumpFake.pending = [&] {
        if (raised) return;
        raised = true;  // a frame of the same page completes half way
        browser.raiseDocumentComplete(ResultPage("late", 2));
    };
    browser.raiseDocumentComplete(ResultPage("early", 3));
    EXPECT_EQ(builder->found.FoundNames,
              "early0.com\r\nearly1.com\r\nearly2.com\r\n");  // the late page has not begun
    services.clockFake.advance(ListBuilder::kPageGapMs);
    EXPECT_EQ(builder->found.FoundNames,
              "early0.com\r\nearly1.com\r\nearly2.com\r\nlate0.com\r\nlate1.com\r\n");
}

TEST_F(ListBuilderTest, ClosingByHandEndsTheRunWithoutWritingTheList) {
    open("Google Search", "x");
    folder.write("BrowserSearch.txt", "kept.com\r\n");
    browser.raiseDocumentComplete(ResultPage("a", 3));
    builder->Unload();
    services.clockFake.advance(ListBuilder::kPageGapMs);
    browser.raiseDocumentComplete(ResultPage("b", 3));
    services.clockFake.advance(ListBuilder::kPageGapMs);
    EXPECT_EQ(browser.navigations.size(), 1u);
    EXPECT_EQ(file("BrowserSearch.txt"), "kept.com\r\n");
    EXPECT_TRUE(services.messagesFake.shown.empty());
}

}  // namespace
}  // namespace quillmark::harvest
