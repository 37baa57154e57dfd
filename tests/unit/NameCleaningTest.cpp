#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/xCorrectName.h"
#include "engine/xurlEncode.h"

namespace quillmark {
namespace {

using xCorrectName::CorrectName;
using xurlEncode::UrlDecode;

struct Case {
    std::string_view input;
    std::string_view expected;
};

void expectEach(const std::vector<Case>& cases, std::string (*clean)(std::string_view)) {
    for (const auto& c : cases) {
        EXPECT_EQ(clean(c.input), c.expected) << "input: \"" << c.input << "\"";
    }
}

TEST(UrlDecode, EveryCodeOfTheTableBecomesItsCharacter) {
    expectEach({{"a%25b", "a%b"}, {"a%20b", "a b"}, {"a%3Cb", "a<b"},  {"a%3Eb", "a>b"}, {"a%23b", "a#b"},
                {"a%7Bb", "a{b"}, {"a%7Db", "a}b"}, {"a%3Bb", "a;b"},  {"a%7Cb", "a|b"}, {"a%5Cb", "a\\b"},
                {"a%5Eb", "a^b"}, {"a%7Eb", "a~b"}, {"a%5Bb", "a[b"},  {"a%5Db", "a]b"}, {"a%60b", "a`b"},
                {"a%2Fb", "a/b"}, {"a%3Fb", "a?b"}, {"a%3Ab", "a:b"},  {"a%40b", "a@b"}, {"a%3Db", "a=b"},
                {"a%26b", "a&b"}, {"a%24b", "a$b"}, {"a%0Ab", "a\nb"}, {"a%0Db", "a\rb"}},
               UrlDecode);
}

TEST(UrlDecode, CodesMatchWhateverTheLetterCase) {
    expectEach({{"%3c", "<"},
                {"%3e", ">"},
                {"%7b%7d", "{}"},
                {"%5c%5e%7e", "\\^~"},
                {"%5b%5d", "[]"},
                {"%2f%3f%3a%3d", "/?:="},
                {"%0a%0d", "\n\r"},
                {"%0d%0A", "\r\n"}},
               UrlDecode);
}

TEST(UrlDecode, EveryOccurrenceIsReplaced) {
    expectEach({{"my%20shop%20now.com", "my shop now.com"}, {"%3C%3C%3C", "<<<"}, {"%20%20", "  "}},
               UrlDecode);
}

// "%25" is decoded first and again until none is left, so doubly encoded
// codes of the table come out as their character.
TEST(UrlDecode, PercentSignComesFirstAndRepeats) {
    expectEach({{"%2525", "%"},
                {"%252525", "%"},
                {"%253C", "<"},
                {"%253c", "<"},
                {"%2520", " "},
                {"%2526", "&"},
                {"%25250D", "\r"},
                {"%25%25", "%%"},
                {"100%25", "100%"}},
               UrlDecode);
}

TEST(UrlDecode, CodesOutsideTheTableAndLoosePercentSignsStay) {
    expectEach({{"%2B", "%2B"},
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

TEST(CorrectName, DocumentedExamples) {
    expectEach({{"my_site.com", "mysite.com"},
                {"my-site.com", "my-site.com"},
                {"abc", "abc"},
                {"<b>shop</b>.com", "shopb.com"},
                {"site:example.com", "example.com"},
                {"example.com?x=1", "example.comx=1"},
                {"", ""},
                {".com", ".com"}},
               CorrectName);
}

TEST(CorrectName, DecodedThenCleaned) {
    EXPECT_EQ(CorrectName(UrlDecode("my%20shop.com")), "myshop.com");
    EXPECT_EQ(CorrectName(UrlDecode("%3Cb%3Eshop%3C/b%3E.com")), "shopb.com");
}

TEST(CorrectName, EachListedCharacterLeavesTheBody) {
    expectEach({{"a b.com", "ab.com"},        {"a/b.com", "ab.com"},      {"a%b.com", "ab.com"},
                {"a!b.com", "ab.com"},        {"a~b.com", "ab.com"},      {"a#b.com", "ab.com"},
                {"a'b.com", "ab.com"},        {"a\"b.com", "ab.com"},     {"a$b.com", "ab.com"},
                {"a^b.com", "ab.com"},        {"a&b.com", "ab.com"},      {"a*b.com", "ab.com"},
                {"a(b).com", "ab.com"},       {"a=b.com", "ab.com"},      {"a\\b.com", "ab.com"},
                {"a|b.com", "ab.com"},        {"a+b.com", "ab.com"},      {"a`b.com", "ab.com"},
                {"a?b.com", "ab.com"},        {"a>b.com", "ab.com"},      {"a<b.com", "ab.com"},
                {"a,b.com", "ab.com"},        {"a;b.com", "ab.com"},      {"a:b.com", "ab.com"},
                {"a_b.com", "ab.com"},        {"a&nbsp;b.com", "ab.com"}, {"anbsp;b.com", "ab.com"},
                {"related:ab.com", "ab.com"}, {"a<b>b.com", "ab.com"},    {"a b/c%d!e.com", "abcde.com"}},
               CorrectName);
}

TEST(CorrectName, ListedNonAsciiCharactersLeaveAsWholeSequences) {
    expectEach({{"a\u00ABb.com", "ab.com"},
                {"a\u00B4b.com", "ab.com"},
                {"a\u00AFb.com", "ab.com"},
                {"a\u00BAb.com", "ab.com"},
                {"a\u00B8b.com", "ab.com"},
                // Neighbours of the listed characters and other letters stay whole.
                {"\u00ABshop\u00BB.com", "shop\u00BB.com"},
                {"a\u00AAb.com", "a\u00AAb.com"},
                {"caf\u00E9.com", "caf\u00E9.com"}},
               CorrectName);
}

TEST(CorrectName, LettersDigitsHyphenAndCaseAreKept) {
    expectEach({{"AbC-123-xyz.COM", "AbC-123-xyz.COM"},
                {"--.com", "--.com"},
                {"Site-Shop.Net", "Site-Shop.Net"},
                {"0123456789", "0123456789"},
                {"ABCDEFGHIJKLMNOPQRSTUVWXYZ.abcdefghijklmnopqrstuvwxyz",
                 "ABCDEFGHIJKLMNOPQRSTUVWXYZ.abcdefghijklmnopqrstuvwxyz"}},
               CorrectName);
}

// The markup remnants are removed case-sensitively: other spellings only lose
// their punctuation.
TEST(CorrectName, MarkupRemnantsMatchOnlyInTheirOwnCase) {
    expectEach({{"SITE:example.com", "SITEexample.com"},
                {"Related:example.com", "Relatedexample.com"},
                {"a&NBSP;b.com", "aNBSPb.com"},
                {"<B>shop</B>.com", "BshopB.com"},
                {"aNbsp;b.com", "aNbspb.com"}},
               CorrectName);
}

// Each case below comes out differently when the removals run in another
// order, because a removal can join the text around it into a later entry or
// break up an earlier one.
TEST(CorrectName, RemovalsRunInTheirFixedOrder) {
    expectEach(
        {// "&nbsp;" goes before "<b>", so it can join one; removing "&" first would leave "b".
         {"x<&nbsp;b>y.com", "xy.com"},
         // "<b>" goes before "<" and ">", which would leave the "b"; "/" comes after "<b>".
         {"x<b>y.com", "xy.com"},
         {"<b/>shop.com", "bshop.com"},
         // "related:" and "site:" go before ":" and before the space that could join them.
         {"re lated:shop.com", "relatedshop.com"},
         {"si te:shop.com", "siteshop.com"},
         // "related:" goes before "site:", which could join one.
         {"relatsite:ed:shop.com", "relatedshop.com"},
         // "&" goes before "nbsp;", which goes before ";".
         {"a&n&bsp;b.com", "ab.com"},
         {"anb sp;b.com", "ab.com"},
         // "_" goes last, so it cannot join anything earlier.
         {"a&nb_sp;b.com", "anbspb.com"},
         {"si_te:shop.com", "siteshop.com"},
         {"<_b>shop.com", "bshop.com"}},
        CorrectName);
}

TEST(CorrectName, SuffixIsKeptExceptItsQuestionMarks) {
    expectEach({{"shop.com ", "shop.com "},
                {"shop.com=", "shop.com="},
                {"shop.com:80", "shop.com:80"},
                {"shop.com/<b>x", "shop.com/<b>x"},
                {"my shop.my shop", "myshop.my shop"},
                {"shop.com?", "shop.com"},
                {"shop.c?o?m", "shop.com"},
                {"sh?op.com?", "shop.com"}},
               CorrectName);
}

// Only the first full stop divides the name; a body equal to the suffix text
// or to a later label is not touched by the split.
TEST(CorrectName, FirstFullStopDividesBodyAndSuffix) {
    expectEach({{"com.com", "com.com"},
                {"COM.com", "COM.com"},
                {"a.b.c", "a.b.c"},
                {"a b.c d.e f", "ab.c d.e f"},
                {"shop.", "shop."},
                {"..", ".."},
                {" .com", ".com"},
                {"&nbsp;.com", ".com"}},
               CorrectName);
}

TEST(CorrectName, BodyWithoutFullStopIsCleanedWhole) {
    expectEach({{"my shop", "myshop"}, {"<b>shop</b>", "shopb"}, {"what?", "what"}, {"?!%", ""}},
               CorrectName);
}

}  // namespace
}  // namespace quillmark
