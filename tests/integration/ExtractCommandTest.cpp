#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// Links of several extensions, a name in plain text only and a frame.
constexpr std::string_view kPage =
    "<html><body>\n"
    "<a href=\"http://www.alpha-shop.com/page\">Alpha</a> <a href=\"http://beta-tools.net/\">Beta</a>\n"
    "<p>Write to us at gamma-mail.com today.</p>\n"
    "<a href=\"http://www.delta-news.info/x\">Delta</a><FRAME src=\"http://www.framed-site.com/a.html\">\n"
    "</body></html>\n";

constexpr std::string_view kComOnly =
    "com|whois.test|43|Enabled\r\nnet|whois.test|43|Disabled\r\ninfo|whois.test|43|Disabled\r\n";

// The list builder takes frame sources as links and never reads plain text; browsing
// finds plain-text names and skips frames, which need a browser. A missing page is one
// line of error with nothing printed.
TEST(ExtractCommand, PrintsTheNamesOfEachVariantUnderTheEnabledExtensions) {
    const struct {
        std::string_view table;  // empty: the default table is written
        bool browse;
        std::string page;
        int exitCode;
        Names names;
    } cases[] = {
        {"",
         false,
         "page.html",
         0,
         {"alpha-shop.com", "beta-tools.net", "delta-news.info", "framed-site.com"}},
        {"", true, "page.html", 0, {"alpha-shop.com", "beta-tools.net", "gamma-mail.com", "delta-news.info"}},
        {kComOnly, false, "page.html", 0, {"alpha-shop.com", "framed-site.com"}},
        {kComOnly, true, "page.html", 0, {"alpha-shop.com", "gamma-mail.com"}},
        {"", false, "missing.html", 2, {}},
        {"", true, "missing.html", 2, {}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        TempFolder config;
        folder.write("page.html", kPage);
        if (!c.table.empty()) folder.write("registrars.txt", c.table);
        QStringList args{"extract", "--folder", QString::fromStdString(folder.path().string())};
        if (c.browse) args << "--browse";
        args << QString::fromStdString((folder / c.page).string());
        const auto outcome = testing::RunProgram(args, config.path());
        const std::string what = args.join(' ').toStdString();
        ASSERT_TRUE(outcome.finished) << what;
        EXPECT_EQ(outcome.exitCode, c.exitCode) << what << ": " << outcome.err;
        std::istringstream out(outcome.out);
        Names names;
        for (std::string line; std::getline(out, line);) names.push_back(line);
        EXPECT_EQ(names, c.names) << what;
        if (c.exitCode != 0) {
            EXPECT_TRUE(outcome.err.find(c.page) < outcome.err.find('\n') &&
                        outcome.err.find('\n') == outcome.err.size() - 1)
                << "one line naming the page: " << outcome.err;
        } else if (c.table.empty()) {
            EXPECT_NE(folder.read("registrars.txt").find("com|"), std::string::npos)
                << "no default table written";
        }
    }
}

}  // namespace
}  // namespace quillmark
