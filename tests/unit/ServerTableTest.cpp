#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"
#include "support/ServerRows.h"
#include "support/TempFolder.h"
#include "whois/ServerTable.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using testing::rowsOf;
using testing::TempFolder;
using whois::GetServerIndex;
using whois::ServerTable;
using Strings = std::vector<std::string>;

constexpr std::string_view kFileName = "registrars.txt";

// "net -cn" is an enabled net row and a disabled cn row.
ServerTable tableOf(std::string_view extensions) {
    ServerTable table;
    for (const auto word : text::split(extensions, ' ')) {
        if (word.empty()) continue;
        const bool disabled = word[0] == '-';
        const std::string extension(disabled ? word.substr(1) : word);
        table.push_back({extension, extension + ".host", 43, !disabled});
    }
    return table;
}

class ServerTableFile : public ::testing::Test {
protected:
    void writeFile(std::string_view bytes) const { folder.write(kFileName, bytes); }
    std::string fileBytes() const { return folder.read(kFileName); }
    ServerTable load(ServerTable table = {}) const {
        whois::LoadServers(program, table);
        return table;
    }
    ServerTable loadDefaults() const {
        whois::WriteDefaultServers(program, false);
        return load();
    }
    Strings listed() const {
        ListView view;
        view.setColumns({"Extension", "Server", "Port", "Status"});
        view.addItem("stale");
        whois::FillServerList(program, view);
        Strings rows;
        for (int row = 0; row < view.count(); ++row) {
            std::string line = view.cell(row, 0);
            for (int column = 1; column < 4; ++column) line += "|" + view.cell(row, column);
            rows.push_back(line);
        }
        return rows;
    }

    TempFolder folder;
    ProgramFolder program{folder.path()};
};

// The first row of the last label wins, disabled or not; a miss takes the last com row,
// else row 0; with the proxy on the first proxy row takes every name. "+name" asks with
// the proxy on, "=-1" is no row at all.
TEST(ServerChoice, ByLastLabelWithProxyAndComFallback) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"net com -cn org com cn", "a.com=1 a.cn=2 a.net=0 a.xyz=4 a.proxy=4 +a.xyz=4"},
        {"net com", "A.COM=1"},
        {"proxy net org", "a.xyz=0 a.org=2 +a.org=0"},
        {"net org", "+a.xyz=0"},
        {"com net proxy de proxy", "+a.de=2 +a=2 a.de=3"},
        {"", "example.com=-1 +example.com=-1"}};
    for (const auto& [table, choices] : cases)
        for (const auto choice : text::split(choices, ' ')) {
            const auto parts = text::split(choice, '=');
            const std::string_view asked = parts.at(0);
            const int row = std::stoi(std::string(parts.at(1)));
            const bool proxy = asked.starts_with('+');
            EXPECT_EQ(GetServerIndex(tableOf(table), proxy ? asked.substr(1) : asked, proxy).value_or(-1),
                      row)
                << "[" << table << "] " << choice;
        }
}

TEST(ServerPort, WholeNumbersFromOneTo65535) {
    // clang-format off
    const std::pair<std::string_view, int> cases[] = {
        {"43", 43}, {"1", 1}, {"65535", 65535}, {" 43 ", 43}, {"+43", 43}, {"0", -1}, {"-1", -1}, {"65536", -1},
        {"abc", -1}, {"", -1}, {" ", -1}, {"4 3", -1}, {"43.0", -1}, {"0x2B", -1}, {"4294967339", -1}};
    // clang-format on
    for (const auto& [text, port] : cases) {
        const auto parsed = whois::ParsePort(text);
        EXPECT_EQ(parsed ? int{*parsed} : -1, port) << "\"" << text << "\"";
    }
}

