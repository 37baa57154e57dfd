#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "harvest/PageExtraction.h"
#include "platform/Text.h"

namespace quillmark {
namespace {

using namespace harvest;
using Names = std::vector<std::string>;

whois::ServerTable tableOf(const std::vector<std::pair<std::string, bool>>& rows) {
    whois::ServerTable table;
    for (const auto& [extension, enabled] : rows) table.push_back({extension, "whois.test", 43, enabled});
    return table;
}

// The enabled set of the default table, with a disabled row and the proxy row around it.
const auto kTable = tableOf({{"proxy", true},
                             {"com", true},
                             {"net", true},
                             {"org", false},
                             {"info", true},
                             {"biz", true},
                             {"name", true}});

Names linesOf(std::string_view names) {
    Names lines;
    for (const auto line : text::splitLines(names)) lines.emplace_back(line);
    return lines;
}

// Each row's pages go in turn into one window's names; browsing starts each
// page's own list afresh while the session keeps growing.
TEST(Extraction, FindsEachNameOfThePagesOnce) {
    const auto comOff = tableOf({{"com", false}, {"net", true}}),
               ukUs = tableOf({{"uk", true}, {"us", true}});
    enum { List = 1, Browse = 2, Both = 3 };
    const struct {
        int passes;
        std::vector<std::string_view> pages;
        Names expected;
        const whois::ServerTable* table = &kTable;
    } cases[] = {
        // clang-format off
        // Addresses give the name a registrant holds: no first label, port or path.
        {Both, {"<a href=\"http://www.example.com/page\">"}, {"example.com"}},
        {Both, {"<a href=\"http://example.com/\">"}, {"example.com"}}, {Both, {"http://a.b.example.net"}, {}},
        {Both, {"http://a.b.example.com/"}, {"example.com"}}, {Both, {"http://www.a.example.COM/"}, {}},
        {Both, {"<a href=\"http://example.info/\">"}, {}}, {Both, {"http://www.example.com>x</a>"}, {}},
        {Both, {"<a href=\"http://www.example.net/\">"}, {"example.net"}},
        {Both, {"<a href=\"http://www.example.org/\">"}, {}}, {Both, {"http://www.exa\x01" "mple.com/"}, {}},
        {Both, {"http://www.example.co.uk/", "http://www.a.example.us/"}, {"example.co.uk", "example.us"},
         &ukUs},
        {Both, {"<a href=\"http://www.example.com:8080/x\">"}, {"example.com"}},
        {Both, {"<a href=\"HTTP://www.example.biz/\">"}, {"example.biz"}},
        {List, {"http://www.example.com?x=1"}, {"example.com"}},
        // An extension is an enabled row but proxy, in any case; the first in table order counts.
        {Both, {"http://www.example.COM/ x.proxy http://www.x.proxy/"}, {"example.COM"}},
        {Browse, {"see example.info and example.com", "www.Example.INFO!"}, {"example.com", "Example.INFO"}},
        {List, {"http://www.example.com/ http://example.net/"}, {"example.net"}, &comOff},
        // Each line is decoded before the cuts; an encoded address never starts a line.
        {List, {"http://www.shop%24.com/"}, {"shop.com"}}, {List, {"http://www.exam%0Aple.com/"}, {}},
        {List, {"http://www.example.com%2Fpath/"}, {"example.com"}},
        {List, {"<a href=\"/r?u=http%3A%2F%2Fwww.example.com/\">"}, {}},
        // Lines the filter drops.
        {List, {"http://search.yahoo.com/r/x.com/"}, {}}, {List, {"http://l.yimg.com/a.com/"}, {}},
        {List, {"http://www.sedo.com/search?x.com"}, {}}, {List, {"http://joe@example.com/"}, {}},
        // Browsing rewrites a bare "www." after "=" and ">" into an address; a
        // bare-name scan would stop at the quote and give "deal.com".
        {Browse, {"<a href=www.best\"deal.com/>"}, {"bestdeal.com"}},
        {Browse, {"<b>www.best\"deal.com/</b>"}, {"bestdeal.com"}},
        {List, {"<a href=www.best\"deal.com/>", "<b>www.best\"deal.com/</b>"}, {}},
        // Browsing also finds names in plain text.
        {Browse, {"bar.com and more"}, {"bar.com"}}, {Browse, {"write to joe@shop.net now"}, {"shop.net"}},
        {Browse, {"see www.example.net now"}, {"example.net"}},
        {Browse, {"http://joe@example.com/"}, {"example.com"}},
        {Browse, {"Visit\texample.com\fand\vbar.net"}, {"example.com", "bar.net"}},
        {Browse, {"x\nexample.com today\rsee\vother.net"}, {"example.com", "other.net"}},
        {Browse, {"x%0Aexample.com today"}, {"example.com"}},
        // A name contained in one found before, whatever its case, is not added.
        {List, {"http://www.example.com/ http://www.ample.com/ http://www.EXAMPLE.com/",
                "http://www.example.com/ http://www.other.net/"}, {"example.com", "other.net"}},
        {Browse, {"Visit example.com today", "Visit AMPLE.com and other.net"}, {"example.com", "other.net"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pages.front());
        if (c.passes & List) {
            ListBuilderNames names;
            for (const auto page : c.pages) {
                const std::int32_t before = names.FoundCount;
                ExtractListNames(page, *c.table, names);
                EXPECT_EQ(names.PageFoundCount, names.FoundCount - before);
            }
            EXPECT_EQ(linesOf(names.FoundNames), c.expected) << "list builder";
            EXPECT_EQ(names.FoundCount, std::ssize(c.expected));
        }
        if (c.passes & Browse) {
            BrowseNames names;
            Names pageNames;
            for (const auto page : c.pages) {
                names.PageNames.clear();
                names.BrowsePageCount = 0;
                ExtractPageNames(page, *c.table, names);
                EXPECT_EQ(names.BrowsePageCount, std::ssize(linesOf(names.PageNames)));
                for (auto& name : linesOf(names.PageNames)) pageNames.push_back(name);
            }
            EXPECT_EQ(pageNames, c.expected) << "browse";
            EXPECT_EQ(linesOf(names.SessionNames), c.expected);
            EXPECT_EQ(names.BrowseFoundCount, std::ssize(c.expected));
        }
    }
}

TEST(Extraction, FollowsAFrameAndKeepsItsLinesFromANestedExtraction) {
    BrowseNames names;
    Names frames, statuses;
    ExtractionHooks hooks;
    hooks.followFrame = [&](std::string_view address) { frames.emplace_back(address); };
    hooks.showStatus = [&](std::string_view status) { statuses.emplace_back(status); };
    const std::string address = "www.example.com/frames/a%20b.html?site=partner.net";
    ExtractPageNames("<FRAME src=\"http://" + address + "\">", kTable, names, {}, hooks);
    EXPECT_EQ(frames, Names{address});
    EXPECT_EQ(statuses, Names{"Following Frame: " + address});
    EXPECT_EQ(names.PageNames, "");

    // The window lets events run after each line; one may start another extraction.
    ListBuilderNames list;
    bool nested = false;
    hooks.afterEachLine = [&] {
        if (!std::exchange(nested, true)) ExtractListNames("http://www.gamma.com/", kTable, list);
    };
    ExtractListNames("http://www.alpha.com/ http://www.beta.com/", kTable, list, {}, hooks);
    EXPECT_EQ(linesOf(list.FoundNames), (Names{"gamma.com", "alpha.com", "beta.com"}));
    EXPECT_EQ(list.FoundCount, 3);
}

}  // namespace
}  // namespace quillmark
