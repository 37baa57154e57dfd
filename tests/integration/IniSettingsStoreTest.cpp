#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "platform/qt/IniSettingsStore.h"

namespace {

using quillmark::qt::IniSettingsStore;

// What any INI reader finds in the file.
QString fileValue(const QTemporaryDir& folder, const char* file, const char* key) {
    return QSettings(folder.filePath(file), QSettings::IniFormat).value(key).toString();
}

// Values read back exactly as written: while they wait, after an explicit write, and
// from the disk, where they also get on their own soon; one file per application, the
// section as its group.
TEST(IniSettingsStoreTest, ValuesReadBackAsWrittenAndReachTheDiskOnTheirOwn) {
    QTemporaryDir folder;
    const std::string values[] = {"0", "", "a, b", "@at", "  padded ", "ünïcödé", "line\nbreak"};
    const auto key = [](std::size_t n) { return "key" + std::to_string(n); };
    const auto expectAll = [&](IniSettingsStore& store, const char* when) {
        for (std::size_t n = 0; n < std::size(values); ++n)
            EXPECT_EQ(store.GetSetting("Quillmark", "Settings", key(n), "default"), values[n]) << when;
        EXPECT_EQ(store.GetSetting("Quillmark", "Settings", "missing", "default"), "default") << when;
        EXPECT_EQ(store.GetSetting("Quillmark", "Other", "key0", "none"), "none") << when;
        EXPECT_EQ(store.GetSetting("Kestrelon", "Settings", "key0", "none"), "12") << when;
    };
    {
        IniSettingsStore store(folder.path().toStdString(), 50);
        store.SaveSetting("Quillmark", "Settings", "key0", "stale");
        store.flush();
        for (std::size_t n = 0; n < std::size(values); ++n)
            store.SaveSetting("Quillmark", "Settings", key(n), values[n]);
        store.SaveSetting("Kestrelon", "Settings", "key0", "12");
        expectAll(store, "waiting");
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return fileValue(folder, "Kestrelon.ini", "Settings/key0") == "12"; }));
        EXPECT_EQ(fileValue(folder, "Quillmark.ini", "Settings/key0"), "0");
    }
    IniSettingsStore reopened(folder.path().toStdString());
    expectAll(reopened, "from disk");
}

// Without a folder of its own: $XDG_CONFIG_HOME/Quillmark, or ~/.config/Quillmark when
// that is empty.
TEST(IniSettingsStoreTest, FolderFollowsTheXdgRule) {
    QTemporaryDir home;
    const std::string path = home.path().toStdString();
    const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    for (const auto& [xdg, folder] : {std::pair{home.path().toUtf8(), path + "/Quillmark"},
                                      {QByteArray(), path + "/.config/Quillmark"}}) {
        qputenv("XDG_CONFIG_HOME", xdg);
        {
            IniSettingsStore store;
            EXPECT_EQ(store.folder(), folder);
            store.SaveSetting("Quillmark", "Settings", "showHelp", "0");
        }
        EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/Quillmark.ini"))) << folder;
    }
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldXdg);
}

}  // namespace
