#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
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
using whois::GetServerIndex;
using whois::ServerTable;
using Strings = std::vector<std::string>;

// "net -cn" is an enabled net row and a disabled cn row.
ServerTable tableOf(std::string_view extensions) {
    ServerTable table;
    for (const auto word : text::split(extensions, ' ')) {
        const bool enabled = !word.starts_with('-');
        const std::string extension(enabled ? word : word.substr(1));
        if (!extension.empty()) table.push_back({extension, extension + ".host", 43, enabled});
    }
    return table;
}

// The first row of the last label wins, disabled or not; a miss takes the last com row,
// else row 0; with the proxy on the first proxy row takes every name. "+name" asks with
// the proxy on, "=-1" is no row at all.
TEST(ServerChoice, ByLastLabelWithProxyAndComFallback) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"net com -cn org com cn", "a.com=1 A.COM=1 a.cn=2 a.net=0 a.xyz=4 a.proxy=4 +a.xyz=4"},
        {"proxy net org", "a.xyz=0 a.org=2 +a.org=0"},
        {"com net proxy de proxy", "+a.de=2 a.de=3"},
        {"", "example.com=-1 +example.com=-1"}};
    for (const auto& [table, choices] : cases)
        for (const auto choice : text::split(choices, ' ')) {
            const auto parts = text::split(choice, '=');
            const bool proxy = parts[0].starts_with('+');
            EXPECT_EQ(GetServerIndex(tableOf(table), parts[0].substr(proxy ? 1 : 0), proxy).value_or(-1),
                      std::stoi(std::string(parts[1])))
                << "[" << table << "] " << choice;
        }
}

class ServerTableFile : public ::testing::Test {
protected:
    void write(std::string_view bytes) const { folder.write("registrars.txt", bytes); }
    std::string bytes() const { return folder.read("registrars.txt"); }
    ServerTable load() const {
        ServerTable table = tableOf("x y");
        whois::LoadServers(program, table);
        return table;
    }
    Strings listed() const {
        ListView view;
        view.addItem("stale");
        whois::FillServerList(program, view);
        return testing::cellsOf(view);
    }

    testing::TempFolder folder;
    ProgramFolder program{folder.path()};
};

// Lines that cannot be rows are skipped; a missing file or one without any row keeps the
// table. The list shows every non-blank line as it stands.
TEST_F(ServerTableFile, LoadingReadsRowsOfEveryLineEnd) {
    const Strings kept = rowsOf(tableOf("x y")), two{"com|a|43|E", "net|b|44|D"};
    EXPECT_EQ(rowsOf(load()), kept) << "missing file";
    EXPECT_EQ(listed(), Strings{});
    std::vector<std::pair<std::string, Strings>> cases = {
        {"COM|Whois.Example.NET|43|Enabled\r\nnet|h|1|enabled\r\ninfo|h|43|Enabled "
         "\r\nde|h|43|Enabled|extra\r\n",
         {"com|whois.example.net|43|E", "net|h|1|D", "info|h|43|D", "de|h|43|E"}},
        {"", kept},
        {"com|a|43|Enabled\nnet|b|44|Disabled\n\n", two},
        {"com|a|43|Enabled\rnet|b|44|Disabled\r\r", two},
        {"\r\n \r\ncom|a|43|Enabled\n\r \nnet|b|44|Disabled", two},
    };
    for (const std::string_view bad : {"bad|host|0|Enabled", "bad|host|43", "  ", "|host|43|Enabled"})
        cases.emplace_back("com|a|43|Enabled\r\n" + std::string(bad) + "\r\nnet|b|44|Disabled\r\n", two);
    for (const auto& [file, expected] : cases) {
        write(file);
        EXPECT_EQ(rowsOf(load()), expected)
            << text::replaceAll(text::replaceAll(file, "\r", "<CR>"), "\n", "<LF>");
    }
    write(
        "\r\nCN|Whois.Host|43|Enabled\r\n "
        "\r\nde|d|0|whatever\r\nshort|only\r\nbare\r\nnet|n|43|Disabled|x\r\n");
    EXPECT_EQ(listed(), (Strings{"CN|Whois.Host|43|Enabled", "de|d|0|whatever", "short|only||", "bare|||",
                                 "net|n|43|Disabled"}));
}

// Root reads files whatever their permissions, so there the work runs as "nobody".
bool runUnprivileged(const std::function<void()>& work) {
    if (::geteuid() != 0) return work(), true;
    const pid_t child = ::fork();
    if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? (work(), 0) : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && !WEXITSTATUS(status);
}

// An update replaces every line whose extension is the new one's in lower case, as the
// file's text stands, or appends; blank lines go, other lines stay as they stand.
TEST_F(ServerTableFile, UpdateAndAddRewriteOnlyTheirRows) {
    const struct {
        const char* before;  // null: no file
        Strings edits;       // "update|add ext host port status"
        std::string after;
    } cases[] = {
        {"\r\n "
         "\r\nCN|upper.host|43|Enabled\r\ncn|a|43|Enabled\r\n\r\nde|D.Host|0|Whatever\r\ncn|c|44|"
         "Disabled\r\n",
         {"update CN Whois.Example.TEST 4343 Enabled", "update XX xx.host 43 Disabled"},
         "CN|upper.host|43|Enabled\r\ncn|Whois.Example.TEST|4343|Enabled\r\nde|D.Host|0|Whatever\r\n"
         "cn|Whois.Example.TEST|4343|Enabled\r\n\r\nxx|xx.host|43|Disabled\r\n"},
        {nullptr,
         {"update com c.host 43 Enabled", "add DE Some.Host 4343 Disabled"},
         "com|c.host|43|Enabled\r\nde|Some.Host|4343|Disabled\r\n"},
        {"com|a|43|Enabled", {"add net b 43 Enabled"}, "com|a|43|Enabled\r\nnet|b|43|Enabled\r\n"},
    };
    for (const auto& c : cases) {
        fs::remove(folder / "registrars.txt");
        if (c.before) write(c.before);
        for (const auto& edit : c.edits) {
            const auto f = text::split(edit, ' ');
            f[0] == "add" ? whois::AddServer(program, f[1], f[2], f[3], f[4])
                          : whois::UpdateServer(program, f[1], f[2], f[3], f[4] == "Enabled");
        }
        const std::string after = bytes();  // blank lines before the first row do not count
        EXPECT_EQ(after.substr(after.find_first_not_of("\r\n")), c.after) << (c.before ? c.before : "<none>");
        EXPECT_FALSE(fs::exists(folder / "registrars.txt.saving"));
    }
    write("com|a|43|Enabled\r\n");                   // an unreadable file is never overwritten
    fs::permissions(folder.path(), fs::perms::all);  // only the failed read can stop the rewrite
    fs::permissions(folder / "registrars.txt", fs::perms::none);
    const bool ran = runUnprivileged([&] { whois::UpdateServer(program, "net", "b", "43", true); });
    fs::permissions(folder / "registrars.txt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ran);
    EXPECT_EQ(bytes(), "com|a|43|Enabled\r\n");
}

}  // namespace
}  // namespace quillmark
