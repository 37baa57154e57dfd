#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "harvest/DuplicateIndex.h"
#include "platform/Text.h"

namespace quillmark {
namespace {

using harvest::DuplicateIndex;

// What a plain search of the lower-case text says: the answer the index must
// always give.
bool plainAnswer(std::string_view text, std::string_view what) {
    const std::string haystack = text::toLower(text);
    const std::string needle = text::toLower(what);
    return ::memmem(haystack.data(), haystack.size(), needle.data(), needle.size()) != nullptr;
}

struct Query {
    std::string_view what;
    bool expected;
};

void expectAnswers(DuplicateIndex& index, std::string_view text, std::initializer_list<Query> queries) {
    for (const auto& q : queries) {
        EXPECT_EQ(index.contains(text, q.what), q.expected) << "\"" << q.what << "\" in \"" << text << "\"";
        EXPECT_EQ(plainAnswer(text, q.what), q.expected) << "table disagrees: \"" << q.what << "\"";
    }
}

TEST(DuplicateIndex, FindsSubstringsOfNamesIgnoringCase) {
    DuplicateIndex index;
    const std::string_view text = "example.com\r\nOther.NET\r\nshop-24.biz\r\nlast.info";
    expectAnswers(index, text,
                  {
                      {"example.com", true},
                      {"ample.com", true},
                      {"EXAMPLE.COM", true},
                      {"other.net", true},
                      {"p-24.b", true},
                      {"last.info", true},  // no line end after it yet
                      {"st.inf", true},
                      {"examples.com", false},
                      {"other.org", false},
                      {"last.info.", false},
                      {"", true},
                      {"com", true},  // short queries too
                      {"zzz", false},
                      {"x", true},
                  });
}

TEST(DuplicateIndex, QueriesAcrossNamesNeedTheLineEndsThemselves) {
    DuplicateIndex index;
    const std::string_view text = "alpha.com\r\nbeta.net\r\n\r\ngamma.org\ndelta.biz\r";
    expectAnswers(index, text,
                  {
                      {"comb", false},
                      {"alpha.combeta", false},
                      {"com\r\nbeta", true},
                      {"COM\r\nBETA.NET", true},
                      {"net\r\n\r\ngamma", true},
                      {"net\r\ngamma", false},
                      {"org\ndelta", true},
                      {"\r\n", true},
                      {"biz\r", true},
                      {"biz\r\n", false},
                      {"\n\n", false},
                  });
}

TEST(DuplicateIndex, FollowsTheTextAsItGrowsShrinksOrIsReplaced) {
    DuplicateIndex index;
    std::string text = "first.com\r\nsec";
    expectAnswers(index, text, {{"first.com", true}, {"second.com", false}, {"sec", true}});

    text += "ond.com\r\nthird.n";  // the pending part is closed and a new one starts
    expectAnswers(index, text,
                  {{"second.com", true}, {"first.com", true}, {"third.n", true}, {"third.net", false}});

    text.clear();  // the window's Clear button
    expectAnswers(index, text, {{"first.com", false}, {"second", false}, {"", true}});

    text = "fresh.org\r\n";
    expectAnswers(index, text, {{"fresh.org", true}, {"first.com", false}});

    text = "fresh.org\r\nkept.com\r\n";
    expectAnswers(index, text, {{"fresh.org", true}, {"kept.com", true}});
    text.resize(11);  // shortened to its first name
    expectAnswers(index, text, {{"fresh.org", true}, {"kept.com", false}});

    // Replaced by a text of the same length: once with another first name,
    // once with another last name.
    const std::string before = "aaaa.com\r\nmiddle-one.com\r\nzzzz.com\r\n";
    const std::string newFirst = "bbbb.com\r\nmiddle-one.com\r\nzzzz.com\r\n";
    const std::string newLast = "bbbb.com\r\nmiddle-one.com\r\nyyyy.com\r\n";
    expectAnswers(index, before, {{"aaaa.com", true}, {"bbbb.com", false}});
    expectAnswers(index, newFirst, {{"bbbb.com", true}, {"aaaa.com", false}, {"zzzz.com", true}});
    expectAnswers(index, newLast, {{"yyyy.com", true}, {"zzzz.com", false}, {"middle-one", true}});
}

TEST(DuplicateIndex, AgreesWithAPlainSearchOverManyNames) {
    DuplicateIndex index;
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "Name" + std::to_string(i * 7) + ".com\r\n";
    for (const std::string_view what : {"name13993.com", "ame0.com", "NAME7.COM", "name13994.com",
                                        "e14.com\r\nname21", "e14.com\r\nname22", "name1.co", "4.com\r\n"}) {
        EXPECT_EQ(index.contains(text, what), plainAnswer(text, what)) << what;
    }
}

}  // namespace
}  // namespace quillmark
