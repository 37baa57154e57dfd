#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/Text.h"
#include "support/TempFolder.h"
#include "whois/modWhois.h"

namespace quillmark {
namespace {

using modWhois::ServerRow;
using modWhois::ServerTable;
using testing::TempFolder;

constexpr std::string_view kFileName = "registrars.txt";

// The extensions of the default table in file order.
const std::vector<std::string> kDefaultExtensions{
    "proxy", "com", "net", "edu", "org", "info", "biz", "aero", "name", "coop", "tc", "cn", "hk", "tw",
    "au",    "ca",  "ck",  "cn",  "kz",  "za",   "id",  "us",   "kr",   "se",   "ac", "jp", "as", "br",
    "cc",    "ch",  "fr",  "gov", "hm",  "li",   "lk",  "mil",  "mm",   "mx",   "sg", "nu", "sh", "tj",
    "tm",    "uk",  "no",  "nz",  "pk",  "al",   "at",  "az",   "be",   "bg",   "by", "cy", "cz", "de",
    "dk",    "dz",  "ee",  "eg",  "es",  "ga",   "ge",  "gl",   "gr",   "hu",   "ie", "il", "is", "it",
    "lt",    "lv",  "ma",  "md",  "mk",  "mt",   "nl",  "no",   "pl",   "pt",   "ro", "si", "sk", "sm",
    "su",    "tn",  "tr",  "us",  "va",  "yu",   "ru",  "to"};

std::vector<std::string> extensionsOf(const ServerTable& table) {
    std::vector<std::string> extensions;
    for (const auto& row : table) extensions.push_back(row.ServerExt);
    return extensions;
}

bool sameRows(const ServerTable& a, const ServerTable& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].ServerExt != b[i].ServerExt || a[i].ServerHost != b[i].ServerHost ||
            a[i].ServerPort != b[i].ServerPort || a[i].ServerEnabled != b[i].ServerEnabled) {
            return false;
        }
    }
    return true;
}

ServerTable tableOf(const std::vector<std::string>& extensions) {
    ServerTable table;
    for (const auto& extension : extensions)
        table.push_back(ServerRow{extension, extension + ".host", 43, true});
    return table;
}

class ServerTableFile : public ::testing::Test {
protected:
    void writeFile(std::string_view bytes) const { folder.write(kFileName, bytes); }
    std::string fileBytes() const { return folder.read(kFileName); }

    ServerTable load() const {
        ServerTable table;
        modWhois::LoadServers(program, table);
        return table;
    }
    ServerTable loadDefaults() const {
        modWhois::WriteDefaultServers(program, false);
        return load();
    }
    // The file's lines without the blank ones, as the table readers see them.
    std::vector<std::string> fileRows() const { return ReadNameList(folder / kFileName); }

    TempFolder folder;
    ProgramFolder program{folder.path()};
};

// --- The default table --------------------------------------------------------

TEST_F(ServerTableFile, DefaultsAreWrittenWhenTheFileIsMissing) {
    const ServerTable table = loadDefaults();

    ASSERT_EQ(table.size(), 92u);
    EXPECT_EQ(extensionsOf(table), kDefaultExtensions);
    std::set<std::string> enabled;
    for (const auto& row : table) {
        EXPECT_EQ(row.ServerPort, 43) << row.ServerExt;
        if (row.ServerEnabled) enabled.insert(row.ServerExt);
    }
    EXPECT_EQ(enabled, (std::set<std::string>{"proxy", "com", "net", "info", "biz", "name"}));
    EXPECT_EQ(table[11].ServerExt, "cn");
    EXPECT_EQ(table[17].ServerExt, "cn");
    EXPECT_NE(table[11].ServerHost, table[17].ServerHost);
}

