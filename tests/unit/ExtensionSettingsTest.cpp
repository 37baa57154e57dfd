#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeServices.h"
#include "support/MainWindowFixture.h"
#include "support/ServerRows.h"
#include "support/TempFolder.h"
#include "whois/ExtensionSettings.h"

namespace quillmark {
namespace {

using testing::FakeServices;
using testing::TempFolder;
using Strings = std::vector<std::string>;

constexpr std::string_view kFileName = "registrars.txt";
constexpr std::string_view kProduct = "Quillmark Test";

using testing::rowsOf;

// What the list shows, row by row as the file writes it.
Strings shownRows(const ListView& view) {
    Strings rows;
    for (int row = 0; row < view.count(); ++row)
        rows.push_back(view.cell(row, 0) + "|" + view.cell(row, 1) + "|" + view.cell(row, 2) + "|" +
                       view.cell(row, 3));
    return rows;
}

int rowOf(const ListView& view, std::string_view extension) {
    for (int row = 0; row < view.count(); ++row)
        if (view.cell(row, 0) == extension) return row;
    return -1;
}

class SettingsWindow : public ::testing::Test {
protected:
    SettingsWindow() {
        whois::WriteDefaultServers(program, false);
        whois::LoadServers(program, table);
    }

    ExtensionSettings& load() {
        form.Load();
        return form;
    }
    void click(std::string_view extension) {
        form.extensions.setSelectedIndex(rowOf(form.extensions, extension));
        form.RowClicked();
    }
    void fill(std::string ext, std::string server, std::string port) {
        form.extension.setText(std::move(ext));
        form.server.setText(std::move(server));
        form.port.setText(std::move(port));
    }
    std::string fileBytes() const { return folder.read(kFileName); }
    Strings fileRows() const { return ReadNameList(folder / kFileName); }
    std::string stored(std::string_view key) const {
        return services.settingsFake.stored(kOptionsApplication, key).value_or("<unset>");
    }

    TempFolder folder;
    ProgramFolder program{folder.path()};
    FakeServices services;
    whois::ServerTable table;
    bool useProxy = false;
    std::string defaultExtension = ".net";
    int focuses = 0;
    ExtensionSettings form{
        services, program, table, useProxy, defaultExtension, std::string(kProduct), SettingsHooks{[this] {
            ++focuses;
        }}};
};

TEST_F(SettingsWindow, LoadShowsTheFileAndTheStoredOptions) {
    services.settingsFake.SaveSetting(kOptionsApplication, kSettingsSection, "chkProxy", "1");
    load();
    EXPECT_EQ(form.extensions.columns(), (Strings{"Extension", "Server", "Port", "Status"}));
    EXPECT_EQ(shownRows(form.extensions), fileRows());
    EXPECT_TRUE(form.useProxy.checked());
    EXPECT_TRUE(useProxy);
    EXPECT_EQ(form.defaultExtension.text(), ".net");
}

// The extension is matched lower-cased, so both default cn rows take the new server.
TEST_F(SettingsWindow, SavingAnUpperCaseExtensionReplacesEveryRowOfIt) {
    load();
    fill("CN", "whois.cn.test", "4343");
    form.SaveRow();
    const Strings rows = fileRows();
    ASSERT_EQ(rows.size(), 92u);
    EXPECT_EQ(rows[11], "cn|whois.cn.test|4343|Enabled");
    EXPECT_EQ(rows[17], "cn|whois.cn.test|4343|Enabled");
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.starts_with("cn|"); }), 2);
    EXPECT_EQ(shownRows(form.extensions), rows);
    EXPECT_EQ(rowsOf({table[11], table[17]}),
              (Strings{"cn|whois.cn.test|4343|E", "cn|whois.cn.test|4343|E"}));
    EXPECT_EQ(form.extension.text(), "CN");  // the boxes keep what was typed
}

