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
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "platform/StatusBar.h"
#include "results/ListActions.h"
#include "results/Profile.h"
#include "results/ProfileFiles.h"
#include "results/UncheckedNames.h"
#include "whois/WhoisExchange.h"

namespace quillmark {

// The main window's result lists, by the numbers they always had. The view
// shows them High, Mid, Low, Registered, Saved.
enum class ResultList { Low = 1, Registered, High, Mid, Saved };
inline constexpr std::array<ResultList, 5> kResultLists = {
    ResultList::Low, ResultList::Registered, ResultList::High, ResultList::Mid, ResultList::Saved};
// A list's place in kResultLists, and in every array kept in that order.
constexpr std::size_t SlotOf(ResultList list) {
    return static_cast<std::size_t>(static_cast<int>(list) - 1);
}

// What the main window asks of the windows around it. Each hook may be left
// empty; the window then does without that step.
struct MainWindowHooks {
    using Verdict = results::Verdict;

    std::function<void()> showFirstRunHelp;
    std::function<void()> unloadOtherWindows;
    std::function<bool()> websiteVisible;
    std::function<void()> endProgram;
    std::function<void()> showGenerator;
    std::function<void()> showBrowseWindow;
    std::function<void()> showListBuilder;
    std::function<void()> showOverflowNotice;
    // A judged name has gone into a list.
    std::function<void(std::string_view name, Verdict verdict)> nameListed;
    // A lookup ended without a verdict: the server held it back or failed,
    // never answered, or there is no server for the name. The name is kept
    // in the unchecked names.
    std::function<void(std::string_view name, std::string_view reason)> nameUnchecked;
    // A name left the run without a lookup: a bare extension, or a name that
    // cannot be sent.
    std::function<void(std::string_view name)> nameUnjudged;
    // Lines of the reply rules file that are no rules; they were skipped.
    std::function<void(const std::vector<int>& lines)> rulesSkipped;
    // A run has stopped, by Stop or at the end of its list.
    std::function<void()> runStopped;
    // The built-in website window: at the given address, or at the product's
    // web address when there is none.
    std::function<void(std::optional<std::string> address)> openWebsite;
    std::function<void(const std::string& name)> openWhois;
    std::function<void()> showSettings;
    std::function<void()> showHelp;
    std::function<void()> showAbout;
    std::function<void()> showUnchecked;
    std::function<void()> closeMainWindow;
};

// The main window "Domain Name Manager": its controls, its state and its
// handlers. Draws nothing; a view shows it.
class MainWindow {
public:
    static constexpr int kPoolSize = 25;
    static constexpr int kBatchSeconds = 30;
    static constexpr int kRetrySeconds = 10;
    static constexpr int kRegisteredLimit = 101;