TEST_F(ServerTableFile, DefaultFileIsCrLfRowsAndEndsInAnEmptyLine) {
    modWhois::WriteDefaultServers(program, false);
    const std::string bytes = fileBytes();

    EXPECT_TRUE(bytes.ends_with("|Disabled\r\n\r\n"));
    EXPECT_FALSE(bytes.ends_with("\r\n\r\n\r\n"));
    EXPECT_EQ(text::replaceAll(bytes, "\r\n", "").find_first_of("\r\n"), std::string::npos)
        << "every line end is CR LF";
    const auto lines = text::splitLines(bytes);
    ASSERT_EQ(lines.size(), 93u);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines.front(), "proxy|127.0.0.1|43|Enabled");
    for (std::size_t i = 0; i < 92; ++i) {
        EXPECT_EQ(text::split(lines[i], '|').size(), 4u) << lines[i];
        EXPECT_TRUE(lines[i].starts_with(kDefaultExtensions[i] + "|")) << lines[i];
    }
}

TEST_F(ServerTableFile, DefaultRowsShareTheirRegionalServers) {
    const ServerTable table = loadDefaults();
    ASSERT_EQ(table.size(), 92u);

    EXPECT_EQ(table[0].ServerHost, "127.0.0.1");
    auto expectShared = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i <= last; ++i) {
            EXPECT_EQ(table[i].ServerHost, table[first].ServerHost) << table[i].ServerExt;
        }
    };
    expectShared(1, 3);    // com, net, edu
    expectShared(11, 13);  // cn, hk, tw
    expectShared(47, 89);  // al to yu
    const std::set<std::string> sharedHosts{table[1].ServerHost, table[11].ServerHost, table[47].ServerHost};
    EXPECT_EQ(sharedHosts.size(), 3u);
    for (std::size_t i = 1; i < table.size(); ++i) {
        const bool inGroup = (i >= 1 && i <= 3) || (i >= 11 && i <= 13) || (i >= 47 && i <= 89);
        EXPECT_FALSE(table[i].ServerHost.empty());
        if (!inGroup) {
            EXPECT_EQ(sharedHosts.count(table[i].ServerHost), 0u) << table[i].ServerExt;
        }
    }
}

TEST_F(ServerTableFile, ExistingFileIsLeftAloneWithoutOverwrite) {
    writeFile("com|my.host|4343|Disabled\r\n");
    modWhois::WriteDefaultServers(program, false);
    EXPECT_EQ(fileBytes(), "com|my.host|4343|Disabled\r\n");
}

TEST_F(ServerTableFile, SecondWriteOfTheDefaultsKeepsTheEdits) {
    modWhois::WriteDefaultServers(program, false);
    modWhois::UpdateServer(program, "net", "edited.host", "43", true);
    const std::string edited = fileBytes();
    ASSERT_NE(edited.find("net|edited.host|43|Enabled\r\n"), std::string::npos);

    modWhois::WriteDefaultServers(program, false);
    EXPECT_EQ(fileBytes(), edited);
}

TEST_F(ServerTableFile, RestoreWithOverwriteRewritesTheDefaults) {
    modWhois::WriteDefaultServers(program, false);
    const std::string defaults = fileBytes();
    modWhois::UpdateServer(program, "com", "edited.host", "4343", false);
    modWhois::UpdateServer(program, "xx", "new.host", "43", true);
    ASSERT_NE(fileBytes(), defaults);

    modWhois::WriteDefaultServers(program, true);
    EXPECT_EQ(fileBytes(), defaults);
    EXPECT_EQ(extensionsOf(load()), kDefaultExtensions);
}

// --- Server choice ------------------------------------------------------------

struct ChoiceCase {
    std::string_view name;
    bool useProxy;
    int expected;
};

void expectChoices(const ServerTable& table, const std::vector<ChoiceCase>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(modWhois::GetServerIndex(table, c.name, c.useProxy), c.expected)
            << c.name << (c.useProxy ? " (proxy on)" : "");
    }
}

TEST_F(ServerTableFile, DefaultTableChoosesByLastLabel) {
    const ServerTable table = loadDefaults();
    expectChoices(table, {
                             {"example.com", false, 1},
                             {"Example.COM", false, 1},
                             {"EXAMPLE.NET", false, 2},
                             {"example.cn", false, 11},  // the first of the two cn rows
                             {"example.us", false, 21},
                             {"example.no", false, 44},
                             {"example.co.uk", false, 43},
                             {"example.to", false, 91},
                             {"example.xyz", false, 1},  // no row: the com row
                             {"example", false, 1},      // the whole name is the key
                             {"uk", false, 43},
                             {"example.", false, 1},
                             {"", false, 1},
                             {"example.de", true, 0},
                             {"example.xyz", true, 0},
                             {"Example.COM", true, 0},
                         });
}

