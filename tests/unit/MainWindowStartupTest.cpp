#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "engine/MainWindow.h"
#include "fakes/FakeServices.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

class Startup : public ::testing::Test {
protected:
    // Every file of the program folder with its bytes, folders as "<dir>".
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const auto name = std::filesystem::relative(entry.path(), folder.path()).string();
            files[name] = entry.is_directory() ? "<dir>" : folder.read(name);
        }
        return files;
    }

    testing::TempFolder folder;
    testing::FakeServices services;
    ProgramState state{folder.path()};
};

TEST_F(Startup, FirstStartMakesFoldersFilesAndServerTableAndWaitsForASource) {
    MainWindow form(services, state);
    EXPECT_EQ(form.window.caption(), "Kestrelon - Domain Name Manager");
    form.Load();
    for (const char* name : {"backups", "overflow", "wordlists", "searches"})
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    for (const char* name : {"BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"})
        EXPECT_EQ(folder.read(name), "\r\n") << name;
    const std::string table = folder.read("registrars.txt");
    EXPECT_EQ(table.substr(0, 28) + table.substr(table.size() - 4), "proxy|127.0.0.1|43|Enabled\r\n\r\n\r\n");
    EXPECT_EQ(state.serverTable.size(), 92u);
    EXPECT_EQ(form.window.caption(), state.identity.ProductName + " by " + state.identity.PublisherName);
    EXPECT_EQ(form.websiteButton.caption(), "Visit " + state.identity.WebAddress);
    EXPECT_EQ(form.window.windowState(), Window::State::Maximized);
    EXPECT_FALSE(form.startButton.enabled() || form.stopButton.enabled() || form.searchButton.enabled());
    EXPECT_EQ(form.searchType.listCount(), 9);
}

TEST_F(Startup, SecondStartChangesNothing) {
    MainWindow(services, state).Load();
    folder.write("Remembered.txt", "kept.com\r\nalso.net\r\n");
    folder.write("registrars.txt", "com|127.0.0.1|4343|Enabled\r\n\r\n");
    const auto before = snapshot();
    ProgramState again{folder.path()};
    MainWindow form(services, again);
    form.Load();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(form.savedList.items(), (std::vector<std::string>{"kept.com", "also.net"}));
    ASSERT_EQ(again.serverTable.size(), 1u);
    EXPECT_EQ(again.serverTable[0].port, 4343);
}

TEST_F(Startup, StoredSettingsAreReadUnderTheirOwnApplicationAndCheckedForForm) {
    // application, key, value; then the cursor, proxy, default extension and help that result
    using Row = std::tuple<const char*, const char*, const char*, std::int32_t, bool, const char*, bool>;
    for (const auto& [application, key, value, cursor, proxy, extension, help] :
         std::initializer_list<Row>{{"Kestrelon", "wordNumber", "250", 250, false, ".com", false},
                                    {"Kestrelon", "wordNumber", "-3", -3, false, ".com", false},
                                    {"Kestrelon", "wordNumber", "abc", 0, false, ".com", false},
                                    {"Kestrelon", "wordNumber", "99999999999", 0, false, ".com", false},
                                    {"Quillmark", "wordNumber", "77", 0, false, ".com", false},
                                    {"Quillmark", "chkProxy", "1", 0, true, ".com", false},
                                    {"Quillmark", "chkProxy", "2", 0, true, ".com", false},
                                    {"Quillmark", "chkProxy", "yes", 0, false, ".com", false},
                                    {"Quillmark", "chkProxy", "1.5", 0, false, ".com", false},
                                    {"Kestrelon", "chkProxy", "1", 0, false, ".com", false},
                                    {"Quillmark", "DefaultExt", ".CoM", 0, false, ".CoM", false},
                                    {"Quillmark", "DefaultExt", "", 0, false, "", false},
                                    {"Quillmark", "DefaultExt", "co.uk", 0, false, "co.uk", false},
                                    {"Kestrelon", "DefaultExt", ".org", 0, false, ".com", false},
                                    {"Quillmark", "showHelp", "1", 0, false, ".com", true},
                                    {"Quillmark", "showHelp", " 1", 0, false, ".com", false},
                                    {"Quillmark", "showHelp", "yes", 0, false, ".com", false}}) {
        SCOPED_TRACE(std::string(application) + " " + key + "=" + value);
        testing::FakeServices fresh;
        fresh.settingsFake.SaveSetting("Quillmark", "Settings", "showHelp", "0");
        fresh.settingsFake.SaveSetting(application, "Settings", key, value);
        bool helped = false;
        MainWindowHooks hooks;
        hooks.showFirstRunHelp = [&] { helped = true; };
        ProgramState loaded{folder.path()};
        MainWindow form(fresh, loaded, hooks);
        form.Load();
        EXPECT_EQ(std::tuple(form.cursor, loaded.useProxy, loaded.defaultExtension, helped),
                  std::tuple(cursor, proxy, std::string(extension), help));
    }
}

TEST_F(Startup, MissingProgramFolderDoesNotStopStartUp) {
    ProgramState nowhere{folder / "does-not-exist" / "deeper"};
    MainWindow(services, nowhere).Load();
    EXPECT_FALSE(std::filesystem::exists(folder / "does-not-exist"));
    EXPECT_TRUE(nowhere.serverTable.empty());
    EXPECT_EQ(nowhere.defaultExtension, ".com");
}

TEST_F(Startup, ClosingEndsTheProgramUnlessTheWebsiteWindowIsOpen) {
    for (const bool websiteOpen : {false, true}) {
        std::vector<std::string> calls;
        MainWindowHooks hooks;
        hooks.unloadOtherWindows = [&] { calls.push_back("unload"); };
        hooks.websiteVisible = [&] { return websiteOpen; };
        hooks.endProgram = [&] { calls.push_back("end"); };
        ProgramState running{folder.path()};
        MainWindow form(services, running, hooks);
        form.Load();
        for (MainWindow::LookupSlot& slot : form.lookupSlots) {
            slot.exchange.connection().connect("127.0.0.1", 43);
            slot.timer->setEnabled(true);
        }
        form.Unload();
        EXPECT_TRUE(form.stopRequested);
        EXPECT_EQ(form.finishedLookups, MainWindow::kPoolSize);
        for (const auto* client : services.clients) EXPECT_FALSE(client->open);
        for (const auto& slot : form.lookupSlots) EXPECT_FALSE(slot.timer->enabled());
        EXPECT_EQ(calls.size(), websiteOpen ? 1u : 2u);  // "end" only without the website window
        EXPECT_EQ(running.mainClosed, websiteOpen);
    }
}

}  // namespace
}  // namespace quillmark