TEST_F(ServerTableFile, DefaultTableIsWrittenWhenMissingLoadsAndRoutes) {
    const ServerTable table = loadDefaults();
    ASSERT_EQ(table.size(), 92u);
    const std::string bytes = fileBytes();
    EXPECT_TRUE(bytes.starts_with("proxy|127.0.0.1|43|Enabled\r\n"));
    EXPECT_TRUE(bytes.ends_with("|Disabled\r\n\r\n"));
    EXPECT_FALSE(bytes.ends_with("\r\n\r\n\r\n"));
    EXPECT_EQ(text::replaceAll(bytes, "\r\n", "").find_first_of("\r\n"), std::string::npos);
    const auto lines = text::splitLines(bytes);
    EXPECT_EQ(listed(), Strings(lines.begin(), lines.end() - 1));
    for (const auto& [name, row] : {std::pair{"Example.COM", 1}, {"example.co.uk", 43}, {"example.xyz", 1}})
        EXPECT_EQ(GetServerIndex(table, name, false), row) << name;

    writeFile("com|my.host|4343|Disabled\r\n");
    whois::WriteDefaultServers(program, false);
    EXPECT_EQ(fileBytes(), "com|my.host|4343|Disabled\r\n");
    whois::WriteDefaultServers(program, true);
    EXPECT_EQ(fileBytes(), bytes);
}

// Lines that cannot be rows are skipped; a file without any row keeps the table.
TEST_F(ServerTableFile, LoadingReadsRowsOfEveryLineEnd) {
    const Strings kept = rowsOf(tableOf("x y"));
    std::vector<std::pair<std::string, Strings>> cases = {
        {"COM|Whois.Example.NET|43|Enabled\r\nnet|h|1|enabled\r\norg|h|65535|ENABLED\r\n"
         "info|h|43|Enabled \r\nbiz|h|43|Disabled\r\nname|h|43|\r\nde|h|43|Enabled|extra\r\n",
         {"com|whois.example.net|43|E", "net|h|1|D", "org|h|65535|D", "info|h|43|D", "biz|h|43|D",
          "name|h|43|D", "de|h|43|E"}},
        {"", kept},
        {"\r\n\r\n", kept},
        {" \r\n", kept},
        {"com|a|0|Enabled\r\nnet|b\r\n", kept},
    };
    const Strings two{"com|a|43|E", "net|b|44|D"};
    for (const std::string_view ends :
         {"com|a|43|Enabled\r\nnet|b|44|Disabled\r\n\r\n", "com|a|43|Enabled\nnet|b|44|Disabled\n\n",
          "com|a|43|Enabled\rnet|b|44|Disabled\r\r", "com|a|43|Enabled\n\rnet|b|44|Disabled",
          "\r\n \r\ncom|a|43|Enabled\r\n\r\n \nnet|b|44|Disabled\r"})
        cases.emplace_back(ends, two);
    for (const std::string_view bad :
         {"bad|host|0|Enabled", "bad|host|65536|Enabled", "bad|host|abc|Enabled", "bad|host||Enabled",
          "bad|host|-43|Enabled", "bad|host|4 3|Enabled", "bad|host|43x|Enabled", "bad|host|43", "bad|host",
          "bad", "  ", "bad|host|99999999999999999999|Enabled", "|host|43|Enabled"})
        cases.emplace_back("com|a|43|Enabled\r\n" + std::string(bad) + "\r\nnet|b|44|Disabled\r\n", two);
    for (const auto& [bytes, expected] : cases) {
        writeFile(bytes);
        EXPECT_EQ(rowsOf(load(tableOf("x y"))), expected)
            << text::replaceAll(text::replaceAll(bytes, "\r", "<CR>"), "\n", "<LF>");
    }
}

// The file's text is compared case-sensitively; blank lines go, other lines stay as they stand.
TEST_F(ServerTableFile, UpdateAndAddRewriteOnlyTheirRows) {
    using Edit = std::function<void(const ProgramFolder&)>;
    const auto update = [](std::string ext, std::string host, std::string port, bool on) -> Edit {
        return [=](const ProgramFolder& p) { whois::UpdateServer(p, ext, host, port, on); };
    };
    const auto add = [](std::string ext, std::string host, std::string port, std::string status) -> Edit {
        return [=](const ProgramFolder& p) { whois::AddServer(p, ext, host, port, status); };
    };
    const struct {
        std::optional<std::string> before;
        std::vector<Edit> edits;
        std::string after;
    } cases[] = {
        {"\r\n \r\nCN|upper.host|43|Enabled\r\n\r\nde|D.Host|0|Whatever\r\nnet|b|43|Enabled\r\n\r\n",
         {update("net", "n.host", "4343", false), update("cn", "lower.host", "43", false)},
         "CN|upper.host|43|Enabled\r\nde|D.Host|0|Whatever\r\nnet|n.host|4343|Disabled\r\n\r\n"
         "cn|lower.host|43|Disabled\r\n"},
        {std::nullopt,
         {update("com", "c.host", "43", true), add("DE", "Some.Host", "4343", "Disabled")},
         "com|c.host|43|Enabled\r\nde|Some.Host|4343|Disabled\r\n"},
        {"com|a|43|Enabled", {add("net", "b", "43", "Enabled")}, "com|a|43|Enabled\r\nnet|b|43|Enabled\r\n"},
    };
    for (const auto& c : cases) {
        fs::remove(folder / kFileName);
        if (c.before) writeFile(*c.before);
        for (const auto& edit : c.edits) edit(program);
        const std::string after = fileBytes();  // blank lines before the first row do not count
        EXPECT_EQ(after.substr(after.find_first_not_of("\r\n")), c.after) << c.before.value_or("<no file>");
    }
}