TEST_F(ServerTableFile, DisabledGermanRowIsStillChosen) {
    const ServerTable table = loadDefaults();
    const auto index = modWhois::GetServerIndex(table, "example.de", false);
    ASSERT_EQ(index, 55);
    const ServerRow& row = table[55];
    EXPECT_EQ(row.ServerExt, "de");
    EXPECT_FALSE(row.ServerEnabled);
    EXPECT_EQ(row.ServerPort, 43);
    EXPECT_EQ(row.ServerHost, table[47].ServerHost);  // the European registry's server
}

TEST(ServerChoice, FirstMatchWinsAndTheLastComRowIsTheFallback) {
    const ServerTable table = tableOf({"net", "com", "cn", "org", "com", "cn"});
    expectChoices(table, {{"a.com", false, 1},
                          {"a.cn", false, 2},
                          {"a.net", false, 0},
                          {"a.xyz", false, 4},
                          {"a.proxy", false, 4},
                          {"a.xyz", true, 4}});
}

TEST(ServerChoice, WithoutAComRowAMissGoesToRowZero) {
    expectChoices(tableOf({"proxy", "net", "org"}),
                  {{"a.xyz", false, 0}, {"a.org", false, 2}, {"a.proxy", false, 0}, {"a.org", true, 0}});
    expectChoices(tableOf({"net", "org"}), {{"a.xyz", false, 0}, {"a.xyz", true, 0}});
}

TEST(ServerChoice, ProxySwitchTakesTheFirstProxyRowWhateverTheName) {
    expectChoices(tableOf({"com", "net", "proxy", "de", "proxy"}),
                  {{"a.de", true, 2}, {"a.com", true, 2}, {"a", true, 2}, {"a.de", false, 3}});
}

TEST(ServerChoice, StatusPlaysNoPart) {
    ServerTable table = tableOf({"com", "de", "de"});
    table[1].ServerEnabled = false;
    EXPECT_EQ(modWhois::GetServerIndex(table, "a.de", false), 1);
}

TEST(ServerChoice, EmptyTableHasNoRowToGive) {
    EXPECT_EQ(modWhois::GetServerIndex({}, "example.com", false), std::nullopt);
    EXPECT_EQ(modWhois::GetServerIndex({}, "example.com", true), std::nullopt);
}

TEST_F(ServerTableFile, DeletedComRowSendsMissesToRowZero) {
    modWhois::WriteDefaultServers(program, false);
    std::string withoutCom;
    for (const auto& line : fileRows()) {
        if (!line.starts_with("com|")) withoutCom += line + "\r\n";
    }
    writeFile(withoutCom);
    const ServerTable table = load();
    ASSERT_EQ(table.size(), 91u);
    EXPECT_EQ(modWhois::GetServerIndex(table, "example.xyz", false), 0);
    EXPECT_EQ(modWhois::GetServerIndex(table, "example.com", false), 0);
    EXPECT_EQ(table[0].ServerExt, "proxy");
}

// --- Loading --------------------------------------------------------------------

TEST_F(ServerTableFile, LoadingLowerCasesAndReadsStatusExactly) {
    writeFile(
        "COM|Whois.Example.NET|43|Enabled\r\n"
        "net|host.test|1|enabled\r\n"
        "org|host.test|65535|ENABLED\r\n"
        "info|host.test|43|Enabled \r\n"
        "biz|host.test|43|Disabled\r\n"
        "name|host.test|43|\r\n"
        "de|host.test|43|Enabled|extra\r\n");
    const ServerTable table = load();
    ASSERT_EQ(table.size(), 7u);
    EXPECT_EQ(table[0].ServerExt, "com");
    EXPECT_EQ(table[0].ServerHost, "whois.example.net");
    EXPECT_EQ(table[1].ServerPort, 1);
    EXPECT_EQ(table[2].ServerPort, 65535);
    const std::vector<bool> enabled{true, false, false, false, false, false, true};
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].ServerEnabled, enabled[i]) << i;
}

