#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "whois/ReplyRules.h"

namespace quillmark::whois {
namespace {

// Rules written for these cases, in the shipped file's form.
constexpr std::string_view kRules =
    "# comment\n"
    "*\tthrottled\tlimit exceeded\n"
    "*\terror\tinternal error\n"
    "*\ttaken\tnot available for registration\n"
    "*\tfree\tno match for\n"
    "*\tfree\tavailable for registration\n"
    ".de\tfree\t\\nStatus: free\n"
    "uk\tfree\tThis domain name has not been registered\n"
    "bo\terror\t^only .bo names\n";

std::string describe(const Verdict& verdict) {
    constexpr const char* kOutcomes[] = {"free", "taken", "unchecked: "};
    return kOutcomes[static_cast<int>(verdict.outcome)] + std::string(verdict.reason);
}

TEST(ReplyRules, EachReplyGetsOneOutcome) {
    const ReplyRules rules = ParseReplyRules(kRules);
    ASSERT_EQ(rules.badLines, std::vector<int>{});
    const struct {
        std::string_view name, reply, outcome;
    } cases[] = {
        {"kestrel.com", "No match for \"KESTREL.COM\".\r\n", "free"},
        {"kestrel.com", "Domain Name: KESTREL.COM\r\nRegistrar: X\r\n", "taken"},
        {"kestrel.com", "", "unchecked: server error"},
        {"kestrel.com", " \r\n\t\r\n", "unchecked: server error"},
        {"kestrel.com", "% Internal error\n", "unchecked: server error"},
        // A throttle notice may go on to say what a free reply says.
        {"kestrel.com", "Query limit exceeded.\nNo match for kestrel.com\n", "unchecked: throttled"},
        // A disclaimer holding a free phrase is no free reply.
        {"kestrel.com", "This name is not available for registration.\n", "taken"},
        {"kestrel.com", "no MATCH FOR kestrel.com", "free"},
        // Rules of an extension speak for its names only, and for names below it.
        {"kestrel.de", "Domain: kestrel.de\r\nStatus: free\r\n", "free"},
        {"kestrel.de", "Status: free\n", "free"},
        {"kestrel.de", "Domain: kestrel.de\nOld-Status: free\n", "taken"},
        {"kestrel.com", "Domain: kestrel.com\nStatus: free\n", "taken"},
        {"kestrel.co.uk", "This domain name has not been registered.\n", "free"},
        {"kestrel.uk", "This domain name has not been registered.\n", "free"},
        {"kestreluk", "This domain name has not been registered.\n", "taken"},
        // "^" holds a text to the reply's start, blank lines aside.
        {"kestrel.bo", "\r\n\r\nOnly .bo names are answered", "unchecked: server error"},
        {"kestrel.bo", "Dominio: kestrel.bo\r\n\r\nOnly .bo names are answered", "taken"},
    };
    for (const auto& c : cases) EXPECT_EQ(describe(JudgeReply(rules, c.name, c.reply)), c.outcome) << c.reply;
}

TEST(ReplyRules, LinesThatAreNoRulesAreSkippedByNumber) {
    const ReplyRules rules = ParseReplyRules(
        "*\tfree\tno match\r\n"     // 1
        "\r\n"                      // 2: blank
        "# *\tnothing\tx\r\n"       // 3: comment
        "*\tfree\r\n"               // 4: no text
        "*\tunknown\tno match\r\n"  // 5: no such kind
        "\tfree\tno match\r\n"      // 6: no extension
        "*\tfree\t\r\n"             // 7: empty text
        "*\tfree\tno\tmatch\r\n"    // 8: a fourth field
        "COM\tFREE\tNot Found\n");  // 9
    EXPECT_EQ(rules.badLines, (std::vector<int>{4, 5, 6, 7, 8}));
    ASSERT_EQ(rules.rules.size(), 2u);
    EXPECT_EQ(describe(JudgeReply(rules, "kestrel.com", "NOT FOUND")), "free");
}

}  // namespace
}  // namespace quillmark::whois
