#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeServices.h"
#include "platform/Text.h"
#include "support/TempFolder.h"
#include "whois/ExtensionSettings.h"
#include "whois/ServerTable.h"
#include "whois/WhoisLookupWindow.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;
using whois::ServerTable;
using Strings = std::vector<std::string>;

// Each row as "ext|host|port|E/D", so tables compare with EXPECT_EQ.
Strings rowsOf(const ServerTable& table) {
    Strings rows;
    for (const auto& r : table)
        rows.push_back(r.extension + "|" + r.host + "|" + std::to_string(r.port) + "|" +
                       (r.enabled ? "E" : "D"));
    return rows;
}

// Each row of a server list as its four cells joined by "|", as the file writes a row.
Strings cellsOf(const ListView& view) {
    Strings rows;
    for (int row = 0; row < view.count(); ++row)
        rows.push_back(view.cell(row, 0) + "|" + view.cell(row, 1) + "|" + view.cell(row, 2) + "|" +
                       view.cell(row, 3));
    return rows;
}

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

class ServerTableFile : public ::testing::Test {
protected:
    void write(std::string_view bytes) const { folder.write("registrars.txt", bytes); }
    std::string bytes() const { return folder.read("registrars.txt"); }
    Strings fileRows() const { return ReadNameList(folder / "registrars.txt"); }
    ServerTable load() const {
        ServerTable table = tableOf("x y");
        whois::LoadServers(program, table);
        return table;
    }
    Strings listed() const {
        ListView view;
        view.addItem("stale");
        whois::FillServerList(program, view);
        return cellsOf(view);
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
        "\r\nCN|Whois.Host|43|Enabled\r\n \r\nde|d|0|whatever\r\n"
        "short|only\r\nbare\r\nnet|n|43|Disabled|x\r\n");
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

class SettingsWindow : public ServerTableFile {
protected:
    SettingsWindow() {
        write(
            "proxy|127.0.0.1|43|Enabled\r\ncom|c.test|43|Enabled\r\nedu|e.test|43|Disabled\r\n"
            "cn|a.test|43|Enabled\r\nyu|y.test|44|Enabled\r\n\r\n");
        whois::LoadServers(program, table);
        form.Load();
    }

    void click(std::string_view extension) {
        const Strings shown = cellsOf(form.extensions);
        const auto row = std::ranges::find_if(shown, [&](auto& r) { return r.starts_with(extension); });
        form.extensions.setSelectedIndex(row == shown.end() ? -1 : static_cast<int>(row - shown.begin()));
        form.RowClicked();
    }
    void save(std::string_view row) {  // "ext|server|port"
        const auto fields = text::split(row, '|');
        form.extension.setText(std::string(fields[0]));
        form.server.setText(std::string(fields[1]));
        form.port.setText(std::string(fields[2]));
        form.SaveRow();
    }
    std::string boxes() const {
        return form.extension.text() + "|" + form.server.text() + "|" + form.port.text();
    }