TEST_F(ServerTableFile, UpdateOfTheDefaultsReplacesEveryRowOfTheExtensionOrAppends) {
    const Strings before = rowsOf(loadDefaults());
    const std::string netHost = load()[2].host;
    whois::UpdateServer(program, "net", netHost, "43", true);
    const std::string same = fileBytes();
    EXPECT_EQ(rowsOf(load()), before);
    EXPECT_FALSE(fs::exists(folder / "registrars.txt.saving"));
    whois::UpdateServer(program, "net", netHost, "43", true);
    EXPECT_EQ(fileBytes(), same);  // does not grow

    whois::UpdateServer(program, "CN", "Whois.Example.TEST", "4343", true);
    whois::UpdateServer(program, "XX", "xx.host", "43", false);
    Strings expected = before;
    expected[11] = expected[17] = "cn|whois.example.test|4343|E";
    expected.push_back("xx|xx.host|43|D");
    const ServerTable after = load();
    EXPECT_EQ(rowsOf(after), expected);
    EXPECT_TRUE(fileBytes().ends_with("\r\n\r\nxx|xx.host|43|Disabled\r\n"));
    EXPECT_NE(fileBytes().find("cn|Whois.Example.TEST|4343|Enabled"), std::string::npos);
    EXPECT_EQ(GetServerIndex(after, "name.xx", false), 92);
}

TEST_F(ServerTableFile, ListShowsEveryNonBlankLineAsItStands) {
    writeFile(
        "\r\nCN|Whois.Host|43|Enabled\r\n "
        "\r\nde|d|0|whatever\r\nshort|only\r\nbare\r\nnet|n|43|Disabled|x\r\n");
    EXPECT_EQ(listed(), (Strings{"CN|Whois.Host|43|Enabled", "de|d|0|whatever", "short|only||", "bare|||",
                                 "net|n|43|Disabled"}));
}

// Root reads files whatever their permissions, so there the work runs as "nobody".
bool runUnprivileged(const std::function<void()>& work) {
    if (::geteuid() != 0) return work(), true;
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        if (dropped) work();
        ::_exit(dropped ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A missing, unreadable or folder-shaped file loads nothing and is never overwritten.
TEST_F(ServerTableFile, UnusableFileKeepsTableAndIsNotRewritten) {
    const Strings before = rowsOf(tableOf("com net"));
    EXPECT_EQ(rowsOf(load(tableOf("com net"))), before) << "missing file";
    EXPECT_EQ(listed(), Strings{});

    writeFile("com|a|43|Enabled\r\n");
    const auto path = folder / kFileName;
    fs::permissions(folder.path(), fs::perms::all);  // only the failed read can stop the rewrite
    fs::permissions(path, fs::perms::none);
    const bool ran = runUnprivileged([&] { whois::UpdateServer(program, "net", "b", "43", true); });
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ran);
    EXPECT_EQ(fileBytes(), "com|a|43|Enabled\r\n");

    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(rowsOf(load(tableOf("com net"))), before) << "folder";
    EXPECT_EQ(listed(), Strings{});
    whois::UpdateServer(program, "de", "d", "43", true);
    EXPECT_TRUE(fs::is_directory(path));
}

}  // namespace
}  // namespace quillmark
