#include <gtest/gtest.h>

#include <cctype>
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

void expectEach(const Cases& cases, std::string (*clean)(std::string_view)) {
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(clean(input), expected) << "input: \"" << input << "\"";
}

TEST(UrlDecode, EveryCodeOfTheTableInEitherCaseBecomesItsCharacter) {
    const std::pair<std::string, char> codes[] = {
        {"25", '%'}, {"20", ' '}, {"3C", '<'}, {"3E", '>'},  {"23", '#'},  {"7B", '{'},
        {"7D", '}'}, {"3B", ';'}, {"7C", '|'}, {"5C", '\\'}, {"5E", '^'},  {"7E", '~'},
        {"5B", '['}, {"5D", ']'}, {"60", '`'}, {"2F", '/'},  {"3F", '?'},  {"3A", ':'},
        {"40", '@'}, {"3D", '='}, {"26", '&'}, {"24", '$'},  {"0A", '\n'}, {"0D", '\r'}};
    for (const auto& [code, ch] : codes) {
        std::string lower = code;
        for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(UrlDecode("a%" + code + "b%" + code), std::string("a") + ch + "b" + ch) << code;
        EXPECT_EQ(UrlDecode("a%" + lower + "b"), std::string("a") + ch + "b") << lower;
    }
    EXPECT_EQ(UrlDecode("%0d%0A"), "\r\n");
}

// "%25" is decoded first and again until none is left; codes outside the table stay.
TEST(UrlDecode, PercentSignRepeatsAndUnknownCodesStay) {
    expectEach({{"%2525", "%"},
                {"%252525", "%"},
                {"%253c", "<"},
                {"%2526", "&"},
                {"%25250D", "\r"},
                {"%25%25", "%%"},
                {"100%25", "100%"},
                {"%2B", "%2B"},
                {"%2b%2C", "%2b%2C"},
                {"%41", "%41"},
                {"%", "%"},
                {"%2", "%2"},
                {"%%", "%%"},
                {"%252B", "%2B"},
                {"%G0", "%G0"},
                {"", ""},
                {"example.com", "example.com"}},
               UrlDecode);
}

TEST(CorrectName, EachListedTextLeavesTheBody) {
    std::vector<std::string> removed = {"&nbsp;", "nbsp;",  "related:", "site:",  "<b>",
                                        "\u00AB", "\u00B4", "\u00AF",   "\u00BA", "\u00B8"};
    for (char c : std::string_view(" /%!~#'\"$^&*()=\\|+`?><,;:_")) removed.emplace_back(1, c);
    for (const auto& text : removed) EXPECT_EQ(CorrectName("a" + text + "b.com"), "ab.com") << text;
    EXPECT_EQ(CorrectName(UrlDecode("%3Cb%3Eshop%3C/b%3E.com")), "shopb.com");
}

TEST(CorrectName, KeepsLettersDigitsHyphenOtherCharactersAndTheSuffix) {
    const std::string_view kept = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789";
    // clang-format off
    expectEach({{kept, kept}, {"\u00ABshop\u00BB.com", "shop\u00BB.com"}, {"a\u00AAb.com", "a\u00AAb.com"},
                {"caf\u00E9.com", "caf\u00E9.com"}, {"site:example.com?x=1", "example.comx=1"},
                {"shop.com ", "shop.com "}, {"shop.com:80", "shop.com:80"}, {"shop.com/<b>x", "shop.com/<b>x"},
                {"my shop.my shop", "myshop.my shop"}, {"sh?op.c?o?m?", "shop.com"}, {"com.com", "com.com"},
                {"a b.c d.e f", "ab.c d.e f"}, {"shop.", "shop."}, {"..", ".."}, {"&nbsp;.com", ".com"},
                {"", ""}, {"<b>shop</b>", "shopb"}, {"?!%", ""}},
               // clang-format on
               CorrectName);
}

TEST(CorrectName, MarkupRemnantsMatchOnlyInTheirOwnCase) {
    expectEach({{"SITE:example.com", "SITEexample.com"},
                {"Related:example.com", "Relatedexample.com"},
                {"a&NBSP;b.com", "aNBSPb.com"},
                {"<B>shop</B>.com", "BshopB.com"},
                {"aNbsp;b.com", "aNbspb.com"}},
               CorrectName);
}

// Each row comes out differently when the removals run in another order.
TEST(CorrectName, RemovalsRunInTheirFixedOrder) {
    expectEach({{"x<&nbsp;b>y.com", "xy.com"},  // "&nbsp;" before "<b>", before "&"
                {"<b/>shop.com", "bshop.com"},  // "<b>" before "/"
                {"re lated:shop.com", "relatedshop.com"},
                {"si te:shop.com", "siteshop.com"},
                {"relatsite:ed:shop.com", "relatedshop.com"},
                {"a&n&bsp;b.com", "ab.com"},
                {"anb sp;b.com", "ab.com"},
                {"a&nb_sp;b.com", "anbspb.com"},  // "_" goes last
                {"si_te:shop.com", "siteshop.com"},
                {"<_b>shop.com", "bshop.com"}},
               CorrectName);
}

}  // namespace
}  // namespace quillmark