    testing::FakeServices services;
    whois::ServerTable table;
    bool useProxy = false, whoisOnly = false;
    std::string defaultExtension = ".net";
    whois::ZoneTable zones;
    int focuses = 0;
    SettingsHooks hooks{[this] { ++focuses; }};
    ExtensionSettings form{services,         program, table, {useProxy, whoisOnly, defaultExtension, zones},
                           "Quillmark Test", hooks};
};

// A clicked row keeps its status; a new extension is appended last and enabled; the
// list and the shared table follow the file.
TEST_F(SettingsWindow, LoadShowsTheFileAndSavedRowsReachTheFileTheListAndTheTable) {
    services.settingsFake.SaveSetting(kOptionsApplication, kSettingsSection, "chkProxy", "1");
    form.Load();
    EXPECT_EQ(cellsOf(form.extensions), fileRows());
    EXPECT_TRUE(form.useProxy.checked() && useProxy);
    EXPECT_EQ(form.defaultExtension.text(), ".net");

    click("edu");
    EXPECT_EQ(boxes(), "edu|e.test|43");
    save("edu|E.Changed|43");
    form.NewExtension();  // a disabled row must not pass its status on
    EXPECT_EQ(boxes() + std::to_string(focuses), "||1");
    save("XX|whois.xx.test|4343");
    EXPECT_EQ(boxes(), "XX|whois.xx.test|4343");  // the boxes keep what was typed
    EXPECT_EQ(cellsOf(form.extensions), fileRows());
    EXPECT_EQ(rowsOf(table), (Strings{"proxy|127.0.0.1|43|E", "com|c.test|43|E", "edu|e.changed|43|D",
                                      "cn|a.test|43|E", "yu|y.test|44|E", "xx|whois.xx.test|4343|E"}));
    click("com");
    EXPECT_TRUE(form.editEnabled);
    form.useProxy.setValue(0);
    form.ProxyClicked();
    EXPECT_EQ(
        std::to_string(useProxy) + services.settingsFake.stored(kOptionsApplication, "chkProxy").value_or(""),
        "00");
    save("yu|WHOIS.RIPE.NET|43");  // a row sending names to an address registry is named while it stands
    EXPECT_TRUE(form.addressRegistryNote.visible() &&
                form.addressRegistryNote.caption().starts_with("The rows of .yu name a server"));
    save("yu|y.test|44");
    EXPECT_FALSE(form.addressRegistryNote.visible());
}

// Incomplete or bad fields are refused without writing. Toggle and delete act on the
// selected row only. Every column click turns the order round, the first downwards; a
// delete then stores the shown order.
TEST_F(SettingsWindow, BadFieldsToggleSortDeleteAndRestore) {
    const std::string before = bytes();
    for (const std::string_view row : {"de|h|", "de|h|0", "|h|43", "de||43"}) save(row);
    std::string fields;  // the box each message names
    for (const auto& shown : services.messagesFake.shown)
        fields += shown.text.substr(0, shown.text.find(':')) + ",";
    EXPECT_EQ(fields, "Port,Port,Extension,Whois Server,");
    form.ToggleEnabled();  // nothing selected
    form.DeleteSelected();
    EXPECT_EQ(bytes() + std::to_string(table.size()), before + "5");
    for (const bool enabled : {false, true}) {
        click("com");
        form.ToggleEnabled();
        EXPECT_EQ(fileRows()[1], std::string("com|c.test|43|") + (enabled ? "Enabled" : "Disabled"));
        EXPECT_EQ(table[1].enabled, enabled);
    }
    const std::string toggled = bytes();
    for (const auto& [column, first] : {std::pair{1, "yu"}, {3, "edu"}, {0, "yu"}}) {
        form.ColumnClicked(column);
        EXPECT_EQ(form.extensions.cell(0, 0), first) << column;
    }
    EXPECT_EQ(bytes(), toggled);  // sorting alone writes nothing
    click("cn");
    form.DeleteSelected();
    EXPECT_EQ(bytes(),
              "yu|y.test|44|Enabled\r\nproxy|127.0.0.1|43|Enabled\r\nedu|e.test|43|Disabled\r\n"
              "com|c.test|43|Enabled\r\n\r\n");
    EXPECT_EQ(table.front().extension + std::to_string(table.size()) + boxes(), "yu4||");
    form.RestoreDefaults();
    EXPECT_EQ(cellsOf(form.extensions), fileRows());
    EXPECT_EQ(table.size(), 81u);
}

TEST_F(SettingsWindow, DefaultExtensionGetsItsFullStopWhenLeft) {
    const auto shown = [this] {
        return form.defaultExtension.text() + "|" + defaultExtension + "|" +
               services.settingsFake.stored(kOptionsApplication, "DefaultExt").value_or("<unset>");
    };
    for (const auto& [typed, kept] : {std::pair{"", ".com"}, {"org", ".org"}, {"co.uk", "co.uk"}}) {
        form.defaultExtension.setText(typed);
        form.DefaultExtensionChanged();
        EXPECT_EQ(shown(), std::string(typed) + "|" + typed + "|" + typed);
        form.DefaultExtensionLostFocus();
        EXPECT_EQ(shown(), std::string(kept) + "|" + kept + "|" + kept) << '"' << typed << '"';
    }
}

// The protocol choice is kept; only a sound server list replaces the RDAP servers.
TEST_F(SettingsWindow, ProtocolChoiceAndServerDataUpdate) {
    form.protocol.setText("whois only");
    form.ProtocolChosen();
    EXPECT_EQ(
        services.settingsFake.stored(kOptionsApplication, "WhoisOnly").value_or("") + (whoisOnly ? "+" : "-"),
        "1+");
    const std::pair<std::string_view, std::string_view> updates[] = {
        {R"({"services": [[["kestrel"], ["https://rdap.test/"]]]})",
         "RDAP servers updated for 1 extension. https://rdap.test/"},
        {"{}",
         "What http://list.test/ sent is no RDAP server list. The server data is unchanged. "
         "https://rdap.test/"},
    };
    for (const auto& [body, shown] : updates) {
        form.UpdateServerData("http://list.test/");
        EXPECT_FALSE(form.updateButton.enabled());
        services.http.at(0)->answer({200, HttpFailure::None, "", std::string(body), false, "", ""});
        EXPECT_EQ(form.updateStatus.caption() + " " + zones.RdapBaseOf("shop.kestrel"), shown);
        EXPECT_TRUE(form.updateButton.enabled());
    }
}

using testing::FakeTcpClient;

class WhoisLookupWindowTest : public ::testing::Test {
protected:
    // Loads a fresh window for the name, as a double-click would, and lets it connect.
    FakeTcpClient& load(std::string name) {
        form = std::make_unique<WhoisLookupWindow>(services, std::move(name), "whois.registry.test", 4343);
        finishedCalls = 0;
        form->setOnFinished([this] { ++finishedCalls; });
        form->Load();
        services.clients.back()->raiseConnected();
        return *services.clients.back();
    }

