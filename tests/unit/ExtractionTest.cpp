#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/NameCleaning.h"
#include "harvest/PageExtraction.h"
#include "platform/Text.h"

namespace quillmark {
namespace {

using namespace harvest;
using Cases = std::vector<std::pair<std::string_view, std::string_view>>;

whois::ServerTable tableOf(const std::vector<std::pair<std::string, bool>>& rows) {
    whois::ServerTable table;
    for (const auto& [extension, enabled] : rows) table.push_back({extension, "whois.test", 43, enabled});
    return table;
}

// Extensions of both branches of the registrable name, a disabled row and the proxy row.
const auto kTable =
    tableOf({{"proxy", true}, {"com", true}, {"net", true}, {"org", false}, {"info", true}, {"biz", true}});

// Each row's pages go in turn into one window's names.
TEST(Extraction, FindsEachNameOfThePagesOnce) {
    const auto comOff = tableOf({{"com", false}, {"net", true}}),
               ukUs = tableOf({{"uk", true}, {"us", true}});
    enum { List = 1, Browse = 2, Both = 3 };
    const struct {
        int passes;
        std::vector<std::string_view> pages;
        std::vector<std::string_view> expected;
        const whois::ServerTable* table = &kTable;
    } cases[] = {
        // clang-format off
        // Addresses give the name a registrant holds: no first label, port or path.
        {Both, {"<a href=\"http://www.example.com/page\">"}, {"example.com"}},
        {Both, {"<a href=\"http://example.com/\">"}, {"example.com"}}, {Both, {"http://a.b.example.net"}, {}},
        {Both, {"http://a.b.example.com/"}, {"example.com"}}, {Both, {"http://www.a.example.COM/"}, {}},
        {Both, {"<a href=\"http://example.info/\">"}, {}}, {Both, {"http://www.example.com>x</a>"}, {}},
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
            for (const auto page : c.pages) ExtractListNames(page, *c.table, names);
            EXPECT_EQ(text::splitLines(names.FoundNames), c.expected) << "list builder";
            EXPECT_EQ(names.FoundCount, std::ssize(c.expected));
        }
        if (c.passes & Browse) {
            BrowseNames names;
            for (const auto page : c.pages) ExtractPageNames(page, *c.table, names);
            EXPECT_EQ(text::splitLines(names.SessionNames), c.expected) << "browse";
            EXPECT_EQ(names.BrowseFoundCount, std::ssize(c.expected));
        }
    }
}

TEST(UrlDecode, DecodesItsCodesInEitherCaseUntilNoPercentCodeIsLeft) {
    // Each character the decoder knows, from its code in upper and lower case.
    for (const unsigned char ch : std::string_view("% <>#{};|\\^~[]`/?:@=&$\n\r")) {
        char codes[16];
        std::snprintf(codes, sizeof codes, "a%%%02Xb%%%02x", ch, ch);
        EXPECT_EQ(names::UrlDecode(codes),
                  (std::string{'a', static_cast<char>(ch), 'b', static_cast<char>(ch)}))
            << codes;
    }
    // "%25" is decoded again and again; codes outside the table stay, but the
    // codes of a whole UTF-8 letter become the letter.
    // clang-format off
    const Cases cases = {
        {"%252525", "%"}, {"%253c", "<"}, {"%25250D", "\r"}, {"%25%25", "%%"}, {"%2b%2C", "%2b%2C"},
        {"%", "%"}, {"%2", "%2"}, {"%252B", "%2B"}, {"%G0", "%G0"}, {"example.com", "example.com"},
        {"caf%C3%A9.com", "caf\u00E9.com"}, {"%e2%82%ac%F0%9F%98%80", "\u20AC\U0001F600"},
        {"%25C3%25A9", "\u00E9"}, {"%C3", "%C3"}, {"%C3%41", "%C3%41"}, {"%C0%AF", "%C0%AF"},
        {"%ED%A0%80", "%ED%A0%80"}, {"%E2%82", "%E2%82"}};
    // clang-format on
    for (const auto& [input, expected] : cases) EXPECT_EQ(names::UrlDecode(input), expected) << input;
}

TEST(CorrectName, RemovesItsListFromTheBodyInOrderAndOnlyQuestionMarksAfterIt) {
    std::vector<std::string> removed = {"&nbsp;", "nbsp;",  "related:", "site:",  "<b>",
                                        "\u00AB", "\u00B4", "\u00AF",   "\u00BA", "\u00B8"};
    for (char c : std::string_view(" /%!~#'\"$^&*()=\\|+`?><,;:_")) removed.emplace_back(1, c);
    for (const auto& text : removed) EXPECT_EQ(names::CorrectName("a" + text + "b.com"), "ab.com") << text;
    const std::string_view kept = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789";
    // clang-format off
    const Cases cases = {
        {kept, kept}, {"\u00ABshop\u00BB.com", "shop\u00BB.com"}, {"caf\u00E9.com", "caf\u00E9.com"},
        {"site:example.com?x=1", "example.comx=1"}, {"shop.com:80", "shop.com:80"},
        {"shop.com/<b>x", "shop.com/<b>x"}, {"a b.c d.e f", "ab.c d.e f"}, {"sh?op.c?o?m?", "shop.com"},
        {"..", ".."}, {"<b>shop</b>", "shopb"}, {"?!%", ""},
        // Markup remnants match in their own case only.
        {"SITE:example.com", "SITEexample.com"}, {"Related:example.com", "Relatedexample.com"},
        {"a&NBSP;b.com", "aNBSPb.com"}, {"<B>shop</B>.com", "BshopB.com"}, {"aNbsp;b.com", "aNbspb.com"},
        // Each of these comes out otherwise when the removals run in another order.
        {"x<&nbsp;b>y.com", "xy.com"}, {"<b/>shop.com", "bshop.com"},
        {"re lated:shop.com", "relatedshop.com"},
        {"si te:shop.com", "siteshop.com"}, {"relatsite:ed:shop.com", "relatedshop.com"},
        {"a&n&bsp;b.com", "ab.com"}, {"anb sp;b.com", "ab.com"}, {"a&nb_sp;b.com", "anbspb.com"},
        {"si_te:shop.com", "siteshop.com"}, {"<_b>shop.com", "bshop.com"}};
    // clang-format on
    for (const auto& [input, expected] : cases) EXPECT_EQ(names::CorrectName(input), expected) << input;
}

}  // namespace
}  // namespace quillmark
