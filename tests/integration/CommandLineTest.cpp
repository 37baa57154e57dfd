#include <gtest/gtest.h>

#include "app/Commands.h"

namespace quillmark::program {
namespace {

using app::Usage;

CommandLineResult parse(std::vector<std::string> args) {
    return app::ParseCommandLine(args);
}

TEST(CommandLine, WindowsWithAndWithoutFolder) {
    const auto bare = parse({});
    ASSERT_TRUE(bare.commandLine);
    EXPECT_EQ(bare.commandLine->command, "");
    EXPECT_FALSE(bare.commandLine->has("--folder"));

    for (const auto& args : {std::vector<std::string>{"--folder", "/tmp/q"}, {"--folder=/tmp/q"}}) {
        const auto withFolder = parse(args);
        ASSERT_TRUE(withFolder.commandLine);
        EXPECT_EQ(withFolder.commandLine->option("--folder"), "/tmp/q");
    }
}

TEST(CommandLine, CommandsTakeTheirOwnOptionsAndArguments) {
    const auto run =
        parse({"run", "--folder", "d", "--source", "Custom List", "--list", "l.txt", "--start", "3"});
    ASSERT_TRUE(run.commandLine) << run.error;
    EXPECT_EQ(run.commandLine->command, "run");
    EXPECT_EQ(run.commandLine->option("--source"), "Custom List");
    EXPECT_EQ(run.commandLine->option("--start"), "3");

    const auto extract = parse({"extract", "--browse", "page.html"});
    ASSERT_TRUE(extract.commandLine) << extract.error;
    EXPECT_TRUE(extract.commandLine->has("--browse"));
    EXPECT_EQ(extract.commandLine->arguments, std::vector<std::string>{"page.html"});

    const auto clean = parse({"clean", "a%20b.com", "-", "--", "--not-an-option"});
    ASSERT_TRUE(clean.commandLine) << clean.error;
    EXPECT_EQ(clean.commandLine->arguments, (std::vector<std::string>{"a%20b.com", "-", "--not-an-option"}));
}

TEST(CommandLine, MistakesGiveOneLineErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Case& c :
         {Case{{"--bogus"}, "unknown option '--bogus'"}, Case{{"frobnicate"}, "unknown command 'frobnicate'"},
          Case{{"--folder"}, "option '--folder' needs a value"},
          Case{{"clean", "--folder", "x"}, "unknown option '--folder'"},
          Case{{"run", "--browse"}, "unknown option '--browse'"},
          Case{{"whois"}, "missing argument; see --help"},
          Case{{"whois", "a.com", "b.com"}, "unexpected argument 'b.com'"},
          Case{{"stray"}, "unknown command 'stray'"}}) {
        const auto result = parse(c.args);
        EXPECT_FALSE(result.commandLine) << c.args.front();
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.error.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, HelpWinsOverMissingArguments) {
    const auto help = parse({"whois", "--help"});
    ASSERT_TRUE(help.commandLine);
    EXPECT_TRUE(help.commandLine->help);
    EXPECT_NE(Usage("whois").find("quillmark whois"), std::string::npos);
    EXPECT_NE(Usage("").find("quillmark clean"), std::string::npos);
}

}  // namespace
}  // namespace quillmark::program
