#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
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
using testing::TempFolder;
using whois::GetServerIndex;
using whois::ServerRow;
using whois::ServerTable;
using Strings = std::vector<std::string>;

constexpr std::string_view kFileName = "registrars.txt";

const Strings kDefaultExtensions{
    "proxy", "com", "net", "edu", "org", "info", "biz", "aero", "name", "coop", "tc", "cn", "hk", "tw",
    "au",    "ca",  "ck",  "cn",  "kz",  "za",   "id",  "us",   "kr",   "se",   "ac", "jp", "as", "br",
    "cc",    "ch",  "fr",  "gov", "hm",  "li",   "lk",  "mil",  "mm",   "mx",   "sg", "nu", "sh", "tj",
    "tm",    "uk",  "no",  "nz",  "pk",  "al",   "at",  "az",   "be",   "bg",   "by", "cy", "cz", "de",
    "dk",    "dz",  "ee",  "eg",  "es",  "ga",   "ge",  "gl",   "gr",   "hu",   "ie", "il", "is", "it",
    "lt",    "lv",  "ma",  "md",  "mk",  "mt",   "nl",  "no",   "pl",   "pt",   "ro", "si", "sk", "sm",
    "su",    "tn",  "tr",  "us",  "va",  "yu",   "ru",  "to"};

Strings extensionsOf(const ServerTable& table) {
    Strings extensions;
    for (const auto& row : table) extensions.push_back(row.extension);
    return extensions;
}

using testing::rowsOf;

ServerTable tableOf(const Strings& extensions) {
    ServerTable table;
    for (const auto& extension : extensions)
        table.push_back(ServerRow{extension, extension + ".host", 43, true});
    return table;
}

struct ChoiceCase {
    std::string_view name;
    bool useProxy;
    int expected;
};

void expectChoices(const ServerTable& table, const std::vector<ChoiceCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(GetServerIndex(table, c.name, c.useProxy), c.expected)
            << c.name << (c.useProxy ? " (proxy)" : "");
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
    // The file's lines without the blank ones.
    Strings fileRows() const { return ReadNameList(folder / kFileName); }
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

TEST_F(ServerTableFile, DefaultTableIsWrittenAsCrLfRowsWhenTheFileIsMissing) {
    const ServerTable table = loadDefaults();
    EXPECT_EQ(extensionsOf(table), kDefaultExtensions);
    std::set<std::string> enabled;
    for (const auto& row : table) {
        EXPECT_EQ(row.port, 43) << row.extension;
        if (row.enabled) enabled.insert(row.extension);
    }
    EXPECT_EQ(enabled, (std::set<std::string>{"proxy", "com", "net", "info", "biz", "name"}));

    const std::string bytes = fileBytes();
    EXPECT_TRUE(bytes.ends_with("|Disabled\r\n\r\n"));
    EXPECT_FALSE(bytes.ends_with("\r\n\r\n\r\n"));
    EXPECT_EQ(text::replaceAll(bytes, "\r\n", "").find_first_of("\r\n"), std::string::npos);
    const auto lines = text::splitLines(bytes);
    ASSERT_EQ(lines.size(), 93u);
    EXPECT_EQ(lines.front(), "proxy|127.0.0.1|43|Enabled");
    for (std::size_t i = 0; i < 92; ++i) EXPECT_EQ(text::split(lines[i], '|').size(), 4u) << lines[i];

    EXPECT_EQ(listed(), Strings(lines.begin(), lines.end() - 1));

    // com to edu, cn to tw and al to yu share one server per region.
    const auto group = [](std::size_t i) -> std::size_t {
        return i >= 1 && i <= 3 ? 1 : i >= 11 && i <= 13 ? 11 : i >= 47 && i <= 89 ? 47 : 0;
    };
    const std::set<std::string> sharedHosts{table[1].host, table[11].host, table[47].host};
    EXPECT_EQ(sharedHosts.size(), 3u);
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_FALSE(table[i].host.empty());
        if (group(i) != 0)
            EXPECT_EQ(table[i].host, table[group(i)].host) << table[i].extension;
        else
            EXPECT_EQ(sharedHosts.count(table[i].host), 0u) << table[i].extension;
    }
    EXPECT_NE(table[11].host, table[17].host);  // the two cn rows
}

