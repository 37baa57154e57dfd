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
using testing::rowsOf;
using testing::TempFolder;
using Strings = std::vector<std::string>;

constexpr std::string_view kProduct = "Quillmark Test";

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
        form.Load();
    }

    void click(std::string_view extension) {
        form.extensions.setSelectedIndex(rowOf(form.extensions, extension));
        form.RowClicked();
    }
    void save(std::string ext, std::string server, std::string port) {
        form.extension.setText(std::move(ext));
        form.server.setText(std::move(server));
        form.port.setText(std::move(port));
        form.SaveRow();
    }
    std::string fileBytes() const { return folder.read("registrars.txt"); }
    Strings fileRows() const { return ReadNameList(folder / "registrars.txt"); }
    std::string boxes() const { return form.extension.text() + form.server.text() + form.port.text(); }
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
    form.Load();
    EXPECT_EQ(shownRows(form.extensions), fileRows());
    EXPECT_TRUE(form.useProxy.checked());
    EXPECT_TRUE(useProxy);
    EXPECT_EQ(form.defaultExtension.text(), ".net");
}

// A clicked row keeps its status; a new extension is appended last and enabled; an
// upper-case extension replaces every row of it in the list and the shared table.
TEST_F(SettingsWindow, SavedRowsReachTheFileTheListAndTheTable) {
    click("edu");
    EXPECT_EQ(form.extension.text() + "|" + form.port.text(), "edu|43");
    save("edu", "edu.changed.test", "43");
    form.NewExtension();  // a disabled row must not pass its status on
    EXPECT_EQ(boxes(), "");
    EXPECT_EQ(focuses, 1);
    save("XX", "whois.xx.test", "43");
    save("CN", "whois.cn.test", "4343");
    EXPECT_EQ(form.extension.text(), "CN");  // the boxes keep what was typed
    EXPECT_EQ(shownRows(form.extensions), fileRows());
    ASSERT_EQ(table.size(), 93u);
    EXPECT_EQ(rowsOf({table[3], table[11], table[17], table[92]}),
              (Strings{"edu|edu.changed.test|43|D", "cn|whois.cn.test|4343|E", "cn|whois.cn.test|4343|E",
                       "xx|whois.xx.test|43|E"}));
    click("com");
    EXPECT_TRUE(form.editEnabled);
}

TEST_F(SettingsWindow, IncompleteOrBadFieldsAreRefusedWithoutWriting) {
    const std::string before = fileBytes();
    const Strings tableBefore = rowsOf(table);
    for (const auto& [ext, server, port] :
         {std::tuple{"de", "whois.de.test", ""}, std::tuple{"de", "whois.de.test", "0"},
          std::tuple{"de", "whois.de.test", "70000"}, std::tuple{"de", "whois.de.test", "4x"},
          std::tuple{"", "whois.de.test", "43"}, std::tuple{"de", "", "43"}}) {
        services.messagesFake.shown.clear();
        save(ext, server, port);
        ASSERT_EQ(services.messagesFake.shown.size(), 1u) << ext << "|" << server << "|" << port;
        EXPECT_EQ(services.messagesFake.shown[0].text, "Please enter valid information for all fields.");
        EXPECT_EQ(services.messagesFake.shown[0].title, kProduct);
        EXPECT_EQ(fileBytes(), before) << ext << "|" << server << "|" << port;
    }
    EXPECT_EQ(rowsOf(table), tableBefore);
}

TEST_F(SettingsWindow, ToggleAndDeleteActOnTheSelectedRowOnly) {
    const std::string before = fileBytes();
    form.ToggleEnabled();  // nothing selected
    form.DeleteSelected();
    EXPECT_EQ(fileBytes(), before);
    for (const bool enabled : {false, true}) {
        click("com");
        form.ToggleEnabled();
        EXPECT_EQ(fileRows()[1],
                  std::string("com|") + table[1].host + "|43|" + (enabled ? "Enabled" : "Disabled"));
        EXPECT_EQ(table[1].enabled, enabled);
    }
}

// Every click turns the order round, whatever the column; the first sorts downwards.
TEST_F(SettingsWindow, DeleteAfterASortStoresTheSortedOrderUntilDefaultsAreRestored) {
    const std::string defaults = fileBytes();
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

    click("yu");
    form.DeleteSelected();
    const Strings shown = shownRows(form.extensions);
    ASSERT_EQ(shown.size(), 91u);
    EXPECT_EQ(rowOf(form.extensions, "yu"), -1);
    std::string bytes;
    for (const auto& row : shown) bytes += row + "\r\n";
    EXPECT_EQ(fileBytes(), bytes + "\r\n");
    EXPECT_EQ(table.front().extension, "za");
    EXPECT_EQ(table.size(), 91u);
    EXPECT_EQ(boxes(), "");

    form.RestoreDefaults();
    EXPECT_EQ(fileBytes(), defaults);
    EXPECT_EQ(form.extensions.count(), 92);
    EXPECT_EQ(table[1].extension, "com");
}

TEST_F(SettingsWindow, DefaultExtensionGetsItsFullStopWhenLeft) {
    for (const auto& [typed, kept] :
         {std::pair{"", ".com"}, std::pair{"org", ".org"}, std::pair{"co.uk", "co.uk"},
          std::pair{".info", ".info"}, std::pair{"uk.", "uk."}}) {
        form.defaultExtension.setText(typed);
        form.DefaultExtensionChanged();
        EXPECT_EQ(defaultExtension + "|" + stored("DefaultExt"), std::string(typed) + "|" + typed);
        form.DefaultExtensionLostFocus();
        EXPECT_EQ(form.defaultExtension.text() + "|" + defaultExtension + "|" + stored("DefaultExt"),
                  std::string(kept) + "|" + kept + "|" + kept)
            << '"' << typed << '"';
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
    const struct {
        int proxy;
        const char* host;
    } cases[] = {{1, "proxy.test:4545"}, {0, "whois.net.test:43"}};
    for (int slot = 0; slot < 2; ++slot) {
        settings.useProxy.setValue(cases[slot].proxy);
        settings.ProxyClicked();
        EXPECT_EQ(setting("Quillmark", "chkProxy"), std::to_string(cases[slot].proxy));
        form->StartLookup("example.net", slot);
        EXPECT_EQ(client(slot).host + ":" + std::to_string(client(slot).port), cases[slot].host);
    }
}

}  // namespace
}  // namespace quillmark
