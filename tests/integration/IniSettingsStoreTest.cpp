#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/IniSettingsStore.h"

namespace {

using quillmark::qt::IniSettingsStore;

// Sets an environment variable for one test and puts it back after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : name_(name), old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        set(value);
    }
    ~ScopedEnv() { set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }
    const char* name_;
    std::optional<QByteArray> old_;
};

// Every test gets its own XDG_CONFIG_HOME.
class IniSettingsStoreTest : public ::testing::Test {
protected:
    std::string configHome() const { return dir_.path().toStdString(); }
    std::string folder() const { return configHome() + "/Quillmark"; }

    QString fileText(const std::string& application) const {
        QFile file(QString::fromStdString(folder() + "/" + application + ".ini"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir dir_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", dir_.path().toUtf8()};
};

TEST_F(IniSettingsStoreTest, TextReadsBackExactlyBeforeAndAfterFlushAndFromDisk) {
    const std::vector<std::string> values = {
        "0",           ".com",       "",           "two words",   "a=b",     "x;y",       "a, b", "#hash",
        "@at",         "  padded  ", "say \"hi\"", "back\\slash", "ünïcödé", "tab\there", "true", "1.50",
        "line\nbreak", "[Settings]", "-12",
    };
    const auto readAll = [&](IniSettingsStore& store, const char* when) {
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(store.GetSetting("Quillmark", "Settings", "key" + std::to_string(i), "default"),
                      values[i])
                << when;
    };
    {
        IniSettingsStore store;
        store.SaveSetting("Quillmark", "Settings", "key0", "stale");
        store.flush();
        for (std::size_t i = 0; i < values.size(); ++i)
            store.SaveSetting("Quillmark", "Settings", "key" + std::to_string(i), values[i]);
        readAll(store, "before flush");
        store.flush();
        readAll(store, "after flush");
    }
    IniSettingsStore reopened;  // the first was dropped without a flush of its own
    readAll(reopened, "from disk");
}

TEST_F(IniSettingsStoreTest, MissingKeysGiveTheDefaultAndApplicationsStayApart) {
    {
        IniSettingsStore store;
        EXPECT_EQ(store.GetSetting("Quillmark", "Settings", "wordNumber", "1"), "1");
        store.SaveSetting("Kestrelon", "Settings", "wordNumber", "12");
        store.SaveSetting("Quillmark", "Other", "wordNumber", "13");
        EXPECT_EQ(store.GetSetting("Quillmark", "Settings", "wordNumber", "none"), "none");
        store.SaveSetting("Quillmark", "Settings", "txtMake", "kestrel");
    }
    IniSettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting("Kestrelon", "Settings", "wordNumber", "none"), "12");
    EXPECT_EQ(reopened.GetSetting("Quillmark", "Other", "wordNumber", "none"), "13");
    EXPECT_EQ(reopened.GetSetting("Quillmark", "Settings", "wordNumber", ""), "");
    EXPECT_EQ(reopened.GetSetting("Quillmark", "Settings", "txtMake", ""), "kestrel");
}

TEST_F(IniSettingsStoreTest, WritesReachTheDiskOnTheirOwnSoon) {
    IniSettingsStore store(std::nullopt, 50);
    store.SaveSetting("Quillmark", "Settings", "wordNumber", "41");
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileText("Quillmark").contains("wordNumber=41"); }, 5000));
}

TEST_F(IniSettingsStoreTest, FileFollowsTheXdgRuleWithASettingsGroup) {
    IniSettingsStore store;
    EXPECT_EQ(store.folder(), folder());
    EXPECT_EQ(store.filePath("Kestrelon"), folder() + "/Kestrelon.ini");
    store.SaveSetting("Quillmark", "Settings", "DefaultExt", ".org");
    store.SaveSetting("Kestrelon", "Settings", "wordNumber", "3");
    store.flush();
    const QString options = fileText("Quillmark");
    EXPECT_TRUE(options.startsWith("[Settings]")) << options.toStdString();
    EXPECT_FALSE(options.contains("wordNumber"));
    EXPECT_TRUE(fileText("Kestrelon").contains("wordNumber=3"));
    QSettings reader(QString::fromStdString(folder() + "/Quillmark.ini"), QSettings::IniFormat);
    EXPECT_EQ(reader.value("Settings/DefaultExt").toString(), ".org") << "any INI reader finds it";

    ScopedEnv home("HOME", dir_.path().toUtf8());
    for (const std::optional<QByteArray>& xdg : {std::optional(QByteArray()), std::optional<QByteArray>()}) {
        ScopedEnv unsetOrEmpty("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(IniSettingsStore::defaultFolder(), configHome() + "/.config/Quillmark");
    }
}

TEST_F(IniSettingsStoreTest, GivenFolderIsUsedInstead) {
    QTemporaryDir other;
    IniSettingsStore(other.path().toStdString()).SaveSetting("Quillmark", "Settings", "showHelp", "0");
    EXPECT_TRUE(QFile::exists(other.path() + "/Quillmark.ini"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder() + "/Quillmark.ini")));
}

}  // namespace