TEST_F(ServerTableFile, DefaultsOverwriteAnExistingFileOnlyWhenAsked) {
    writeFile("com|my.host|4343|Disabled\r\n");
    whois::WriteDefaultServers(program, false);
    EXPECT_EQ(fileBytes(), "com|my.host|4343|Disabled\r\n");

    whois::WriteDefaultServers(program, true);
    const std::string defaults = fileBytes();
    EXPECT_EQ(extensionsOf(load()), kDefaultExtensions);
    whois::UpdateServer(program, "net", "edited.host", "43", true);
    whois::UpdateServer(program, "xx", "new.host", "43", true);
    const std::string edited = fileBytes();
    ASSERT_NE(edited.find("net|edited.host|43|Enabled\r\n"), std::string::npos);
    whois::WriteDefaultServers(program, false);
    EXPECT_EQ(fileBytes(), edited);
    whois::WriteDefaultServers(program, true);
    EXPECT_EQ(fileBytes(), defaults);
}

// The first row of the last label wins, disabled or not; a miss takes the com row.
TEST_F(ServerTableFile, DefaultTableChoosesByLastLabel) {
    const ServerTable table = loadDefaults();
    // clang-format off
    expectChoices(table, {{"example.com", false, 1}, {"Example.COM", false, 1}, {"EXAMPLE.NET", false, 2},
                          {"example.cn", false, 11}, {"example.us", false, 21}, {"example.no", false, 44},
                          {"example.co.uk", false, 43}, {"example.to", false, 91}, {"example.de", false, 55},
                          {"example.xyz", false, 1}, {"example", false, 1}, {"uk", false, 43},
                          {"example.", false, 1}, {"", false, 1}, {"example.de", true, 0},
                          {"Example.COM", true, 0}});
    // clang-format on
    EXPECT_EQ(rowsOf({table[55]}), Strings{"de|" + table[47].host + "|43|D"});
}

TEST(ServerChoice, FirstMatchWinsFallbackIsTheLastComRowOrRowZero) {
    ServerTable table = tableOf({"net", "com", "cn", "org", "com", "cn"});
    table[2].enabled = false;
    expectChoices(table, {{"a.com", false, 1}, {"a.cn", false, 2}, {"a.net", false, 0}});
    expectChoices(table, {{"a.xyz", false, 4}, {"a.proxy", false, 4}, {"a.xyz", true, 4}});
    expectChoices(tableOf({"proxy", "net", "org"}),
                  {{"a.xyz", false, 0}, {"a.org", false, 2}, {"a.proxy", false, 0}, {"a.org", true, 0}});
    expectChoices(tableOf({"net", "org"}), {{"a.xyz", false, 0}, {"a.xyz", true, 0}});
    expectChoices(tableOf({"com", "net", "proxy", "de", "proxy"}),
                  {{"a.de", true, 2}, {"a.com", true, 2}, {"a", true, 2}, {"a.de", false, 3}});
    EXPECT_EQ(GetServerIndex({}, "example.com", false), std::nullopt);
    EXPECT_EQ(GetServerIndex({}, "example.com", true), std::nullopt);
}

TEST_F(ServerTableFile, LoadingLowerCasesReadsStatusExactlyAndReplacesTheTable) {
    writeFile(
        "COM|Whois.Example.NET|43|Enabled\r\nnet|h|1|enabled\r\norg|h|65535|ENABLED\r\n"
        "info|h|43|Enabled \r\nbiz|h|43|Disabled\r\nname|h|43|\r\nde|h|43|Enabled|extra\r\n");
    EXPECT_EQ(rowsOf(load(tableOf({"x", "y"}))),
              (Strings{"com|whois.example.net|43|E", "net|h|1|D", "org|h|65535|D", "info|h|43|D",
                       "biz|h|43|D", "name|h|43|D", "de|h|43|E"}));
}