TEST_F(ServerTableFile, LinesThatCannotBeRowsAreSkipped) {
    const std::vector<std::string_view> badLines{"bad|host|0|Enabled",
                                                 "bad|host|70000|Enabled",
                                                 "bad|host|65536|Enabled",
                                                 "bad|host|abc|Enabled",
                                                 "bad|host||Enabled",
                                                 "bad|host|-43|Enabled",
                                                 "bad|host|4 3|Enabled",
                                                 "bad|host|43x|Enabled",
                                                 "bad|host|43",
                                                 "bad|host",
                                                 "bad",
                                                 "  ",
                                                 "bad|host|99999999999999999999|Enabled"};
    for (const auto bad : badLines) {
        writeFile("com|a|43|Enabled\r\n" + std::string(bad) + "\r\nnet|b|44|Disabled\r\n");
        const ServerTable table = load();
        EXPECT_EQ(extensionsOf(table), (std::vector<std::string>{"com", "net"})) << "line: " << bad;
        if (table.size() == 2) {
            EXPECT_EQ(table[1].ServerPort, 44) << "line: " << bad;
        }
    }
}

TEST_F(ServerTableFile, EveryKindOfLineEndLoadsTheSameRows) {
    const std::vector<std::string_view> files{
        "com|a|43|Enabled\r\nnet|b|4343|Disabled\r\n\r\n",
        "com|a|43|Enabled\nnet|b|4343|Disabled\n\n",
        "com|a|43|Enabled\rnet|b|4343|Disabled\r\r",
        "com|a|43|Enabled\n\rnet|b|4343|Disabled",
        "\r\n \r\ncom|a|43|Enabled\r\n\r\n \nnet|b|4343|Disabled\r",
    };
    writeFile(files.front());
    const ServerTable expected = load();
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(expected[1].ServerPort, 4343);
    for (const auto bytes : files) {
        writeFile(bytes);
        EXPECT_TRUE(sameRows(load(), expected))
            << text::replaceAll(text::replaceAll(bytes, "\r", "<CR>"), "\n", "<LF>");
    }
}

TEST_F(ServerTableFile, FileWithoutRowsKeepsTheTable) {
    const ServerTable before = tableOf({"com", "net"});
    const std::vector<std::string_view> files{"", "\r\n\r\n", " \r\n", "com|a|0|Enabled\r\nnet|b\r\n"};
    for (const auto bytes : files) {
        writeFile(bytes);
        ServerTable table = before;
        modWhois::LoadServers(program, table);
        EXPECT_TRUE(sameRows(table, before)) << "file of " << bytes.size() << " bytes";
    }
    std::filesystem::remove(folder / kFileName);
    ServerTable table = before;
    modWhois::LoadServers(program, table);
    EXPECT_TRUE(sameRows(table, before)) << "missing file";
}

// A folder in the file's place cannot be read: nothing is loaded, listed or
// written, and nothing throws.
TEST_F(ServerTableFile, UnreadableTableFileChangesNothing) {
    std::filesystem::create_directory(folder / kFileName);
    const ServerTable before = tableOf({"com", "net"});

    ServerTable table = before;
    modWhois::LoadServers(program, table);
    EXPECT_TRUE(sameRows(table, before));

    ListView view;
    view.addItem("stale");
    modWhois::FillServerList(program, view);
    EXPECT_EQ(view.count(), 0);

    modWhois::UpdateServer(program, "de", "d", "43", true);
    EXPECT_TRUE(std::filesystem::is_directory(folder / kFileName));
}

TEST_F(ServerTableFile, LoadingReplacesTheWholeTable) {
    ServerTable table = tableOf({"com", "net", "org"});
    writeFile("de|d|43|Enabled\r\n");
    modWhois::LoadServers(program, table);
    EXPECT_EQ(extensionsOf(table), std::vector<std::string>{"de"});
}

// --- Ports ----------------------------------------------------------------------

