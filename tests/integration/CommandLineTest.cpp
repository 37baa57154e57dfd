#include <gtest/gtest.h>

#include "app/Commands.h"

namespace quillmark::program {
namespace {

using Args = std::vector<std::string>;

// The parse as one line: the error, or the command, its options and its arguments.
std::string parsed(const Args& args) {
    const auto result = app::ParseCommandLine(args);
    if (!result.commandLine) return "error: " + result.error;
    std::string line = "command '" + result.commandLine->command + "'";
    for (const auto& [option, value] : result.commandLine->options) line += " " + option + "=" + value;
    for (const auto& argument : result.commandLine->arguments) line += " [" + argument + "]";
    return line + (result.commandLine->help ? " help" : "");
}

TEST(CommandLine, CommandsTakeTheirOwnOptionsAndArgumentsAndMistakesGiveOneLine) {
    const struct {
        Args args;
        std::string expected;
    } cases[] = {
        {{}, "command ''"},
        {{"--folder", "/tmp/q"}, "command '' --folder=/tmp/q"},
        {{"--folder=/tmp/q"}, "command '' --folder=/tmp/q"},
        {{"run", "--folder", "d", "--source", "Custom List", "--list", "l.txt", "--start", "3"},
         "command 'run' --folder=d --list=l.txt --source=Custom List --start=3"},
        {{"extract", "--browse", "page.html"}, "command 'extract' --browse= [page.html]"},
        {{"clean", "a%20b.com", "-", "--", "--not-an-option"},
         "command 'clean' [a%20b.com] [-] [--not-an-option]"},
        {{"whois", "--help"}, "command 'whois' help"},
        {{"--bogus"}, "error: unknown option '--bogus'"},
        {{"frobnicate"}, "error: unknown command 'frobnicate'"},
        {{"--folder"}, "error: option '--folder' needs a value"},
        {{"clean", "--folder", "x"}, "error: unknown option '--folder'"},
        {{"run", "--browse"}, "error: unknown option '--browse'"},
        {{"whois"}, "error: missing argument; see --help"},
        {{"whois", "a.com", "b.com"}, "error: unexpected argument 'b.com'"},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(c.args), c.expected);
    EXPECT_NE(app::Usage("whois").find("quillmark whois"), std::string::npos);
    EXPECT_NE(app::Usage("").find("quillmark clean"), std::string::npos);
}

}  // namespace
}  // namespace quillmark::program