TEST_F(ServerTableFile, LinesThatCannotBeRowsAreSkipped) {
    for (const std::string_view bad :
         {"bad|host|0|Enabled", "bad|host|65536|Enabled", "bad|host|abc|Enabled", "bad|host||Enabled",
          "bad|host|-43|Enabled", "bad|host|4 3|Enabled", "bad|host|43x|Enabled", "bad|host|43", "bad|host",
          "bad", "  ", "bad|host|99999999999999999999|Enabled", "|host|43|Enabled"}) {
        writeFile("com|a|43|Enabled\r\n" + std::string(bad) + "\r\nnet|b|44|Disabled\r\n");
        EXPECT_EQ(rowsOf(load()), (Strings{"com|a|43|E", "net|b|44|D"})) << "line: " << bad;
    }
}

TEST_F(ServerTableFile, EveryKindOfLineEndLoadsTheSameRows) {
    for (const std::string_view bytes :
         {"com|a|43|Enabled\r\nnet|b|4343|Disabled\r\n\r\n", "com|a|43|Enabled\nnet|b|4343|Disabled\n\n",
          "com|a|43|Enabled\rnet|b|4343|Disabled\r\r", "com|a|43|Enabled\n\rnet|b|4343|Disabled",
          "\r\n \r\ncom|a|43|Enabled\r\n\r\n \nnet|b|4343|Disabled\r"}) {
        writeFile(bytes);
        EXPECT_EQ(rowsOf(load()), (Strings{"com|a|43|E", "net|b|4343|D"}))
            << text::replaceAll(text::replaceAll(bytes, "\r", "<CR>"), "\n", "<LF>");
    }
}