TEST_F(SettingsWindow, NewExtensionIsAppendedLastAndEnabled) {
    load();
    click("edu");  // a disabled row must not pass its status on
    EXPECT_FALSE(form.editEnabled);
    form.NewExtension();
    EXPECT_EQ(form.extension.text() + form.server.text() + form.port.text(), "");
    EXPECT_EQ(focuses, 1);
    fill("XX", "whois.xx.test", "43");
    form.SaveRow();
    EXPECT_EQ(fileRows().back(), "xx|whois.xx.test|43|Enabled");
    ASSERT_EQ(table.size(), 93u);
    EXPECT_EQ(rowsOf({table.back()}), Strings{"xx|whois.xx.test|43|E"});
    EXPECT_EQ(shownRows(form.extensions).back(), "xx|whois.xx.test|43|Enabled");
}

TEST_F(SettingsWindow, ClickedRowFillsTheBoxesAndKeepsItsStatusWhenSaved) {
    load();
    click("edu");
    EXPECT_EQ(form.extension.text(), "edu");
    EXPECT_EQ(form.port.text(), "43");
    EXPECT_FALSE(form.server.text().empty());
    form.server.setText("edu.changed.test");
    form.SaveRow();
    EXPECT_EQ(fileRows()[3], "edu|edu.changed.test|43|Disabled");
    EXPECT_EQ(rowsOf({table[3]}), Strings{"edu|edu.changed.test|43|D"});

    click("com");
    EXPECT_TRUE(form.editEnabled);
}

TEST_F(SettingsWindow, IncompleteOrBadFieldsAreRefusedWithoutWriting) {
    load();
    const std::string before = fileBytes();
    const Strings tableBefore = rowsOf(table);
    struct Case {
        const char* ext;
        const char* server;
        const char* port;
    };
    for (const Case& c : {Case{"de", "whois.de.test", ""}, Case{"de", "whois.de.test", "0"},
                          Case{"de", "whois.de.test", "70000"}, Case{"de", "whois.de.test", "4x"},
                          Case{"", "whois.de.test", "43"}, Case{"de", "", "43"}}) {
        services.messagesFake.shown.clear();
        fill(c.ext, c.server, c.port);
        form.SaveRow();
        ASSERT_EQ(services.messagesFake.shown.size(), 1u) << c.ext << "|" << c.server << "|" << c.port;
        EXPECT_EQ(services.messagesFake.shown[0].text, "Please enter valid information for all fields.");
        EXPECT_EQ(services.messagesFake.shown[0].title, kProduct);
        EXPECT_EQ(services.messagesFake.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fileBytes(), before) << c.ext << "|" << c.server << "|" << c.port;
    }
    EXPECT_EQ(rowsOf(table), tableBefore);
}

TEST_F(SettingsWindow, ToggleFlipsTheSelectedRowOnly) {
    load();
    const std::string before = fileBytes();
    form.ToggleEnabled();  // nothing selected
    EXPECT_EQ(fileBytes(), before);

    click("com");
    form.ToggleEnabled();
    EXPECT_TRUE(fileRows()[1].ends_with("|Disabled"));
    EXPECT_FALSE(table[1].enabled);
    form.extensions.setSelectedIndex(1);
    form.ToggleEnabled();
    EXPECT_TRUE(fileRows()[1].ends_with("|Enabled"));
    EXPECT_TRUE(table[1].enabled);
}

