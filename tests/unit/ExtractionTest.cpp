#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "harvest/PageExtraction.h"
#include "platform/Text.h"

namespace quillmark {
namespace {

using namespace harvest;
using whois::ServerRow;
using whois::ServerTable;

ServerTable tableOf(const std::vector<std::pair<std::string, bool>>& rows) {
    ServerTable table;
    for (const auto& [extension, enabled] : rows)
        table.push_back(ServerRow{extension, "whois.test", 43, enabled});
    return table;
}

// The enabled set of the default table, with a disabled row and the proxy row around it.
const ServerTable kTable = tableOf({{"proxy", true},
                                    {"com", true},
                                    {"net", true},
                                    {"org", false},
                                    {"info", true},
                                    {"biz", true},
                                    {"name", true}});

std::vector<std::string> linesOf(std::string_view names) {
    std::vector<std::string> lines;
    for (const auto line : text::splitLines(names)) lines.emplace_back(line);
    return lines;
}

std::vector<std::string> listNames(std::string_view page, const ServerTable& table = kTable) {
    ListBuilderNames names;
    ExtractListNames(page, table, names);
    return linesOf(names.FoundNames);
}

std::vector<std::string> browseNames(std::string_view page, const ServerTable& table = kTable) {
    BrowseNames names;
    ExtractPageNames(page, table, names);
    return linesOf(names.PageNames);
}

using Names = std::vector<std::string>;

struct PageCase {
    std::string_view page;
    Names expected;
};

void expectEach(const std::vector<PageCase>& cases, Names (*extract)(std::string_view, const ServerTable&)) {
    for (const auto& c : cases)
        EXPECT_EQ(extract(c.page, kTable), c.expected) << "page: \"" << c.page << "\"";
}

TEST(ExtractionHelpers, BreakAfterExtensionsFollowsEveryEnabledExtension) {
    const ServerTable comOff = tableOf({{"com", false}, {"net", true}});
    const ServerTable comNet = tableOf({{"com", true}, {"net", true}});
    const struct {
        const ServerTable& table;
        std::string_view input;
        std::string_view expected;
    } cases[] = {
        {comNet, "telecom home", "telecom \r\nhome"},
        {comNet, "a.net/b a.com?x a.com'y a.com:1", "a.net/\r\nb a.com?\r\nx a.com'\r\ny a.com:\r\n1"},
        {comNet, "A.COM x", "A.COM x"},
        {comNet, "a.com\"b", "a.com\"\r\n\r\n\r\nb"},
        {comOff, "a.com\"b a.com b", "a.com\"\r\nb a.com b"},
        {tableOf({{"com", false}}), "a.com\"b", "a.com\"b"},
    };
    for (const auto& c : cases) EXPECT_EQ(BreakAfterExtensions(c.input, c.table), c.expected) << c.input;
}

TEST(ExtractionHelpers, HasEnabledExtensionIgnoresCaseDisabledRowsAndProxy) {
    EXPECT_TRUE(HasEnabledExtension("WWW.EXAMPLE.NET", kTable));
    EXPECT_TRUE(HasEnabledExtension("x.information", kTable));
    EXPECT_FALSE(HasEnabledExtension("example.org", kTable));
    EXPECT_FALSE(HasEnabledExtension("x.proxy", kTable));
    EXPECT_FALSE(HasEnabledExtension("com net", kTable));
}

TEST(ExtractionHelpers, ExtensionEndTakesTheFirstExtensionInTableOrder) {
    EXPECT_EQ(ExtensionEnd("example.info and example.com", kTable), 29u);
    EXPECT_EQ(ExtensionEnd("www.network.info", kTable), 8u);
    EXPECT_EQ(ExtensionEnd("X.COM", kTable), 6u);
    EXPECT_EQ(ExtensionEnd("example.org", kTable), 0u);
}

TEST(ExtractionHelpers, RegistrableNameKeepsWhatARegistrantHolds) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"example", "example"},
        {"example.com", "example.com"},
        {"example.net", "example.net"},
        {"www.example.com", "example.com"},
        {"a.b.example.org", "example.org"},
        {"www.example.co.uk", "example.co.uk"},
        {"www.example.us", "example.us"},
        {"www.example.net", ""},
        {"a.b.example.net", ""},
        {"www.example.COM", ""},
        {"www.example.de", ""},
    };
    for (const auto& [host, expected] : cases) EXPECT_EQ(RegistrableName(host), expected) << host;
}

TEST(ExtractionAddressBranch, CutsTheHostOutOfEachAddress) {
    const std::vector<PageCase> cases = {
        {"<a href=\"http://www.example.com/page\">", {"example.com"}},
        {"<a href=\"http://example.com/\">", {"example.com"}},
        {"<a href=\"http://example.info/\">", {}},
        {"<a href=\"http://a.b.example.net\">", {}},
        {"<a href=\"http://www.example.net/\">", {"example.net"}},
        {"<a href=\"http://www.example.com:8080/x\">", {"example.com"}},
        {"<a href=\"http://www.example.org/\">", {}},
        {"<a href=\"HTTP://www.example.biz/\">", {"example.biz"}},
        {"http://www.example.com>x</a>", {}},
    };
    expectEach(cases, listNames);
    expectEach(cases, browseNames);
}

