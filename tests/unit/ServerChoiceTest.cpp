#include <gtest/gtest.h>

#include <string>

#include "whois/AsciiName.h"
#include "whois/ServerTable.h"

namespace quillmark::whois {
namespace {

TEST(ServerChoice, ANameIsAskedOfItsOwnRegistryOrOfNone) {
    const ZoneTable zones = ZoneTable::Parse(
        "# zone\twhois\trdap\n"
        "com\twhois.zone-com.test\thttps://rdap.test/\n"
        "uk\twhois.zone-uk.test\t\n"
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
    } cases[] = {
        {"kestrel.com", false, "whois.row-com.test:43"},
        {"kestrel.COM", false, "whois.row-com.test:43"},
        {"kestrel.com", true, "127.0.0.9:4343"},
        {"kestrel.shop.co.uk", false, "whois.zone-co-uk.test:43"},
        {"kestrel.org.uk", false, "whois.zone-uk.test:43"},
        // An address registry holds no names: the zone's server, or none.
        {"kestrel.de", false, ""},
        {"kestrel.net", false, ""},
        {"kestrel.gr", false, ""},
        {"kestrel.zzz", false, ""},
        {"kestrel", false, ""},
    };
    for (const auto& c : cases) {
        const auto server = ServerFor(rows, zones, c.name, c.useProxy);
        EXPECT_EQ(server ? server->host + ":" + std::to_string(server->port) : "", c.server) << c.name;
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

}  // namespace
}  // namespace quillmark::whois
