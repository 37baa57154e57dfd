#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "harvest/DuplicateIndex.h"
#include "platform/Text.h"

namespace quillmark {
namespace {

// One index follows the window's text as it grows, is cleared, shrinks and is
// replaced by a text of the same length; at each step it must answer every
// query as a plain search of the lower-case text does.
TEST(DuplicateIndex, AnswersAsAPlainSearchWhateverTheTextDoes) {
    std::string many;
    for (int i = 0; i < 2000; ++i) many += "Name" + std::to_string(i * 7) + ".com\r\n";
    const std::string middle = "\r\nmiddle-one.com\r\n";
    // clang-format off
    const std::vector<std::pair<std::string, std::vector<std::string_view>>> steps = {
        {"example.com\r\nOther.NET\r\nshop-24.biz\r\nlast.info", {"example.com", "ample.com", "EXAMPLE.COM",
         "other.net", "p-24.b", "last.info", "st.inf", "examples.com", "other.org", "last.info.", "", "x"}},
        // Queries across names need the line ends themselves.
        {"alpha.com\r\nbeta.net\r\n\r\ngamma.org\ndelta.biz\r", {"comb", "alpha.combeta", "com\r\nbeta",
         "COM\r\nBETA.NET", "net\r\n\r\ngamma", "net\r\ngamma", "org\ndelta", "\r\n", "biz\r", "biz\r\n"}},
        {"first.com\r\nsec", {"first.com", "second.com", "sec"}},
        {"first.com\r\nsecond.com\r\nthird.n", {"second.com", "first.com", "third.n", "third.net"}},
        {"", {"first.com", "second", ""}}, {"fresh.org\r\n", {"fresh.org", "first.com"}},
        {"fresh.org\r\nkept.com\r\n", {"fresh.org", "kept.com"}},
        {"fresh.org\r\n", {"fresh.org", "kept.com"}},
        {"aaaa.com" + middle + "zzzz.com\r\n", {"aaaa.com", "bbbb.com"}},
        {"bbbb.com" + middle + "zzzz.com\r\n", {"bbbb.com", "aaaa.com", "zzzz.com"}},
        {"bbbb.com" + middle + "yyyy.com\r\n", {"yyyy.com", "zzzz.com", "middle-one"}},
        {many, {"name13993.com", "ame0.com", "NAME7.COM", "name13994.com", "e14.com\r\nname21", "\n\n", "com",
                "e14.com\r\nname22", "name1.co", "4.com\r\n", "zzz"}}};
    // clang-format on
    harvest::DuplicateIndex index;
    for (const auto& [text, queries] : steps) {
        const std::string lower = text::toLower(text);
        for (const std::string_view what : queries) {
            const std::string needle = text::toLower(what);
            const bool plain = ::memmem(lower.data(), lower.size(), needle.data(), needle.size()) != nullptr;
            EXPECT_EQ(index.contains(text, what), plain)
                << "\"" << what << "\" in \"" << text.substr(0, 60) << "\"";
        }
    }
}

}  // namespace
}  // namespace quillmark
