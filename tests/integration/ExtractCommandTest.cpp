#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

// Links of several extensions, a name in plain text only and a frame.
constexpr std::string_view kPage =
    "<html><body>\n"
    "<a href=\"http://www.alpha-shop.com/page\">Alpha</a> <a href=\"http://beta-tools.net/\">Beta</a>\n"
    "<p>Write to us at gamma-mail.com today.</p>\n"
    "<a href=\"http://www.delta-news.info/x\">Delta</a><FRAME src=\"http://www.framed-site.com/a.html\">\n"
    "</body></html>\n";
constexpr std::string_view kComOnly = "com|whois.test|43|Enabled\r\nnet|whois.test|43|Disabled\r\n";
// The generator's stored options: only .com and the custom extension, no hyphens.
constexpr std::string_view kGeneratorIni =
    "[Settings]\nchkExt1=0\nchkExt2=0\nchkExt3=0\nchkExt4=0\nchkExt5=0\nchkExt6=0\nchkExt7=0\nchkAdd2=0\n"
    "txtCustom=.US\n";

// Each row runs the program in a fresh folder holding page.html and an appends list.
// Both read links (frame sources too) and plain text; names under an extension
// without a row (info here) count. A failure is one line of error.
TEST(ProgramCommands, ExtractAndGeneratePrintWhatTheyFoundOrOneLineWhyNot) {
    const struct {
        std::string_view table;  // registrars.txt; empty: the default is written
        QStringList args;        // after the command word and its folder; "@x" is the file x there
        int exitCode;
        Names out;
        std::string file, holds;  // a file of the folder (none: the error) and what it holds
    } cases[] = {
        // clang-format off
        {"", {"extract", "@page.html"}, 0, {"alpha-shop.com", "beta-tools.net", "gamma-mail.com", "delta-news.info",
         "framed-site.com"}, "registrars.txt", "com|"},
        {kComOnly, {"extract", "--browse", "@page.html"}, 0, {"alpha-shop.com", "gamma-mail.com", "delta-news.info",
         "framed-site.com"}, "registrars.txt", "net|whois.test|43|Disabled"},
        {"", {"extract", "@missing.html"}, 2, {}, "", "missing.html"},
        {"", {"generate", "--base", "shop"}, 0, {"myshop.com", "myshop.us", "shopmy.com", "shopmy.us",
         "bestshop.com", "bestshop.us", "shopbest.com", "shopbest.us"}, "CreatedDomains.txt",
         "myshop.com\r\n\r\nmyshop.us\r\n"},
        {"", {"generate"}, 2, {}, "", "--base"}, {"", {"generate", "--base", " "}, 2, {}, "", "base word"},
        // clang-format on
    };
    for (const auto& c : cases) {
        testing::TempFolder folder, config;
        folder.write("page.html", kPage);
        folder.write("Appends.txt", "\r\nmy\r\nbest\r\n");
        if (!c.table.empty()) folder.write("registrars.txt", c.table);
        std::filesystem::create_directories(config / "Quillmark");
        config.write("Quillmark/Quillmark.ini", kGeneratorIni);
        QStringList args{c.args.front(), "--folder", QString::fromStdString(folder.path().string())};
        for (const QString& arg : c.args.mid(1))
            args << (arg.startsWith('@')
                         ? QString::fromStdString((folder / arg.mid(1).toStdString()).string())
                         : arg);
        const auto outcome = testing::RunProgram(args, config.path());
        SCOPED_TRACE(args.join(' ').toStdString() + ": " + outcome.err);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        std::string out;
        for (const auto& name : c.out) out += name + "\n";
        EXPECT_EQ(outcome.out, out);
        if (c.exitCode != 0) {
            EXPECT_EQ(std::ranges::count(outcome.err, '\n'), 1);
        }
        EXPECT_EQ(outcome.err.find("Search Started"), std::string::npos);  // no search runs from here
        EXPECT_NE((c.file.empty() ? outcome.err : folder.read(c.file)).find(c.holds), std::string::npos);
    }
}

}  // namespace
}  // namespace quillmark