    testing::FakeServices services;
    std::unique_ptr<WhoisLookupWindow> form;
    int finishedCalls = 0;
};

// Every name goes bare to the one server; names with control characters are never sent.
TEST_F(WhoisLookupWindowTest, NamesAreSentAsTheyStandUnlessTheyHoldControlCharacters) {
    const std::pair<std::string, bool> names[] = {{"example.de", true},
                                                  {"", true},
                                                  {"a.com\r\nb.com", false},
                                                  {std::string("a\0b.com", 7), false},
                                                  {"d\x7f.com", false}};
    for (const auto& [name, sendable] : names) {
        EXPECT_EQ(WhoisLookupWindow::CanBeSent(name), sendable) << name;
        const FakeTcpClient& c = load(name);
        const auto asked = c.host + ":" + std::to_string(c.port) + " from " + std::to_string(c.localPort);
        EXPECT_EQ(c.connectCount ? asked + " " + c.sent : "never",
                  sendable ? "whois.registry.test:4343 from 0 " + name + "\r\n" : "never")
            << name;
    }
}

// Whatever pieces arrive, the reply is shown once, whole up to one mebibyte, when the
// server closes; an unloaded window has let go of its connection and ignores late events.
TEST_F(WhoisLookupWindowTest, ReplyIsShownOnceWholeWhenTheServerCloses) {
    const std::string big(300 * 1024, 'x'), odd("\xff\0x\r\n", 5);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Domain Na", "me: EXAMPLE.COM\r\n", "", odd}, "Domain Name: EXAMPLE.COM\r\n" + odd},
        {{big, big, big, big, "tail"}, std::string(whois::kReplyLimit, 'x')},
        {{"<unload>", "late"}, ""},
    };
    for (const auto& [pieces, reply] : cases) {
        FakeTcpClient& client = load("example.com");
        int shown = 0;
        form->replyText.setObserver([&shown] { ++shown; });
        for (const std::string& piece : pieces) {
            piece == "<unload>" ? form->Unload() : client.raiseData(piece);
            EXPECT_EQ(form->replyText.text() + (form->finished() ? "finished" : ""), "");
        }
        client.raiseClosed();
        EXPECT_EQ(form->replyText.text(), reply);
        EXPECT_EQ(shown, reply.empty() ? 0 : 1);
        EXPECT_EQ(finishedCalls, shown);
        EXPECT_FALSE(client.open);
    }
}

// A port is a whole number from 1 to 65535, spaces around it allowed.
TEST(WhoisServerText, HostAndOptionalPort) {
    const std::pair<const char*, std::optional<WhoisServer>> cases[] = {
        {"whois.test", WhoisServer{"whois.test", 43}}, {"h:1", WhoisServer{"h", 1}},
        {"h:65535", WhoisServer{"h", 65535}},          {"h: +43 ", WhoisServer{"h", 43}},
        {"[::1]:4343", WhoisServer{"::1", 4343}},      {"::1", WhoisServer{"::1", 43}}};
    for (const auto& [text, server] : cases) EXPECT_EQ(ParseWhoisServer(text), server) << text;
    for (const char* bad : {"", ":43", "h:", "h:0", "h:-1", "h:65536", "h: ", "h:+", "h:4 3", "h:4x",
                            "h:4294967339", "h:1234567890123456789", "[::1]43"})
        EXPECT_EQ(ParseWhoisServer(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace quillmark
