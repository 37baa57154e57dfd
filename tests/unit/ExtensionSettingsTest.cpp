#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeServices.h"
#include "platform/Text.h"
#include "support/ServerRows.h"
#include "support/TempFolder.h"
#include "whois/ExtensionSettings.h"

namespace quillmark {
namespace {

using testing::cellsOf;
using testing::rowsOf;
using Strings = std::vector<std::string>;

constexpr std::string_view kProduct = "Quillmark Test";

class SettingsWindow : public ::testing::Test {
protected:
    SettingsWindow() {
        whois::WriteDefaultServers(program, false);
        whois::LoadServers(program, table);
        form.Load();
    }

    void click(std::string_view extension) {
        const Strings shown = cellsOf(form.extensions);
        const auto row = std::find_if(shown.begin(), shown.end(), [&](const std::string& r) {
            return r.starts_with(std::string(extension) + "|");
        });
        form.extensions.setSelectedIndex(row == shown.end() ? -1 : static_cast<int>(row - shown.begin()));
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

    testing::TempFolder folder;
    ProgramFolder program{folder.path()};
    testing::FakeServices services;
    whois::ServerTable table;
    bool useProxy = false;
    std::string defaultExtension = ".net";
    int focuses = 0;
    ExtensionSettings form{
        services, program, table, useProxy, defaultExtension, std::string(kProduct), SettingsHooks{[this] {
            ++focuses;
        }}};
};

// A clicked row keeps its status; a new extension is appended last and enabled; an
// upper-case extension replaces every row of it in the list and the shared table.
TEST_F(SettingsWindow, LoadShowsTheFileAndSavedRowsReachTheFileTheListAndTheTable) {
    services.settingsFake.SaveSetting(kOptionsApplication, kSettingsSection, "chkProxy", "1");
    form.Load();
    EXPECT_EQ(cellsOf(form.extensions), fileRows());
    EXPECT_TRUE(form.useProxy.checked() && useProxy);
    EXPECT_EQ(form.defaultExtension.text(), ".net");

    click("edu");
    EXPECT_EQ(form.extension.text() + "|" + form.port.text(), "edu|43");
    save("edu", "edu.changed.test", "43");
    form.NewExtension();  // a disabled row must not pass its status on
    EXPECT_EQ(boxes() + std::to_string(focuses), "1");
    save("XX", "whois.xx.test", "43");
    save("CN", "whois.cn.test", "4343");
    EXPECT_EQ(form.extension.text(), "CN");  // the boxes keep what was typed
    EXPECT_EQ(cellsOf(form.extensions), fileRows());
    ASSERT_EQ(table.size(), 93u);
    EXPECT_EQ(rowsOf({table[3], table[11], table[17], table[92]}),
              (Strings{"edu|edu.changed.test|43|D", "cn|whois.cn.test|4343|E", "cn|whois.cn.test|4343|E",
                       "xx|whois.xx.test|43|E"}));
    click("com");
    EXPECT_TRUE(form.editEnabled);
    form.useProxy.setValue(0);
    form.ProxyClicked();
    EXPECT_EQ(
        std::to_string(useProxy) + services.settingsFake.stored(kOptionsApplication, "chkProxy").value_or(""),
        "00");
}

TEST_F(SettingsWindow, IncompleteOrBadFieldsAreRefusedWithoutWriting) {
    const std::string before = fileBytes();
    const Strings tableBefore = rowsOf(table);
    for (const std::string_view row : {"de|h|", "de|h|0", "|h|43", "de||43"}) {
        const auto fields = text::split(row, '|');
        services.messagesFake.shown.clear();
        save(std::string(fields[0]), std::string(fields[1]), std::string(fields[2]));
        EXPECT_EQ(services.messagesFake.shown.size(), 1u) << row;
        EXPECT_EQ(fileBytes(), before) << row;
    }
    EXPECT_EQ(rowsOf(table), tableBefore);
}

// Toggle and delete act on the selected row only. Every column click turns the order
// round, the first downwards; a delete then stores the sorted order until the defaults
// are restored.
TEST_F(SettingsWindow, ToggleSortAndDeleteTheSelectedRow) {
    const std::string defaults = fileBytes();
    form.ToggleEnabled();  // nothing selected
    form.DeleteSelected();
    EXPECT_EQ(fileBytes(), defaults);
    for (const bool enabled : {false, true}) {
        click("com");
        form.ToggleEnabled();
        EXPECT_EQ(fileRows()[1], "com|" + table[1].host + "|43|" + (enabled ? "Enabled" : "Disabled"));
        EXPECT_EQ(table[1].enabled, enabled);
    }
    for (const int column : {1, 3, 0}) {
        form.ColumnClicked(column);
        Strings texts;
        for (int row = 0; row < form.extensions.count(); ++row)
            texts.push_back(form.extensions.cell(row, column));
        if (column != 3) std::reverse(texts.begin(), texts.end());  // every other click downwards
        EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end())) << column;
    }
    EXPECT_EQ(fileRows()[0], "proxy|127.0.0.1|43|Enabled");  // sorting alone writes nothing

    click("yu");
    form.DeleteSelected();
    const Strings shown = cellsOf(form.extensions);
    ASSERT_EQ(shown.size(), 91u);
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](auto& r) { return r.starts_with("yu|"); }), 0);
    std::string bytes;
    for (const auto& row : shown) bytes += row + "\r\n";
    EXPECT_EQ(fileBytes(), bytes + "\r\n");
    EXPECT_EQ(table.front().extension + std::to_string(table.size()) + boxes(), "za91");

    form.RestoreDefaults();
    EXPECT_EQ(fileBytes(), defaults);
    EXPECT_EQ(form.extensions.count(), 92);
    EXPECT_EQ(table[1].extension, "com");
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

}  // namespace
}  // namespace quillmark