TEST(ExtractionAddressBranch, DecodesEachLineBeforeCutting) {
    expectEach({{"http://www.shop%24.com/", {"shop.com"}},
                {"http://www.example.com%2Fpath/", {"example.com"}},
                {"http://www.exam%0Aple.com/", {}},
                // An encoded address inside a line never starts a line of its own.
                {"<a href=\"/r?u=http%3A%2F%2Fwww.example.com/\">", {}}},
               listNames);
}

TEST(ExtractionAddressBranch, FilteredLinesGiveNoNames) {
    expectEach({{"http://search.yahoo.com/r/x.com/", {}},
                {"http://l.yimg.com/a.com/", {}},
                {"http://www.sedo.com/search?x.com", {}},
                {"http://joe@example.com/", {}}},
               listNames);
}

TEST(ExtractionAddressBranch, DisabledExtensionGivesNoName) {
    const ServerTable comOff = tableOf({{"com", false}, {"net", true}});
    EXPECT_EQ(listNames("http://www.example.com/ http://example.net/", comOff), Names{"example.net"});
}

TEST(ExtractionDuplicates, ANameContainedInAnEarlierNameIsNotAdded) {
    ListBuilderNames names;
    ExtractListNames("http://www.example.com/ http://www.ample.com/ http://www.EXAMPLE.com/", kTable, names);
    ExtractListNames("http://www.example.com/ http://www.other.net/", kTable, names);
    EXPECT_EQ(linesOf(names.FoundNames), (Names{"example.com", "other.net"}));
    EXPECT_EQ(names.FoundCount, 2);
    EXPECT_EQ(names.PageFoundCount, 1);
}

TEST(ExtractionDuplicates, BrowseTestsAgainstTheSessionUntilItIsCleared) {
    BrowseNames names;
    ExtractPageNames("Visit example.com today", kTable, names);
    names.PageNames.clear();
    ExtractPageNames("Visit AMPLE.com and other.net", kTable, names);
    EXPECT_EQ(linesOf(names.PageNames), Names{"other.net"});
    names.PageNames.clear();
    names.SessionNames.clear();
    ExtractPageNames("Visit ample.com today", kTable, names);
    EXPECT_EQ(linesOf(names.SessionNames), Names{"ample.com"});
    EXPECT_EQ(names.BrowseFoundCount, 3);
}

TEST(ExtractionBrowse, RewritesBareWwwAfterEqualsAndCloseTag) {
    // Only the rewrite puts these through the address branch; a bare-name
    // scan would stop at the quote and give "deal.com".
    const std::vector<PageCase> cases = {{"<a href=www.best\"deal.com/>", {"bestdeal.com"}},
                                         {"<b>www.best\"deal.com/</b>", {"bestdeal.com"}}};
    expectEach(cases, browseNames);
    for (const auto& c : cases) EXPECT_EQ(listNames(c.page), Names{}) << c.page;
}

TEST(ExtractionBrowse, FindsNamesInPlainText) {
    expectEach({{"Visit example.com today", {"example.com"}},
                {"bar.com and more", {"bar.com"}},
                {"write to joe@shop.net now", {"shop.net"}},
                {"see www.example.net now", {"example.net"}},
                {"http://joe@example.com/", {"example.com"}},
                {"Visit\texample.com\fand\vbar.net", {"example.com", "bar.net"}},
                {"x\nexample.com today\rsee\vother.net", {"example.com", "other.net"}},
                {"x%0Aexample.com today", {"example.com"}}},
               browseNames);
}

TEST(ExtractionBrowse, FollowsAFrameSplitOverTwoLines) {
    BrowseNames names;
    std::vector<std::string> frames;
    std::vector<std::string> statuses;
    ExtractionHooks hooks;
    hooks.followFrame = [&](std::string_view address) { frames.emplace_back(address); };
    hooks.showStatus = [&](std::string_view status) { statuses.emplace_back(status); };
    ExtractPageNames("<FRAME src=\"http://www.example.com/frames/a%20b.html?site=partner.net\">", kTable,
                     names, {}, hooks);
    EXPECT_EQ(frames, Names{"www.example.com/frames/a%20b.html?site=partner.net"});
    EXPECT_EQ(statuses, Names{"Following Frame: www.example.com/frames/a%20b.html?site=partner.net"});
    EXPECT_EQ(names.PageNames, "");
}

TEST(ExtractionReentry, AnExtractionStartedBetweenLinesKeepsItsOwnLines) {
    ListBuilderNames names;
    bool nested = false;
    ExtractionHooks hooks;
    hooks.afterEachLine = [&] {
        if (nested) return;
        nested = true;
        ExtractListNames("http://www.gamma.com/", kTable, names);
    };
    ExtractListNames("http://www.alpha.com/ http://www.beta.com/", kTable, names, {}, hooks);
    EXPECT_EQ(linesOf(names.FoundNames), (Names{"gamma.com", "alpha.com", "beta.com"}));
    EXPECT_EQ(names.FoundCount, 3);
}

}  // namespace
}  // namespace quillmark
