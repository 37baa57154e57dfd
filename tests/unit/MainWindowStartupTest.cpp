#include <map>

#include "program/HelpFile.h"
#include "support/MainWindowFixture.h"

namespace quillmark {
namespace {

using Steps = std::vector<std::string>;

class Startup : public testing::MainWindowFixture {
protected:
    Startup() { std::filesystem::remove(folder / "registrars.txt"); }
    // Every file of the program folder with its bytes, folders as "<dir>".
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const auto name = std::filesystem::relative(entry.path(), folder.path()).string();
            files[name] = entry.is_directory() ? "<dir>" : folder.read(name);
        }
        return files;
    }
};

// Help opens at a start with its file, in the program's own window where the desktop has no
// viewer; help not shown is offered again at the next start.
// Closing ends the program unless the website window is open.
TEST_F(Startup, FirstStartMakesFoldersFilesAndServerTableAndTheNextChangesNothing) {
    Steps inProgram;
    bool inProgramShows = false;
    hooks.showHelp = hooks.showFirstRunHelp = [&] {
        program::OpenHelp(services, state.programFolder, [&](std::string_view file) {
            return inProgram.emplace_back(file), inProgramShows;
        });
    };
    std::string calls;
    bool websiteOpen = false;
    hooks.unloadOtherWindows = [&] { calls += "unload "; };
    hooks.websiteVisible = [&] { return websiteOpen; };
    hooks.endProgram = [&] { calls += "end "; };
    load();
    for (const char* name : {"backups", "overflow", "wordlists", "searches"})
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    for (const char* name : {"BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"})
        EXPECT_EQ(folder.read(name), "\r\n") << name;
    const std::string table = folder.read("registrars.txt");
    EXPECT_EQ(table.substr(0, 28) + table.substr(table.size() - 4), "proxy|127.0.0.1|43|Enabled\r\n\r\n\r\n");
    EXPECT_EQ(state.serverTable.size(), 81u);
    EXPECT_FALSE(form->startButton.enabled() || form->stopButton.enabled() || form->searchButton.enabled());
    EXPECT_NE(setting("Quillmark", "showHelp"), "0");
    EXPECT_TRUE(services.shellFake.opened.empty());

    folder.write("Remembered.txt", "kept.com\r\nalso.net\r\n");
    folder.write("registrars.txt", "com|127.0.0.1|4343|Enabled\r\n\r\n");
    folder.write("Help.html", "<html></html>");
    const auto before = snapshot();
    load();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(form->savedList.items(), (Steps{"kept.com", "also.net"}));
    ASSERT_EQ(state.serverTable.size(), 1u);
    EXPECT_EQ(state.serverTable[0].port, 4343);
    const std::string help = (folder / "Help.html").string();
    EXPECT_EQ(services.shellFake.opened, Steps{help});
    EXPECT_EQ(setting("Quillmark", "showHelp"), "0");
    form->Unload();
    EXPECT_EQ(calls + std::to_string(state.mainClosed), "unload end 0");
    load();  // the next start
    form->HelpMenu(0);
    EXPECT_EQ(services.shellFake.opened, (Steps{help, help}));
    // Without a desktop viewer the program's own window shows it; shown nowhere, it is not noted.
    services.shellFake.opens = false;
    for (const bool shows : {false, true}) {
        services.settingsFake.SaveSetting("Quillmark", "Settings", "showHelp", "1");
        inProgramShows = shows;
        form->HelpMenu(0);
        EXPECT_EQ(setting("Quillmark", "showHelp"), shows ? "0" : "1");
    }
    EXPECT_EQ(inProgram, (Steps{help, help}));
    for (MainWindow::LookupSlot& slot : form->lookupSlots) {
        slot.exchange.connection().connect("127.0.0.1", 43);
        slot.timer->setEnabled(true);
    }
    websiteOpen = true;
    form->Unload();
    EXPECT_EQ(calls + std::to_string(state.mainClosed), "unload end unload 1");
    EXPECT_TRUE(form->stopRequested);
    for (const auto* client : services.clients) EXPECT_FALSE(client->open);
    for (const auto& slot : form->lookupSlots) EXPECT_FALSE(slot.timer->enabled());

    // A program folder that is not there is not made, and start-up goes on.
    ProgramState nowhere{folder / "does-not-exist" / "deeper"};
    MainWindow(services, nowhere).Load();
    EXPECT_FALSE(std::filesystem::exists(folder / "does-not-exist"));
    EXPECT_TRUE(nowhere.serverTable.empty());
}

TEST_F(Startup, StoredSettingsAreReadUnderTheirOwnApplicationAndCheckedForForm) {
    // application, key, stored value; what the key sets: cursor, proxy, default extension or help
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"Kestrelon", "wordNumber", "250", "250"},   {"Quillmark", "wordNumber", "77", "0"},
        {"Quillmark", "chkProxy", "2", "1"},         {"Kestrelon", "chkProxy", "1", "0"},
        {"Quillmark", "DefaultExt", ".CoM", ".CoM"}, {"Quillmark", "showHelp", " 1", "0"}};
    bool helped = false;
    hooks.showFirstRunHelp = [&] { helped = true; };
    for (const auto& [application, key, value, expected] : rows) {
        services.settingsFake = {};
        services.settingsFake.SaveSetting("Quillmark", "Settings", "showHelp", "0");
        services.settingsFake.SaveSetting(application, "Settings", key, value);
        helped = false;
        load();
        const std::map<std::string, std::string> read{{"wordNumber", std::to_string(form->cursor)},
                                                      {"chkProxy", std::to_string(state.useProxy)},
                                                      {"DefaultExt", state.defaultExtension},
                                                      {"showHelp", std::to_string(helped)}};
        EXPECT_EQ(read.at(key), expected) << application << " " << key << "=" << value;
    }
}

}  // namespace
}  // namespace quillmark