// A folder in the file's place cannot be read: nothing is loaded, listed or written.
TEST_F(ServerTableFile, FileWithoutRowsKeepsTheTable) {
    const Strings before = rowsOf(tableOf({"com", "net"}));
    for (const std::string_view bytes : {"", "\r\n\r\n", " \r\n", "com|a|0|Enabled\r\nnet|b\r\n"}) {
        writeFile(bytes);
        EXPECT_EQ(rowsOf(load(tableOf({"com", "net"}))), before) << "file of " << bytes.size() << " bytes";
    }
    fs::remove(folder / kFileName);
    EXPECT_EQ(rowsOf(load(tableOf({"com", "net"}))), before) << "missing file";
    EXPECT_EQ(listed(), Strings{});
    fs::create_directory(folder / kFileName);
    EXPECT_EQ(rowsOf(load(tableOf({"com", "net"}))), before) << "folder";
    EXPECT_EQ(listed(), Strings{});
    whois::UpdateServer(program, "de", "d", "43", true);
    EXPECT_TRUE(fs::is_directory(folder / kFileName));
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

TEST_F(ServerTableFile, UpdateWithSameValuesKeepsTheRowsAndDoesNotGrowTheFile) {
    const ServerTable before = loadDefaults();
    whois::UpdateServer(program, "net", before[2].host, "43", true);
    const std::string bytes = fileBytes();
    EXPECT_TRUE(bytes.starts_with("\r\nproxy|"));
    EXPECT_TRUE(bytes.ends_with("|Disabled\r\n\r\n"));
    EXPECT_EQ(rowsOf(load()), rowsOf(before));
    EXPECT_FALSE(fs::exists(folder / "registrars.txt.saving"));
    whois::UpdateServer(program, "net", before[2].host, "43", true);
    EXPECT_EQ(fileBytes(), bytes);
}

TEST_F(ServerTableFile, UpdateReplacesEveryRowOfTheExtensionOrAppendsANewOne) {
    const ServerTable before = loadDefaults();
    whois::UpdateServer(program, "CN", "Whois.Example.TEST", "4343", true);
    const auto rows = fileRows();
    ASSERT_EQ(rows.size(), 92u);
    EXPECT_EQ(rows[11], "cn|Whois.Example.TEST|4343|Enabled");
    EXPECT_EQ(rows[17], "cn|Whois.Example.TEST|4343|Enabled");
    Strings expected = rowsOf(before);
    expected[11] = expected[17] = "cn|whois.example.test|4343|E";
    EXPECT_EQ(rowsOf(load()), expected);

    whois::UpdateServer(program, "XX", "xx.host", "43", false);
    EXPECT_TRUE(fileBytes().ends_with("\r\n\r\nxx|xx.host|43|Disabled\r\n"));
    expected.push_back("xx|xx.host|43|D");
    const ServerTable after = load();
    EXPECT_EQ(rowsOf(after), expected);
    EXPECT_EQ(GetServerIndex(after, "name.xx", false), 92);
}

// The file's text is compared case-sensitively; blank lines go, other lines stay as they stand.
TEST_F(ServerTableFile, UpdateKeepsOtherLinesAsTheyStand) {
    writeFile("\r\n \r\nCN|upper.host|43|Enabled\r\n\r\nde|D.Host|0|Whatever\r\nnet|b|43|Enabled\r\n\r\n");
    whois::UpdateServer(program, "net", "n.host", "4343", false);
    whois::UpdateServer(program, "cn", "lower.host", "43", false);
    EXPECT_EQ(fileBytes(),
              "\r\nCN|upper.host|43|Enabled\r\nde|D.Host|0|Whatever\r\nnet|n.host|4343|Disabled\r\n\r\n"
              "cn|lower.host|43|Disabled\r\n");
    EXPECT_EQ(GetServerIndex(load(), "a.cn", false), 0);  // the hand-written row comes first
}

TEST_F(ServerTableFile, UpdateOrAddWithoutAFileWritesTheRow) {
    whois::UpdateServer(program, "com", "c.host", "43", true);
    EXPECT_EQ(rowsOf(load()), Strings{"com|c.host|43|E"});
    whois::AddServer(program, "DE", "Some.Host", "4343", "Disabled");
    EXPECT_EQ(fileRows(), (Strings{"com|c.host|43|Enabled", "de|Some.Host|4343|Disabled"}));
    EXPECT_TRUE(fileBytes().ends_with("de|Some.Host|4343|Disabled\r\n"));

    writeFile("com|a|43|Enabled");  // edited by hand, no final line end
    whois::AddServer(program, "net", "b", "43", "Enabled");
    EXPECT_EQ(extensionsOf(load()), (Strings{"com", "net"}));
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

TEST_F(ServerTableFile, UnreadableFileIsNotTruncatedByUpdate) {
    writeFile("com|a|43|Enabled\r\n");
    const auto path = folder / kFileName;
    fs::permissions(folder.path(), fs::perms::all);  // only the failed read can stop the rewrite
    fs::permissions(path, fs::perms::none);
    const bool ran = runUnprivileged([&] { whois::UpdateServer(program, "net", "b", "43", true); });
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ran);
    EXPECT_EQ(fileBytes(), "com|a|43|Enabled\r\n");
}

TEST_F(ServerTableFile, ListShowsEveryNonBlankLineAsItStands) {
    writeFile(
        "\r\nCN|Whois.Host|43|Enabled\r\n "
        "\r\nde|d|0|whatever\r\nshort|only\r\nbare\r\nnet|n|43|Disabled|x\r\n\r\n");
    EXPECT_EQ(listed(), (Strings{"CN|Whois.Host|43|Enabled", "de|d|0|whatever", "short|only||", "bare|||",
                                 "net|n|43|Disabled"}));
}

}  // namespace
}  // namespace quillmark
