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

struct Extracted {
    int exitCode = -1;
    Names names;
    std::string out;
    std::string err;
};

class ExtractCommand : public ::testing::Test {
protected:
    ExtractCommand() { folder.write("page.html", kPage); }

    Extracted run(const QStringList& args) {
        const auto outcome = testing::RunProgram(
            QStringList{"extract", "--folder", QString::fromStdString(folder.path().string())} + args,
            config.path());
        EXPECT_TRUE(outcome.finished) << "the command did not stop by itself";
        Extracted extracted{outcome.exitCode, {}, outcome.out, outcome.err};
        std::istringstream out(outcome.out);
        for (std::string line; std::getline(out, line);) extracted.names.push_back(line);
        return extracted;
    }

    QString page() const { return QString::fromStdString((folder / "page.html").string()); }

    TempFolder folder;
    TempFolder config;
};

TEST_F(ExtractCommand, PrintsTheNamesOfEachVariantWithTheDefaultTable) {
    const struct {
        QStringList args;
        Names expected;
    } cases[] = {
        // The list builder takes frame sources as links and never reads plain text.
        {{page()}, {"alpha-shop.com", "beta-tools.net", "delta-news.info", "framed-site.com"}},
        // Browsing finds plain-text names; frames need a browser and are skipped.
        {{"--browse", page()}, {"alpha-shop.com", "beta-tools.net", "gamma-mail.com", "delta-news.info"}},
    };
    for (const auto& c : cases) {
        const auto extracted = run(c.args);
        EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
        EXPECT_EQ(extracted.names, c.expected) << c.args.join(' ').toStdString();
    }
    EXPECT_NE(folder.read("registrars.txt").find("com|"), std::string::npos) << "no default table written";
}

TEST_F(ExtractCommand, DisabledExtensionsGiveNoNames) {
    folder.write(
        "registrars.txt",
        "com|whois.test|43|Enabled\r\nnet|whois.test|43|Disabled\r\ninfo|whois.test|43|Disabled\r\n");
    for (const auto& args : {QStringList{page()}, QStringList{"--browse", page()}}) {
        const auto extracted = run(args);
        EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
        const Names expected = args.size() == 1 ? Names{"alpha-shop.com", "framed-site.com"}
                                                : Names{"alpha-shop.com", "gamma-mail.com"};
        EXPECT_EQ(extracted.names, expected) << args.join(' ').toStdString();
    }
}

TEST_F(ExtractCommand, AMissingPageIsAnErrorWithNothingPrinted) {
    const auto missing = QString::fromStdString((folder / "missing.html").string());
    for (const auto& args : {QStringList{missing}, QStringList{"--browse", missing}}) {
        const auto extracted = run(args);
        EXPECT_EQ(extracted.exitCode, 2);
        EXPECT_EQ(extracted.out, "");
        EXPECT_NE(extracted.err.find("missing.html"), std::string::npos) << extracted.err;
        EXPECT_EQ(extracted.err.find('\n'), extracted.err.size() - 1) << "one line: " << extracted.err;
    }
}

}  // namespace
}  // namespace quillmark
