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

// Enabled rows, a disabled one and the proxy row.
const auto kTable =
    tableOf({{"proxy", true}, {"com", true}, {"net", true}, {"org", false}, {"info", true}, {"biz", true}});

// Each row's pages go in turn into one window's names, the list builder's and the browse window's alike.
TEST(Extraction, FindsEachNameOfThePagesOnce) {
    const auto comOff = tableOf({{"com", false}, {"net", true}}),
               ukUs = tableOf({{"uk", true}, {"us", true}, {"co.uk", false}});
    const struct {
        std::vector<std::string_view> pages;
        std::vector<std::string_view> expected;
        const whois::ServerTable* table = &kTable;
    } cases[] = {
        // clang-format off
        // Links and text give the name a registrant holds, in lower case.
        {{"<a href=\"http://www.example.com/page\">", "<a href=\"https://blog.copperkettle.net/x\">"},
         {"example.com", "copperkettle.net"}},
        {{"http://a.b.Example.COM:8080/x <a href=\"http://example.info/\">", "Our partner yellowbird.biz."},
         {"example.com", "example.info", "yellowbird.biz"}},
        {{"plainword.com in a results page; write to joe@shop.net", "http://joe@example.com/"},
         {"plainword.com", "shop.net", "example.com"}},
        // Only extensions that are on: no disabled row (the deepest decides), proxy or unknown one.
        {{"www.example.co.uk a.b.example.us x.example.org.uk"}, {"example.us", "example.org.uk"}, &ukUs},
        {{"http://www.example.com/ http://example.net/ example.de"}, {"example.net", "example.de"}, &comOff},
        {{"example.org x.proxy www.example.zzzz"}, {}},
        // A host is taken whole, never a piece of a longer word or address (nor a file in its path).
        {{"www.example.com.evil.net foo.community foo.com-based under_score.com -x.com a..b.com v1.2.3",
          "https://a.net/get/file.info?f=b.biz#c.com /img/logo.biz"}, {"evil.net", "foo.community", "a.net"}},
        // Percent-codes are decoded (one the decoder leaves ends a word); letters outside ASCII are kept.
        {{"<a href=\"/r?u=http%3A%2F%2Fwww.example.com/\">", "caf%C3%A9.com Caf\u00E9.net %2Bplus.com shop%24.com"},
         {"example.com", "caf\u00E9.com", "caf\u00E9.net", "plus.com"}},
        // The search engine's and the aftermarket's addresses and names give nothing.
        {{"http://search.yahoo.com/r/x.com/ http://l.yimg.com/a.com/ http://www.sedo.com/s?x.com yahoo.com"}, {}},
        // What no reader sees gives nothing; tags inside a word do not split it; control characters do.
        {{"<script>a.info</script><!-- b.com --><STYLE>c.net</style>www.<b>bold</b>.com", "Visit\texample.com\fand"
          "\vbar.net x%0Aexample.com today."}, {"bold.com", "example.com", "bar.net"}},
        // A name found before, whatever its case, is not added; a longer one holding it is.
        {{"http://www.example.com/ http://www.ample.com/ http://www.EXAMPLE.com/",
                "http://www.example.com/ http://www.other.net/"}, {"example.com", "ample.com", "other.net"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pages.front());
        ListBuilderNames list;
        BrowseNames browse;
        for (const auto page : c.pages) {
            ExtractListNames(page, *c.table, list);
            ExtractPageNames(page, *c.table, browse);
        }
        EXPECT_EQ(text::splitLines(list.FoundNames), c.expected) << "list builder";
        EXPECT_EQ(text::splitLines(browse.SessionNames), c.expected) << "browse";
        EXPECT_EQ(list.FoundCount + browse.BrowseFoundCount, 2 * std::ssize(c.expected));
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
