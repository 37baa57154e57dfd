#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ProgramState.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "platform/StatusBar.h"

namespace quillmark {

// What the main window asks of the windows around it. Each hook may be left
// empty; the window then does without that step.
struct Form1Hooks {
    std::function<void()> applySkin;
    std::function<void()> showFirstRunHelp;
    std::function<void()> loadRemembered;
    std::function<void()> unloadOtherWindows;
    std::function<bool()> websiteVisible;
    std::function<void()> releaseSkin;
    std::function<void()> endProgram;
};

// The main window "Domain Name Manager": its controls, its state and its
// handlers. Draws nothing; a view shows it.
class Form1 {
public:
    static constexpr int kPoolSize = 25;
    static constexpr int kListButtons = 6;  // cmdCopy(1) .. cmdCopy(5); element 0 unused

    Form1(Services& services, ProgramState& state, Form1Hooks hooks = {});
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Form_Load();
    void Form_Unload();

    // Controls.
    Window Me{"Kestrelon - Domain Name Manager"};
    Frame Frame1;
    Label Label6{"Search Type:"};
    ComboBox Combo1;
    Label wLabel1{"Start Number:"};
    TextBox txtWordNum;
    Label wLabel2{"Of"};
    TextBox txtWordMax;
    Button cmdDoSearch{"Start"};
    Label SLabel1{"Search String:"};
    TextBox txtSearch;
    Label SLabel2{"Get"};
    ComboBox Combo2;
    Button cmdCreate{"Search"};
    Button Command3{"Stop"};
    Button cmdWebsite;
    Frame Frame2{"Domain Name Manager"};
    ListBox List1, List2, List3, List4, List5;
    Label Label1{"Low Profile"}, Label2{"Registered"}, Label3{"High Profile"}, Label4{"Mid Profile"},
        Label5{"Saved Domains"};
    std::array<Button, kListButtons> cmdCopy, cmdClear, cmdClear2;
    StatusBar StatusBar1{3};

    // The two groups of source controls that take turns in one place.
    std::array<Control*, 5> ListControls();
    std::array<Control*, 5> SearchControls();

    // The list box and caption of list n (1 to 5).
    ListBox& ResultList(int n);
    Label& ResultCaption(int n);

    // Window state.
    std::string ListFile;
    std::int32_t WordNumber = 0;
    std::int32_t WordMax = 0;
    bool StopRequested = false;
    bool EndOfList = false;
    std::int16_t ClosedCount = 0;
    std::int16_t BatchTicks = 0;

    // The connection pool: one client and one timer per slot, and the batch timer.
    std::array<std::unique_ptr<TcpClient>, kPoolSize> Winsock1;
    std::array<std::unique_ptr<Timer>, kPoolSize> timTimeout;
    std::unique_ptr<Timer> overall;

    ProgramState& state() { return state_; }
    Services& services() { return services_; }
    Settings& settings() { return settings_; }

private:
    void SetUpControls();
    void CreateDataFiles();
    void CreateFolders();
    void ReadStoredOptions();
    void CloseConnections();

    Services& services_;
    ProgramState& state_;
    Form1Hooks hooks_;
    Settings settings_;
};

}  // namespace quillmark
