#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/NameListReader.h"
#include "engine/ProgramState.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "platform/StatusBar.h"
#include "results/ProfileFiles.h"

namespace quillmark {

// What the main window asks of the windows around it. Each hook may be left
// empty; the window then does without that step.
struct MainWindowHooks {
    enum class Verdict { High, Mid, Low, Taken };

    std::function<void()> applySkin;
    std::function<void()> showFirstRunHelp;
    std::function<void()> unloadOtherWindows;
    std::function<bool()> websiteVisible;
    std::function<void()> releaseSkin;
    std::function<void()> endProgram;
    std::function<void()> showGenerator;
    std::function<void()> showBrowseWindow;
    std::function<void()> showListBuilder;
    std::function<void()> showOverflowNotice;
    // A judged name has gone into a list.
    std::function<void(std::string_view name, Verdict verdict)> nameListed;
    // A name has left the run without going into a list: never sent, still
    // unanswered when its batch or the run ended, or a bare extension.
    std::function<void(std::string_view name)> nameUnjudged;
    // A run has stopped, by Stop or at the end of its list.
    std::function<void()> runStopped;
    // The built-in website window: at the given address, or at the product's
    // web address when there is none.
    std::function<void(std::optional<std::string> address)> openWebsite;
    std::function<void(const std::string& name)> openWhois;
    std::function<void()> showSettings;
    std::function<void()> showHelp;
    std::function<void()> showAbout;
    std::function<void()> closeMainWindow;
};

// The main window "Domain Name Manager": its controls, its state and its
// handlers. Draws nothing; a view shows it.
class MainWindow {
public:
    static constexpr int kPoolSize = 25;
    static constexpr int kListButtons = 6;  // cmdCopy(1) .. cmdCopy(5); element 0 unused
    static constexpr int kBatchSeconds = 30;
    static constexpr int kRetrySeconds = 10;
    static constexpr std::uint16_t kRetryPort = 43;
    static constexpr int kRegisteredLimit = 101;
    // A reply is kept up to this size; the rest is read and dropped.
    static constexpr std::size_t kReplyLimit = 1024 * 1024;

    MainWindow(Services& services, ProgramState& state, MainWindowHooks hooks = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void Form_Load();
    void Form_Unload();

    // Name sources and the list cursor.
    void Combo1_Click();
    void txtWordNum_Change();
    void txtSearch_Change();
    void cmdCreate_Click();
    std::int32_t CountListEntries();
    std::string ReadNameAt(std::int32_t n);
    void ShowListControls();
    void HideListControls();
    void ShowSearchControls();
    void HideSearchControls();
    // Sets the start number as the user would, with its change check.
    void SetWordNum(std::string text);

    // The run: Start, Stop, batches.
    void cmdDoSearch_Click();
    void Command3_Click();
    void StartBatch();
    void ConnectionDone();
    void overall_Timer();

    // The whois exchange of one connection slot.
    void StartLookup(std::string name, int index);
    void Winsock1_Connect(int index);
    void Winsock1_DataArrival(int index, std::int32_t bytesTotal);
    void Winsock1_Close(int index);
    void timTimeout_Timer(int index);
    void AddFreeName(std::string_view name);
    void AddRegisteredName(std::string_view name);
    void SaveProfileFiles();
    void ClearResultLists();

    // The result lists (numbered 1 to 5) and what the user does with them.
    static constexpr int kKeyDelete = 46;
    static constexpr int kShiftMask = 1;
    void cmdClear_Click(int index);
    void cmdClear2_Click(int index);
    void cmdCopy_Click(int index);
    void List_Click(int list);
    void List_KeyDown(int list, int keyCode, int shift);
    // The text a drag from list 1 to 4 carries.
    std::string List_OLEStartDrag(int list);
    void List5_OLEDragDrop(std::string_view dragText);
    void List_DblClick(int list);
    // A listed name becomes the selected name and opens where a double-click sends it.
    void OpenListedName(std::string_view name);
    void LoadRemembered();
    void SaveRemembered();

    // Menus and buttons that open other windows.
    void mnuFileItem_Click();
    void mnuEditItem_Click(int index);
    void mnuToolsItem_Click(int index);
    void mnuOptionsItem_Click();
    void mnuHelpItem_Click(int index);
    void mnuAboutItem_Click();
    void cmdSetup_Click();
    void cmdWebsite_Click();
    static const std::array<const char*, 10>& EditMenuCaptions();

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
    Button cmdSetup{"Setup"};
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
    std::int16_t LastList = 0;
    std::string ListFile;
    std::int32_t WordNumber = 0;
    std::int32_t WordMax = 0;
    bool StopRequested = false;
    bool EndOfList = false;
    std::int16_t ClosedCount = 0;
    std::int16_t BatchTicks = 0;
    // Names taken from the list in the current batch; the batch ends when as
    // many lookups have finished.
    std::int16_t BatchLookups = 0;
    // Between a batch's start and its end; finished lookups count only then.
    bool BatchOpen = false;

    // Per connection slot.
    std::array<std::string, kPoolSize> ConnName;
    std::array<std::string, kPoolSize> ConnHost;
    std::array<std::uint16_t, kPoolSize> ConnPort{};
    std::array<std::string, kPoolSize> ConnReply;
    std::array<std::int16_t, kPoolSize> ConnTicks{};
    // A lookup is in flight on the slot: its events count, once.
    std::array<bool, kPoolSize> ConnBusy{};

    // The connection pool: one client and one timer per slot, and the batch timer.
    std::array<std::unique_ptr<TcpClient>, kPoolSize> Winsock1;
    std::array<std::unique_ptr<Timer>, kPoolSize> timTimeout;
    std::unique_ptr<Timer> overall;

    ProgramState& state() { return state_; }
    Services& services() { return services_; }
    Settings& settings() { return settings_; }

private:
    void WireConnections();
    void SetUpControls();
    void SetUpWordList(std::string_view file, SettingKey resumeKey);
    void SetUpCustomList();
    void SetUpSearchSource();
    void SetUpGeneratedList();
    void EnableListRun();
    std::optional<SettingKey> ResumeKey() const;
    void StoreCursor();
    bool BatchDrained() const;
    void EndBatch();
    void FinishLookupAtOnce(std::string_view name);
    void DropLookup(std::size_t slot);
    void ReportUnjudged(std::string_view name);
    void Judge(int index);
    void CheckOverflow();
    void ReportListed(std::string_view name, MainWindowHooks::Verdict verdict);
    static std::int32_t WholeNumberOrOne(std::string_view text);
    std::int32_t* ResultCounter(int n);
    void ShowCount(int n);
    void CreateDataFiles();
    void CreateFolders();
    void ReadStoredOptions();
    void CloseConnections();

    Services& services_;
    ProgramState& state_;
    MainWindowHooks hooks_;
    Settings settings_;
    NameListReader reader_;
    results::ProfileFiles profileFiles_;
};

}  // namespace quillmark
