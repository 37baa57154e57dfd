#include <gtest/gtest.h>

#include <string>

#include "whois/AsciiName.h"
#include "whois/Json.h"
#include "whois/Rdap.h"
#include "whois/ServerTable.h"

namespace quillmark::whois {
namespace {

TEST(ServerChoice, ANameIsAskedOfItsOwnRegistryOrOfNone) {
    const ZoneTable zones = ZoneTable::Parse(
        "# zone\twhois\trdap\n"
        "com\twhois.zone-com.test\thttps://rdap.test/\n"
        "uk\twhois.zone-uk.test\thttps://rdap.uk.test/\n"
        "co.uk\twhois.zone-co-uk.test\t\n"
        "gr\t\thttps://rdap.gr.test/\n"
        "broken line\n");
    const ServerTable rows = {{"proxy", "127.0.0.9", 4343, true},
                              {"com", "whois.row-com.test", 43, false},
                              {"de", "whois.ripe.net", 43, true},
                              {"net", "WHOIS.APNIC.NET", 43, true},
                              {"com", "whois.second-com.test", 43, true}};
    const struct {
        std::string_view name;
        bool useProxy;
        std::string_view server;  // host:port, or "" for none
        std::string_view rdap = "";
    } cases[] = {
        {"kestrel.com", false, "whois.row-com.test:43", "https://rdap.test/"},
        {"kestrel.COM", false, "whois.row-com.test:43", "https://rdap.test/"},
        {"kestrel.com", true, "127.0.0.9:4343"},
        {"kestrel.shop.co.uk", false, "whois.zone-co-uk.test:43", "https://rdap.uk.test/"},
        {"kestrel.org.uk", false, "whois.zone-uk.test:43", "https://rdap.uk.test/"},
        // An address registry holds no names: the zone's server, or none.
        {"kestrel.de", false, ""},
        {"kestrel.net", false, ""},
        {"kestrel.gr", false, "", "https://rdap.gr.test/"},
        {"kestrel.zzz", false, ""},
        {"kestrel", false, ""},
    };
    for (const auto& c : cases) {
        const auto server = ServerFor(rows, zones, c.name, c.useProxy);
        EXPECT_EQ(server ? server->host + ":" + std::to_string(server->port) : "", c.server) << c.name;
        EXPECT_EQ(RdapBaseFor(zones, c.name, c.useProxy, false), c.rdap) << c.name;
    }
    EXPECT_EQ(AddressRegistryRows(rows), (std::vector<std::string>{"de", "net"}));
    // Without a proxy row the registry itself answers.
    EXPECT_EQ(ServerFor({}, zones, "kestrel.com", true)->host, "whois.zone-com.test");
    EXPECT_EQ(ServerFor({}, ZoneTable::Shipped(), "kestrel.de", false)->host, "whois.denic.de");
}

TEST(AsciiName, LabelsWithLettersOutsideAsciiBecomePunycode) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"café.com", "xn--caf-dma.com"},
        {"bücher.de", "xn--bcher-kva.de"},
        {"日本語.jp", "xn--wgv71a119e.jp"},
        {"😀.com", "xn--e28h.com"},
        {"shop.рф", "shop.xn--p1ai"},
        {"Kestrel.com", "Kestrel.com"},
        {"", ""},
        // Bytes that are no UTF-8 are left for the server to refuse.
        {"caf\xE9.com", "caf\xE9.com"},
        {"\xC0\xAF.com", "\xC0\xAF.com"},
        {"\xED\xA0\x80.com", "\xED\xA0\x80.com"},
        {"\xE2\x82.com", "\xE2\x82.com"},
    };
    for (const auto& [name, ascii] : cases) EXPECT_EQ(AsciiName(name), ascii) << name;
}

// A wait is seconds or a date counted from the server's own, never past the longest.
TEST(RdapReplies, WaitsServerListsAndJson) {
    const std::tuple<std::string_view, std::string_view, int> waits[] = {
        {"120", "", 120},
        {"99999999999", "", 600},
        {"Sun, 06 Nov 1994 08:49:47 GMT", "Sun, 06 Nov 1994 08:49:37 GMT", 10},
        {"Sunday, 06-Nov-94 08:49:47 GMT", "Sun, 06 Nov 1994 08:49:37 GMT", 10},
        {"Sun Nov  6 08:49:47 1994", "", 600},  // counted from the local clock: long ago
        {"Sun, 06 Nov 1994 08:49:27 GMT", "Sun, 06 Nov 1994 08:49:37 GMT", 0},
        {"Sun, 31 Feb 1994 08:49:47 GMT", "", -1},
        {"soon", "", -1},
    };
    for (const auto& [retryAfter, date, seconds] : waits)
        EXPECT_EQ(RetryAfterSeconds(retryAfter, date, 0).value_or(-1), seconds) << retryAfter;
    EXPECT_EQ(ParseHttpDate("Sun Nov  6 08:49:37 1994"), 784111777);

    const std::pair<std::string_view, std::string_view> lists[] = {
        {R"({"services": [[["COM", "net"], ["http://a.test", "https://b.test"]]]})",
         "com=https://b.test/ net=https://b.test/ "},
        {R"({"services": [[["x"], ["ftp://a.test/"]], [["y"], ["http://a.test/"]]]})", "y=http://a.test/ "},
        {R"({"services": [[["x"], ["ftp://a.test/"]]]})", "none"},
        {R"({"services": [["x"]]})", "none"},
        {R"({"services": [[["x"], [1]]]})", "none"},
        {R"({"services": {}})", "none"},
    };
    for (const auto& [text, expected] : lists) {
        const auto bases = ParseRdapServers(text);
        std::string shown = bases ? "" : "none";
        for (const auto& [zone, base] : bases.value_or(std::map<std::string, std::string>{}))
            shown += zone + "=" + base + " ";
        EXPECT_EQ(shown, expected) << text;
    }

    const auto value =
        json::Parse(R"({"a": "\u00e9\ud83d\ude00\ud800\t", "b": [1, -2.5e3, true, null, {}]} )");
    EXPECT_EQ(json::Indented(value.value_or(json::Value{})),
              "{\n  \"a\": \"\xc3\xa9\xf0\x9f\x98\x80\xef\xbf\xbd\\u0009\",\n  \"b\": [\n    1,\n"
              "    -2.5e3,\n    true,\n    null,\n    {}\n  ]\n}");
    EXPECT_TRUE(json::Parse(std::string(100, '[') + std::string(100, ']')));
    for (const std::string& bad :
         {std::string(101, '[') + std::string(101, ']'), std::string("{} x"), std::string("[01]")})
        EXPECT_FALSE(json::Parse(bad)) << bad;
}

}  // namespace
}  // namespace quillmark::whois