TEST(ServerPort, WholeNumbersFromOneTo65535) {
    const std::vector<std::pair<std::string_view, std::optional<std::uint16_t>>> cases{
        {"43", 43},
        {"1", 1},
        {"65535", 65535},
        {" 43 ", 43},
        {"+43", 43},
        {"0", std::nullopt},
        {"-1", std::nullopt},
        {"65536", std::nullopt},
        {"70000", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"4 3", std::nullopt},
        {"43.0", std::nullopt},
        {"0x2B", std::nullopt},
        {"4294967339", std::nullopt}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(modWhois::ParsePort(text), expected) << "\"" << text << "\"";
    }
}

// --- Updating and adding rows ---------------------------------------------------

TEST_F(ServerTableFile, UpdateWithSameValuesKeepsTheRowsReadable) {
    const ServerTable before = loadDefaults();
    modWhois::UpdateServer(program, "net", before[2].ServerHost, "43", true);

    const std::string bytes = fileBytes();
    EXPECT_TRUE(bytes.starts_with("\r\nproxy|"));
    EXPECT_TRUE(bytes.ends_with("|Disabled\r\n\r\n"));
    EXPECT_TRUE(sameRows(load(), before));
    EXPECT_FALSE(std::filesystem::exists(folder / "registrars.txt.saving"));
}

TEST_F(ServerTableFile, UpdateReplacesEveryRowOfTheExtension) {
    const ServerTable before = loadDefaults();
    modWhois::UpdateServer(program, "CN", "Whois.Example.TEST", "4343", true);

    const auto rows = fileRows();
    ASSERT_EQ(rows.size(), 92u);
    EXPECT_EQ(rows[11], "cn|Whois.Example.TEST|4343|Enabled");
    EXPECT_EQ(rows[17], "cn|Whois.Example.TEST|4343|Enabled");

    const ServerTable after = load();
    ASSERT_EQ(after.size(), 92u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == 11 || i == 17) continue;
        EXPECT_TRUE(sameRows({after[i]}, {before[i]})) << after[i].ServerExt;
    }
    EXPECT_EQ(after[17].ServerHost, "whois.example.test");
    EXPECT_EQ(after[17].ServerPort, 4343);
    EXPECT_TRUE(after[17].ServerEnabled);
}

TEST_F(ServerTableFile, UpdateOfAnUnknownExtensionAppendsItLast) {
    const ServerTable before = loadDefaults();
    modWhois::UpdateServer(program, "XX", "xx.host", "43", false);

    EXPECT_TRUE(fileBytes().ends_with("\r\n\r\nxx|xx.host|43|Disabled\r\n"));
    const ServerTable after = load();
    ASSERT_EQ(after.size(), 93u);
    EXPECT_TRUE(sameRows(ServerTable(after.begin(), after.end() - 1), before));
    EXPECT_EQ(after.back().ServerExt, "xx");
    EXPECT_FALSE(after.back().ServerEnabled);
    EXPECT_EQ(modWhois::GetServerIndex(after, "name.xx", false), 92);
}

TEST_F(ServerTableFile, UpdateComparesTheFileTextCaseSensitively) {
    writeFile("CN|upper.host|43|Enabled\r\ncom|c|43|Enabled\r\n");
    modWhois::UpdateServer(program, "cn", "lower.host", "43", false);
    EXPECT_EQ(fileRows(), (std::vector<std::string>{"CN|upper.host|43|Enabled", "com|c|43|Enabled",
                                                    "cn|lower.host|43|Disabled"}));
    // Both load as "cn"; the hand-written row comes first and answers.
    const ServerTable table = load();
    EXPECT_EQ(modWhois::GetServerIndex(table, "a.cn", false), 0);
}

TEST_F(ServerTableFile, UpdateDropsBlankLinesAndKeepsOtherLinesAsTheyStand) {
    writeFile(
        "\r\n \r\nbad line\r\ncom|a|43|Enabled\r\n\r\nde|D.Host|0|Whatever\r\nnet|b|43|Enabled\r\n\r\n");
    modWhois::UpdateServer(program, "net", "n.host", "4343", false);
    EXPECT_EQ(fileBytes(),
              "\r\nbad line\r\ncom|a|43|Enabled\r\nde|D.Host|0|Whatever\r\nnet|n.host|4343|Disabled\r\n\r\n");
}