    MainWindow(Services& services, ProgramState& state, MainWindowHooks hooks = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void Load();
    void Unload();

    // Name sources and the list cursor.
    void ChooseSearchType();
    void StartNumberChanged();
    void SearchTextChanged();
    void Search();
    std::int32_t CountListEntries();
    std::string ReadNameAt(std::int32_t n);
    void ShowListControls();
    void HideListControls();
    void ShowSearchControls();
    void HideSearchControls();
    // Sets the start number as the user would, with its change check.
    void SetStartNumber(std::string text);

    // The run: Start, Stop, batches.
    void Start();
    void Stop();
    void StartBatch();
    void LookupFinished();
    void BatchTick();

    // The whois exchange of one connection slot.
    void StartLookup(std::string name, int index);
    void SlotConnected(int index);
    void SlotDataArrived(int index, std::int32_t bytesTotal);
    void SlotClosed(int index);
    void SlotTimerTick(int index);
    void AddFreeName(std::string_view name);
    void AddRegisteredName(std::string_view name);
    void AddUncheckedName(std::string_view name, std::string_view reason);
    void SaveProfileFiles();
    void ClearResultLists();

    // The result lists and what the user does with them.
    void DeleteSelected(ResultList list);
    void ClearList(ResultList list);
    void CopyList(ResultList list);
    void ListClicked(ResultList list);
    void ListKeyDown(ResultList list, int keyCode, int shift);
    // The text a drag from any list but Saved carries.
    std::string DragText(ResultList list);
    void DropOnSaved(std::string_view dragText);
    void ListDoubleClicked(ResultList list);
    // A listed name becomes the selected name and opens where a double-click sends it.
    void OpenListedName(std::string_view name);
    void LoadRemembered();
    void SaveRemembered();

    // Menus and buttons that open other windows.
    void FileMenuExit();
    void EditMenu(int index);
    void ToolsMenu(int index);
    // "Whois Lookup...": the current name of list n (1 to 5) becomes the
    // selected name and opens in the whois lookup window; nothing without one.
    void WhoisMenu(std::optional<ResultList> list);
    void OptionsMenu();
    void HelpMenu(int index);
    void AboutMenu();
    void OpenSetup();
    void ShowUnchecked();
    void VisitWebsite();
    static const std::array<const char*, 10>& EditMenuCaptions();

    // Controls.
    Window window{"Kestrelon - Domain Name Manager"};
    Frame sourceFrame;
    Label searchTypeLabel{"Search Type:"};
    ComboBox searchType;
    Label startNumberLabel{"Start Number:"};
    TextBox startNumber;
    Label ofLabel{"Of"};
    TextBox listSize;
    Button startButton{"Start"};
    Label searchTextLabel{"Search String:"};
    TextBox searchText;
    Label getLabel{"Get"};
    ComboBox searchSize;
    Button searchButton{"Search"};
    Button stopButton{"Stop"};
    Button websiteButton;
    Button setupButton{"Setup"};
    Frame listsFrame{"Domain Name Manager"};
    ListBox lowList, registeredList, highList, midList, savedList;
    Label lowCaption{"Low Profile"}, registeredCaption{"Registered"}, highCaption{"High Profile"},
        midCaption{"Mid Profile"}, savedCaption{"Saved Domains"};
    // How many names are waiting in the unchecked names; it opens their list.
    Button uncheckedButton{"Unchecked (0)"};
    results::UncheckedNames uncheckedNames;
    std::array<results::ListButtons, 5> listButtons;  // in the order of kResultLists
    StatusBar statusBar{3};

    // The two groups of source controls that take turns in one place.
    std::array<Control*, 5> ListSourceControls();
    std::array<Control*, 5> SearchSourceControls();

    // The list box, caption and buttons of a result list.
    ListBox& ListOf(ResultList list);
    Label& CaptionOf(ResultList list);
    results::ListButtons& ButtonsOf(ResultList list);

    // Window state.
    // The list a drop on Saved takes its names from: the last one clicked but Saved.
    std::optional<ResultList> lastClickedList;
    std::string listFile;
    std::int32_t cursor = 0;
    std::int32_t lastPosition = 0;
    bool stopRequested = false;
    bool endOfList = false;
    std::int16_t finishedLookups = 0;
    std::int16_t batchTicks = 0;
    // Names taken from the list in the current batch; the batch ends when as
    // many lookups have finished.
    std::int16_t batchLookups = 0;
    // Between a batch's start and its end; finished lookups count only then.
    bool batchOpen = false;

    // One connection slot of the pool: its whois exchange and its timer.
    struct LookupSlot {
        whois::WhoisExchange exchange;
        std::unique_ptr<Timer> timer;
        // Seconds since the lookup last connected or started.
        std::int16_t ticks = 0;
        // A lookup is in flight on the slot: its events count, once.
        bool busy = false;
    };

    // The connection pool and the batch timer.
    std::array<LookupSlot, kPoolSize> lookupSlots;
    std::unique_ptr<Timer> batchTimer;

    ProgramState& state() { return state_; }
    Services& services() { return services_; }
    Settings& settings() { return settings_; }

private:
    void WireConnections();
    void SetUpControls();
    void SetUpWordList(std::string_view file, SettingKey resumeKey);
    void SetUpCustomList();
    void SetUpUncheckedList();
    void SetUpSearchSource();
    void SetUpGeneratedList();
    void EnableListRun();
    std::optional<SettingKey> ResumeKey() const;
    void StoreCursor();
    bool BatchDrained() const;
    void EndBatch();
    void FinishLookupAtOnce(std::string_view name, std::string_view uncheckedReason = {});
    void ShowUncheckedCount();
    void LoadReplyRules();
    void DropLookup(LookupSlot& slot);
    void ReportUnjudged(std::string_view name);
    void Judge(int index);
    void CheckOverflow();
    void ReportListed(std::string_view name, results::Verdict verdict);
    static std::int32_t WholeNumberOrOne(std::string_view text);
    std::int32_t* ResultCounter(ResultList list);
    void ShowCount(ResultList list);
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
