#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "engine/MainWindow.h"
#include "fakes/FakeServices.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::FakeServices;
using testing::TempFolder;

class Form1Startup : public ::testing::Test {
protected:
    void store(std::string_view application, std::string_view key, std::string_view value) {
        services.settingsFake.SaveSetting(application, "Settings", key, value);
    }

    // Every file of the program folder with its bytes, folders as "<dir>".
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const auto name = std::filesystem::relative(entry.path(), folder.path()).string();
            files[name] = entry.is_directory() ? "<dir>" : folder.read(name);
        }
        return files;
    }

    TempFolder folder;
    FakeServices services;
    ProgramState state{folder.path()};
    std::vector<std::string> calls;
};

TEST_F(Form1Startup, FirstStartMakesFoldersFilesAndServerTable) {
    MainWindow form(services, state);
    form.Load();

    for (const char* name : {"backups", "overflow", "wordlists", "searches"}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    }
    for (const char* name : {"BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"}) {
        EXPECT_EQ(folder.read(name), "\r\n") << name;
    }
    const std::string table = folder.read("registrars.txt");
    EXPECT_EQ(table.substr(0, 28), "proxy|127.0.0.1|43|Enabled\r\n");
    EXPECT_EQ(table.substr(table.size() - 4), "\r\n\r\n");
    EXPECT_EQ(state.serverTable.size(), 92u);
    EXPECT_EQ(form.cursor, 0);
    EXPECT_FALSE(state.useProxy);
    EXPECT_EQ(state.defaultExtension, ".com");
}

TEST_F(Form1Startup, CaptionsComeFromTheStartupConstants) {
    MainWindow form(services, state);
    EXPECT_EQ(form.window.caption(), "Kestrelon - Domain Name Manager");
    form.Load();
    EXPECT_EQ(form.window.caption(), state.identity.ProductName + " by " + state.identity.PublisherName);
    EXPECT_EQ(form.window.caption().rfind("Quillmark by ", 0), 0u);
    EXPECT_EQ(form.websiteButton.caption(), "Visit " + state.identity.WebAddress);
    EXPECT_EQ(form.listsFrame.caption(), "Domain Name Manager - Double Click any domain to purchase");
    EXPECT_EQ(form.window.windowState(), Window::State::Maximized);
}

TEST_F(Form1Startup, NoRunCanStartBeforeASourceIsChosen) {
    MainWindow form(services, state);
    form.Load();
    EXPECT_FALSE(form.startButton.enabled());
    EXPECT_FALSE(form.stopButton.enabled());
    EXPECT_FALSE(form.searchButton.enabled());
    EXPECT_EQ(form.searchType.listCount(), 9);
    EXPECT_EQ(form.searchType.item(0), "Browse for names");
    EXPECT_EQ(form.searchType.item(8), "Custom List");
    EXPECT_EQ(form.searchSize.text(), "~100 Domains");
    EXPECT_EQ(form.statusBar.panelCount(), 3);
}

TEST_F(Form1Startup, SecondStartChangesNothing) {
    {
        MainWindow form(services, state);
        form.Load();
    }
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

TEST_F(Form1Startup, StoredNumbersThatAreNotNumbersTakeTheirDefaults) {
    struct Case {
        const char* wordNumber;
        const char* chkProxy;
        std::int32_t expectedWordNumber;
        bool expectedProxy;
    };
    for (const Case& c : {Case{"250", "1", 250, true}, Case{"abc", "yes", 0, false}, Case{"", "0", 0, false},
                          Case{"-3", "2", -3, true}, Case{"99999999999", "1.5", 0, false}}) {
        store("Kestrelon", "wordNumber", c.wordNumber);
        store("Quillmark", "chkProxy", c.chkProxy);
        ProgramState fresh{folder.path()};
        MainWindow form(services, fresh);
        form.Load();
        EXPECT_EQ(form.cursor, c.expectedWordNumber) << c.wordNumber;
        EXPECT_EQ(fresh.useProxy, c.expectedProxy) << c.chkProxy;
    }
}

TEST_F(Form1Startup, KeysAreReadUnderTheirOwnApplication) {
    store("Quillmark", "wordNumber", "77");
    store("Kestrelon", "chkProxy", "1");
    store("Kestrelon", "DefaultExt", ".org");
    MainWindow form(services, state);
    form.Load();
    EXPECT_EQ(form.cursor, 0);
    EXPECT_FALSE(state.useProxy);
    EXPECT_EQ(state.defaultExtension, ".com");
}

TEST_F(Form1Startup, DefaultExtensionIsTakenUnchanged) {
    for (const char* stored : {"", ".CoM", "net", ".co.uk"}) {
        store("Quillmark", "DefaultExt", stored);
        ProgramState fresh{folder.path()};
        MainWindow form(services, fresh);
        form.Load();
        EXPECT_EQ(fresh.defaultExtension, stored);
    }
}

TEST_F(Form1Startup, FirstRunHelpOnlyForExactlyOne) {
    for (const auto& [stored, shown] : std::vector<std::pair<std::string, bool>>{
             {"1", true}, {"0", false}, {"yes", false}, {" 1", false}, {"", false}}) {
        store("Quillmark", "showHelp", stored);
        bool helped = false;
        MainWindowHooks hooks;
        hooks.showFirstRunHelp = [&] { helped = true; };
        ProgramState fresh{folder.path()};
        MainWindow form(services, fresh, hooks);
        form.Load();
        EXPECT_EQ(helped, shown) << '"' << stored << '"';
    }
}

TEST_F(Form1Startup, MissingProgramFolderDoesNotStopStartUp) {
    ProgramState nowhere{folder / "does-not-exist" / "deeper"};
    MainWindow form(services, nowhere);
    form.Load();
    EXPECT_FALSE(std::filesystem::exists(folder / "does-not-exist"));
    EXPECT_TRUE(nowhere.serverTable.empty());
    EXPECT_EQ(nowhere.defaultExtension, ".com");
}

class Form1Shutdown : public Form1Startup {};

TEST_F(Form1Shutdown, ClosesEveryConnectionAndEndsTheProgram) {
    MainWindowHooks hooks;
    hooks.unloadOtherWindows = [&] { calls.push_back("unload"); };
    hooks.websiteVisible = [] { return false; };
    hooks.endProgram = [&] { calls.push_back("end"); };
    MainWindow form(services, state, hooks);
    form.Load();
    for (MainWindow::LookupSlot& slot : form.lookupSlots) {
        slot.exchange.connection().connect("127.0.0.1", 43);
        slot.timer->setEnabled(true);
    }

    form.Unload();

    EXPECT_TRUE(form.stopRequested);
    EXPECT_EQ(form.finishedLookups, MainWindow::kPoolSize);
    ASSERT_EQ(services.clients.size(), static_cast<std::size_t>(MainWindow::kPoolSize));
    for (const auto* client : services.clients) EXPECT_FALSE(client->open);
    for (const auto& slot : form.lookupSlots) EXPECT_FALSE(slot.timer->enabled());
    EXPECT_EQ(calls, (std::vector<std::string>{"unload", "end"}));
    EXPECT_FALSE(state.mainClosed);
}

TEST_F(Form1Shutdown, LeavesTheProgramRunningWhileTheWebsiteWindowIsOpen) {
    MainWindowHooks hooks;
    hooks.websiteVisible = [] { return true; };
    hooks.endProgram = [&] { calls.push_back("end"); };
    MainWindow form(services, state, hooks);
    form.Load();
    form.Unload();
    EXPECT_TRUE(state.mainClosed);
    EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace quillmark
