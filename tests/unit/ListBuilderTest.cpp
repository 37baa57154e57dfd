#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeBrowser.h"
#include "harvest/ListBuilder.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "support/MainWindowFixture.h"

namespace quillmark::harvest {
namespace {

// The names "<stem>0.com", "<stem>1.com", ..., each followed by CR LF.
std::string namesOf(const std::string& stem, int count) {
    std::string names;
    for (int i = 0; i < count; ++i) names += stem + std::to_string(i) + ".com\r\n";
    return names;
}

// A result page linking to namesOf(stem, count), and to the engine itself.
std::string resultPage(const std::string& stem, int count) {
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
    void open(std::string_view engine, std::string searchText, int sizeIndex = 0) {
        choose(engine);
        form->searchText.setText(std::move(searchText));
        form->searchSize.setListIndex(sizeIndex);
        builder = std::make_unique<ListBuilder>(services, *form, browser, sites,
                                                ListBuilderHooks{[this] { ++closes; }});
        builder->Load();
    }
    // The browser finishes a page, and the gap between pages passes.
    void complete(const std::string& page) {
        browser.raiseDocumentComplete(page);
        services.clockFake.advance(ListBuilder::kPageGapMs);
    }

    SearchSites sites;
    testing::FakeBrowser browser;
    std::unique_ptr<ListBuilder> builder;
    int closes = 0;
};

struct SearchRun {
    std::string name, engine, search, query;
    int sizeIndex;
    std::vector<std::string> pages;  // in order, any after the run's end ignored; "!…": an error page
    std::vector<int> starts;         // the result index of each page asked for
    int found;
    std::string list, copy;  // BrowserSearch.txt and the kept copy
};

class ListBuilderRun : public ListBuilderTest, public ::testing::WithParamInterface<SearchRun> {};

// Google steps by a hundred until a page brings nothing new; Yahoo steps by
// twenty and takes every name of the page that reaches the target (~200 here).
// The search text stays one query value and its copy stays in its folder.
const SearchRun kRuns[] = {
    // clang-format off
    {"GoogleUntilAPageBringsNothingNew", "Google", "blue widgets", "blue+widgets", 0,
     {resultPage("alpha", 30), resultPage("beta", 30), resultPage("alpha", 30)}, {0, 100, 200},
     60, namesOf("alpha", 30) + namesOf("beta", 30) + "\r\n", "searches/Google blue widgets.txt"},
    {"YahooUntilTheTarget", "Yahoo", "red", "red", 1,
     {resultPage("a", 90), resultPage("b", 90), resultPage("c", 90), resultPage("d", 90)}, {1, 21, 41},
     270, namesOf("a", 90) + namesOf("b", 90) + namesOf("c", 90) + "\r\n", "searches/Yahoo red.txt"},
    {"QueryValueAndFileNameEscaped", "Google", "../a b&c=d/e\tf", "../a+b%26c%3Dd/e%09f", 0,
     {"<a href=\"http://www.example.com/\">x</a> <a href=\"http://shop.example.org/\">y</a>", ""}, {0, 100},
     1, "example.com\r\n\r\n", "searches/Google .._a b&c=d_e_f.txt"},
    {"NothingFound", "Yahoo", "zzz", "zzz", 0, {"!" + resultPage("x", 2)}, {1}, 0, "\r\n", "searches/Yahoo zzz.txt"},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(Runs, ListBuilderRun, ::testing::ValuesIn(kRuns),
                         [](const auto& run) { return run.param.name; });

TEST_P(ListBuilderRun, WritesTheListKeepsACopyAndStartsTheLookups) {
    const SearchRun& run = GetParam();
    open(run.engine + " Search", run.search, run.sizeIndex);
    for (const auto& page : run.pages) {
        if (page.starts_with('!')) browser.raisePageLoaded(false);
        complete(page);
    }
    // Each engine's result page address: "#" stands for the result index, "$" for the query.
    const std::string pattern =
        run.engine == "Yahoo"
            ? "Navigate http://127.0.0.1:1/yahoo/search/dir?h=s&xargs=0&p=$&b=#"
            : "Navigate http://127.0.0.1:1/google/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8"
              "&safe=off&filter=0&start=#&sa=N&q=$";
    std::vector<std::string> calls;
    for (const int start : run.starts)
        calls.push_back(
            text::replaceAll(text::replaceAll(pattern, "$", run.query), "#", std::to_string(start)));
    calls.push_back("Stop");
    EXPECT_EQ(browser.calls, calls);
    const std::string found = std::to_string(run.found);
    EXPECT_EQ(folder.read("BrowserSearch.txt"), run.list);
    EXPECT_EQ(folder.read(run.copy), run.list);
    EXPECT_EQ(form->listSize.text(), found);
    EXPECT_EQ(services.messagesFake.shown.at(0).text,
              "List of " + found + " unique domains was created successfully!");
    EXPECT_EQ(closes, 1);
    // The main window's run has begun on the new list.
    EXPECT_EQ(form->startNumber.text(), "1");
    if (run.found > 0) {
        EXPECT_EQ(client(0).host, "whois.test");
    }
}

// A frame of the same page may complete half way through an extraction; closing
// by hand then ends the run without writing the list.
TEST_F(ListBuilderTest, APageThatCompletesDuringAnExtractionWaitsAndClosingByHandWritesNothing) {
    open("Google Search", "x");
    folder.write("BrowserSearch.txt", "kept.com\r\n");
    bool raised = false;
    services.pumpFake.pending = [&] {
        if (!std::exchange(raised, true)) browser.raiseDocumentComplete(resultPage("late", 2));
    };
    browser.raiseDocumentComplete(resultPage("early", 3));
    EXPECT_EQ(builder->found.FoundNames, namesOf("early", 3));
    services.clockFake.advance(ListBuilder::kPageGapMs);
    EXPECT_EQ(builder->found.FoundNames, namesOf("early", 3) + namesOf("late", 2));
    browser.raiseDocumentComplete(resultPage("b", 3));
    builder->Unload();
    complete(resultPage("c", 3));
    EXPECT_EQ(browser.calls.size(), 2u);  // the first two pages only
    EXPECT_EQ(folder.read("BrowserSearch.txt"), "kept.com\r\n");
    EXPECT_TRUE(services.messagesFake.shown.empty());
}

}  // namespace
}  // namespace quillmark::harvest

// A kept copy's name never leaves its folder, hides or holds a control character.
TEST(SafeFileName, ReplacesWhatCannotStandInAFileName) {
    const std::pair<std::string, std::string> cases[] = {
        {".hidden", "_hidden"}, {"a\x01\x7f b", "a__ b"}, {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(quillmark::SafeFileName(text), expected) << text;
}
