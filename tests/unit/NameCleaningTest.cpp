#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/NameCleaning.h"

namespace quillmark {
namespace {

using names::CorrectName;
using names::UrlDecode;
using Cases = std::vector<std::pair<std::string_view, std::string_view>>;

TEST(UrlDecode, DecodesItsCodesInEitherCaseUntilNoPercentCodeIsLeft) {
    // Each character the decoder knows, from its code in upper and lower case.
    for (const unsigned char ch : std::string_view("% <>#{};|\\^~[]`/?:@=&$\n\r")) {
        char codes[16];
        std::snprintf(codes, sizeof codes, "a%%%02Xb%%%02x", ch, ch);
        EXPECT_EQ(UrlDecode(codes), (std::string{'a', static_cast<char>(ch), 'b', static_cast<char>(ch)}))
            << codes;
    }
    // "%25" is decoded again and again; codes outside the table stay.
    // clang-format off
    const Cases cases = {
        {"%2525", "%"}, {"%252525", "%"}, {"%253c", "<"}, {"%2526", "&"}, {"%25250D", "\r"}, {"%25%25", "%%"},
        {"100%25", "100%"}, {"%2B", "%2B"}, {"%2b%2C", "%2b%2C"}, {"%41", "%41"}, {"%", "%"}, {"%2", "%2"},
        {"%%", "%%"}, {"%252B", "%2B"}, {"%G0", "%G0"}, {"%0d%0A", "\r\n"}, {"", ""},
        {"example.com", "example.com"}};
    // clang-format on
    for (const auto& [input, expected] : cases) EXPECT_EQ(UrlDecode(input), expected) << input;
}

TEST(CorrectName, RemovesItsListFromTheBodyInOrderAndOnlyQuestionMarksAfterIt) {
    std::vector<std::string> removed = {"&nbsp;", "nbsp;",  "related:", "site:",  "<b>",
                                        "\u00AB", "\u00B4", "\u00AF",   "\u00BA", "\u00B8"};
    for (char c : std::string_view(" /%!~#'\"$^&*()=\\|+`?><,;:_")) removed.emplace_back(1, c);
    for (const auto& text : removed) EXPECT_EQ(CorrectName("a" + text + "b.com"), "ab.com") << text;
    const std::string_view kept = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789";
    // clang-format off
    const Cases cases = {
        {kept, kept}, {"\u00ABshop\u00BB.com", "shop\u00BB.com"}, {"a\u00AAb.com", "a\u00AAb.com"},
        {"caf\u00E9.com", "caf\u00E9.com"}, {"site:example.com?x=1", "example.comx=1"}, {"", ""},
        {"shop.com ", "shop.com "}, {"shop.com:80", "shop.com:80"}, {"shop.com/<b>x", "shop.com/<b>x"},
        {"my shop.my shop", "myshop.my shop"}, {"sh?op.c?o?m?", "shop.com"}, {"com.com", "com.com"},
        {"a b.c d.e f", "ab.c d.e f"}, {"shop.", "shop."}, {"..", ".."}, {"&nbsp;.com", ".com"},
        {"<b>shop</b>", "shopb"}, {"?!%", ""},
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
    for (const auto& [input, expected] : cases) EXPECT_EQ(CorrectName(input), expected) << input;
}

}  // namespace
}  // namespace quillmark