TEST_F(ServerTableFile, RepeatedUpdatesDoNotGrowTheFile) {
    loadDefaults();
    modWhois::UpdateServer(program, "de", "d.host", "43", true);
    const std::string once = fileBytes();
    modWhois::UpdateServer(program, "de", "d.host", "43", true);
    EXPECT_EQ(fileBytes(), once);
}

TEST_F(ServerTableFile, UpdateWithoutAFileWritesTheRow) {
    modWhois::UpdateServer(program, "com", "c.host", "43", true);
    ServerTable table = load();
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].ServerHost, "c.host");
}

// Root reads files whatever their permissions, so there the work runs in a
// child process as the unprivileged user "nobody".
bool runUnprivileged(const std::function<void()>& work) {
    if (::geteuid() != 0) {
        work();
        return true;
    }
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        constexpr unsigned kNobody = 65534;
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        if (dropped) work();
        ::_exit(dropped ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ServerTableFile, UnreadableFileIsNotTruncatedByUpdate) {
    namespace fs = std::filesystem;
    writeFile("com|a|43|Enabled\r\n");
    const auto path = folder / kFileName;
    // The folder stays writable, so only the failed read can stop the rewrite.
    fs::permissions(folder.path(), fs::perms::all);
    fs::permissions(path, fs::perms::none);

    const bool ran = runUnprivileged([&] { modWhois::UpdateServer(program, "net", "b", "43", true); });

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ran);
    EXPECT_EQ(fileBytes(), "com|a|43|Enabled\r\n");
}

TEST_F(ServerTableFile, AddAppendsALowerCaseRowOnALineOfItsOwn) {
    writeFile("com|a|43|Enabled\r\n");
    modWhois::AddServer(program, "DE", "Some.Host", "4343", "Disabled");
    EXPECT_EQ(fileBytes(), "com|a|43|Enabled\r\nde|Some.Host|4343|Disabled\r\n");

    writeFile("com|a|43|Enabled");  // edited by hand, no final line end
    modWhois::AddServer(program, "net", "b", "43", "Enabled");
    EXPECT_EQ(extensionsOf(load()), (std::vector<std::string>{"com", "net"}));
}

// --- The settings list ------------------------------------------------------------

TEST_F(ServerTableFile, ListShowsEveryNonBlankLineAsItStands) {
    writeFile(
        "\r\nCN|Whois.Host|43|Enabled\r\n "
        "\r\nde|d|0|whatever\r\nshort|only\r\nbare\r\nnet|n|43|Disabled|x\r\n\r\n");
    ListView view;
    view.setColumns({"Extension", "Server", "Port", "Status"});
    view.addItem("stale");

    modWhois::FillServerList(program, view);

    const std::vector<std::vector<std::string>> expected{{"CN", "Whois.Host", "43", "Enabled"},
                                                         {"de", "d", "0", "whatever"},
                                                         {"short", "only", "", ""},
                                                         {"bare", "", "", ""},
                                                         {"net", "n", "43", "Disabled"}};
    ASSERT_EQ(view.count(), static_cast<int>(expected.size()));
    for (int row = 0; row < view.count(); ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(view.cell(row, column),
                      expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                << "row " << row << " column " << column;
        }
    }
}

TEST_F(ServerTableFile, ListOfTheDefaultsHasTheirRowsInOrder) {
    modWhois::WriteDefaultServers(program, false);
    ListView view;
    view.setColumns({"Extension", "Server", "Port", "Status"});
    modWhois::FillServerList(program, view);
    ASSERT_EQ(view.count(), 92);
    for (int row = 0; row < view.count(); ++row) {
        EXPECT_EQ(view.cell(row, 0), kDefaultExtensions[static_cast<std::size_t>(row)]);
        EXPECT_EQ(view.cell(row, 2), "43");
    }
    EXPECT_EQ(view.cell(0, 3), "Enabled");
    EXPECT_EQ(view.cell(3, 3), "Disabled");
}

TEST_F(ServerTableFile, ListWithoutAFileIsEmpty) {
    ListView view;
    view.addItem("stale");
    modWhois::FillServerList(program, view);
    EXPECT_EQ(view.count(), 0);
}

}  // namespace
}  // namespace quillmark
