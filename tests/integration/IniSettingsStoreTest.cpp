#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "platform/qt/IniSettingsStore.h"

namespace {

using quillmark::qt::IniSettingsStore;

// Without a folder of its own the store keeps $XDG_CONFIG_HOME/Quillmark, or
// ~/.config/Quillmark when that is empty. Values read back exactly as written: while they
// wait, after an explicit write, and from the disk, where they also get on their own
// soon; one file per application, the section as its group.
TEST(IniSettingsStoreTest, ValuesInTheXdgFolderReadBackAsWrittenAndReachTheDiskOnTheirOwn) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(IniSettingsStore().folder(), home.path().toStdString() + "/.config/Quillmark");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const std::string values[] = {"0", "", "a, b", "  padded ", "ünïcödé", "line\nbreak"};
    const auto all = [&](IniSettingsStore& store) {
        std::string read;
        for (std::size_t n = 0; n < std::size(values); ++n)
            read += store.GetSetting("Quillmark", "Settings", "key" + std::to_string(n), "default") + ";";
        return read + store.GetSetting("Quillmark", "Settings", "missing", "default") + ";" +
               store.GetSetting("Quillmark", "Other", "key0", "none") + ";" +
               store.GetSetting("Kestrelon", "Settings", "key0", "none");
    };
    const std::string expected = "0;;a, b;  padded ;ünïcödé;line\nbreak;default;none;12";
    const auto onDisk = [&](const char* file) {  // as any INI reader finds it
        return QSettings(home.filePath("Quillmark/") + file, QSettings::IniFormat).value("Settings/key0");
    };
    {
        IniSettingsStore store(std::nullopt, 50);
        EXPECT_EQ(store.folder(), home.path().toStdString() + "/Quillmark");
        store.SaveSetting("Quillmark", "Settings", "key0", "stale");
        store.flush();
        for (std::size_t n = 0; n < std::size(values); ++n)
            store.SaveSetting("Quillmark", "Settings", "key" + std::to_string(n), values[n]);
        store.SaveSetting("Kestrelon", "Settings", "key0", "12");
        EXPECT_EQ(all(store), expected);
        EXPECT_TRUE(QTest::qWaitFor([&] { return onDisk("Kestrelon.ini") == "12"; }));
        EXPECT_EQ(onDisk("Quillmark.ini"), "0");
    }
    IniSettingsStore reopened;
    EXPECT_EQ(all(reopened), expected);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldXdg);
}

}  // namespace