// Every click turns the order round, whatever the column; the first sorts downwards.
TEST_F(SettingsWindow, DeleteAfterASortStoresTheSortedOrder) {
    load();
    // Whether the shown texts of a column run upwards or downwards.
    const auto sorted = [this](int c, bool downwards) {
        Strings texts;
        for (int row = 0; row < form.extensions.count(); ++row) texts.push_back(form.extensions.cell(row, c));
        return downwards ? std::is_sorted(texts.rbegin(), texts.rend())
                         : std::is_sorted(texts.begin(), texts.end());
    };
    form.ColumnClicked(1);
    EXPECT_TRUE(sorted(1, true));
    form.ColumnClicked(3);
    EXPECT_TRUE(sorted(3, false));
    form.ColumnClicked(0);
    ASSERT_TRUE(sorted(0, true));
    EXPECT_EQ(fileRows()[0], "proxy|127.0.0.1|43|Enabled");  // sorting alone writes nothing

    const std::string before = fileBytes();
    form.DeleteSelected();  // nothing selected
    EXPECT_EQ(fileBytes(), before);

    click("yu");
    form.DeleteSelected();
    Strings expected = shownRows(form.extensions);
    ASSERT_EQ(expected.size(), 91u);
    EXPECT_EQ(rowOf(form.extensions, "yu"), -1);
    std::string bytes;
    for (const auto& row : expected) bytes += row + "\r\n";
    EXPECT_EQ(fileBytes(), bytes + "\r\n");
    EXPECT_EQ(table.front().extension, "za");
    EXPECT_EQ(table.size(), 91u);
    EXPECT_EQ(form.extension.text() + form.server.text() + form.port.text(), "");
}

TEST_F(SettingsWindow, RestoreDefaultsBringsBackTheDefaultTable) {
    load();
    const std::string defaults = fileBytes();
    fill("xx", "whois.xx.test", "43");
    form.SaveRow();
    click("com");
    form.DeleteSelected();
    ASSERT_NE(fileBytes(), defaults);

    form.RestoreDefaults();
    EXPECT_EQ(fileBytes(), defaults);
    EXPECT_EQ(form.extensions.count(), 92);
    EXPECT_EQ(table.size(), 92u);
    EXPECT_EQ(table[1].extension, "com");
}

TEST_F(SettingsWindow, DefaultExtensionGetsItsFullStopWhenLeft) {
    load();
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{"", ".com"}, Case{"org", ".org"}, Case{"co.uk", "co.uk"},
                          Case{".info", ".info"}, Case{"uk.", "uk."}}) {
        form.defaultExtension.setText(c.typed);
        form.DefaultExtensionChanged();
        EXPECT_EQ(defaultExtension, c.typed);
        EXPECT_EQ(stored("DefaultExt"), c.typed);
        form.DefaultExtensionLostFocus();
        EXPECT_EQ(form.defaultExtension.text(), c.kept) << '"' << c.typed << '"';
        EXPECT_EQ(defaultExtension, c.kept) << '"' << c.typed << '"';
        EXPECT_EQ(stored("DefaultExt"), c.kept) << '"' << c.typed << '"';
    }
}

class SettingsWithMainWindow : public testing::MainWindowFixture {};

// The window edits the table the main window looks names up with.
TEST_F(SettingsWithMainWindow, ProxySwitchAndProxyRowReachTheNextLookup) {
    load();
    ExtensionSettings settings(services, state.programFolder, state.serverTable, state.useProxy,
                               state.defaultExtension, std::string(kProduct));
    settings.Load();
    EXPECT_FALSE(settings.useProxy.checked());
    settings.extensions.setSelectedIndex(0);
    settings.RowClicked();
    settings.server.setText("proxy.test");
    settings.port.setText("4545");
    settings.SaveRow();

    settings.useProxy.setValue(1);
    settings.ProxyClicked();
    EXPECT_EQ(setting("Quillmark", "chkProxy"), "1");
    form->StartLookup("example.net", 0);
    EXPECT_EQ(client(0).host, "proxy.test");
    EXPECT_EQ(client(0).port, 4545);

    settings.useProxy.setValue(0);
    settings.ProxyClicked();
    EXPECT_EQ(setting("Quillmark", "chkProxy"), "0");
    form->StartLookup("example.net", 1);
    EXPECT_EQ(client(1).host, "whois.net.test");
}

}  // namespace
}  // namespace quillmark
