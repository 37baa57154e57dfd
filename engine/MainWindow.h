#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/NameListReader.h"
#include "engine/ProgramState.h"
#include "platform/Clock.h"
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
#include "whois/Rdap.h"
#include "whois/ReplyRules.h"
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
    // A judged name has gone into a list; protocol is "whois" or "rdap".
    std::function<void(std::string_view name, Verdict verdict, std::string_view protocol)> nameListed;
    // A lookup ended without a verdict: the server held it back or failed,
    // never answered, or there is no server for the name (protocol empty:
    // none was asked). The name is kept in the unchecked names.
    std::function<void(std::string_view name, std::string_view reason, std::string_view protocol)>
        nameUnchecked;
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
    // The longest one lookup may take; silent for kRetrySeconds, it is asked again.
    static constexpr int kLookupSeconds = 30;
    static constexpr int kRetrySeconds = 10;
    // A name throttled this often is unchecked.
    static constexpr int kThrottleAttempts = 3;
    // Names read ahead while their servers wait; more wait for those to go.
    static constexpr std::size_t kWaitingLimit = 5000;
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

    // The run: Start, Stop, the slots refilled as their lookups end.
    void Start();
    void Stop();
    void RunTick();

    // The lookup of one connection slot, by whois or RDAP.
    // A waiting name resumes by the protocol it waited for.
    struct WaitingName;
    void StartLookup(std::string name, int index, const WaitingName* resumed = nullptr);
    void SlotConnected(int index);
    void SlotDataArrived(int index, std::int32_t bytesTotal);
    void SlotClosed(int index);
    void SlotTimerTick(int index);
    void SlotFailed(int index);
    void RdapAnswered(int index, const HttpReply& reply);
    void AddFreeName(std::string_view name, std::string_view protocol = "whois");
    void AddRegisteredName(std::string_view name, std::string_view protocol = "whois");
    void AddUncheckedName(std::string_view name, std::string_view reason,
                          std::string_view protocol = "whois");
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
    // Edit > Undo: brings back the names the last delete or clear took, with
    // their captions and files. Names listed since stay after them.
    void Undo();
    // File > Export...: every result list to a CSV or JSON file the user names.
    void ExportLists();
    // When the name entered the list in this session; nothing for a name that
    // came from a file.
    std::optional<LocalTime> ListedAt(ResultList list, const std::string& name) const;

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
    // Edit > Undo: what it would bring back, enabled while there is something.
    Button undoItem{"Undo"};
    std::array<results::ListButtons, 5> listButtons;  // in the order of kResultLists
    StatusBar statusBar{3};
    // The run's names with an outcome out of all it will look up, its pace and the time left.
    ProgressBar progress;

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
    // The next list position to read.
    std::int32_t cursor = 0;
    std::int32_t lastPosition = 0;
    bool stopRequested = false;
    // Between Start and Stop: ended lookups refill their slots only then.
    bool running = false;
    // The list has no more names to read.
    bool endOfList = false;
    // The run ended by itself: every name of its list has an outcome.
    bool wentThrough = false;
    std::int32_t runSeconds = 0;
    int outcomesUnsaved = 0;
    // Positions the run set out to look up, and those with an outcome.
    std::int32_t runTotal = 0;
    std::int32_t runDone = 0;

    // One connection slot of the pool: its whois exchange, its RDAP client and its timer.
    struct LookupSlot {
        whois::WhoisExchange exchange;
        std::unique_ptr<HttpClient> http;
        std::unique_ptr<Timer> timer;
        std::string name;  // as the list has it
        // Who can answer for the name, and by which protocol it is asked now.
        std::optional<whois::ServerRow> whoisServer;
        std::string rdapBase;  // empty: the registry has no RDAP server, or it is not used
        whois::Protocol protocol = whois::Protocol::Whois;
        // The other protocol was asked after this one gave no verdict.
        bool otherTried = false;
        // Seconds since the lookup last connected or started, and since it began.
        std::int16_t ticks = 0;
        std::int16_t age = 0;
        // A lookup is in flight on the slot: its events count, once.
        bool busy = false;
        std::int32_t position = 0;
        int attempts = 0;
        std::string server;  // who is asked: host:port, the proxy and the extension, or the RDAP base
    };
    // A name whose server holds it back, asked again once the server may be asked.
    struct WaitingName {
        std::string name;
        std::int32_t position = 0;
        int attempts = 0;
        std::string server;
        // How it was asked when it had to wait; nothing for a name not yet asked.
        std::optional<whois::Protocol> protocol;
        bool otherTried = false;
    };
    struct ServerPause {
        std::int32_t until = 0;
        std::int32_t seconds = 0;
    };

    // The connection pool and the run's one-second timer.
    std::array<LookupSlot, kPoolSize> lookupSlots;
    std::unique_ptr<Timer> runTimer;
    std::deque<WaitingName> waitingNames;
    std::map<std::string, ServerPause> pausedServers;
    // Positions read from the list that have no outcome yet.
    std::set<std::int32_t> openPositions;
    struct RunCounts {
        int free = 0, taken = 0, unchecked = 0;
    } runCounts;

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
    void FillSlots();
    bool StartNext(int index);
    void LookupEnded(int index);
    void EndUnanswered(int index, std::string_view why);
    void PositionDone(std::int32_t position);
    bool RunDrained() const;
    void FinishRun();
    void ShowProgress();
    void ResumeOpenNames();
    // What a run stopped on the current list left: the positions without an
    // outcome, in order, and the next one to read.
    struct OpenNames {
        std::vector<std::int32_t> positions;
        std::int32_t next = 0;
    };
    std::optional<OpenNames> StoredOpenNames() const;
    void StoreOpenNames();
    std::int32_t FirstOpenPosition() const;
    bool ServerPaused(const std::string& server) const;
    // A wait the server asked for replaces the doubling one.
    void PauseServer(const std::string& server, std::optional<std::int64_t> askedSeconds);
    void AskServer(int index, whois::Protocol protocol);
    bool TryOtherProtocol(int index);
    void Conclude(int index, whois::Verdict verdict, std::optional<std::int64_t> wait);
    void FinishLookupAtOnce(int index, std::string_view name, std::string_view uncheckedReason = {});
    void ShowUncheckedCount();
    void LoadReplyRules();
    void DropLookup(LookupSlot& slot, bool keepUnanswered);
    void ReportUnjudged(std::string_view name);
    bool Settle(int index, whois::Verdict verdict, std::optional<std::int64_t> wait);
    void CheckOverflow();
    void ReportListed(std::string_view name, results::Verdict verdict, std::string_view protocol);
    static std::int32_t WholeNumberOrOne(std::string_view text);
    // A judged name joins its list, with the time.
    void AddListed(ResultList list, std::string_view name);
    void ShowCount(ResultList list);
    // The caption and the file of a list follow a change at once.
    void ListChanged(ResultList list);
    void ListsEmptied();
    void ClearLists(std::initializer_list<ResultList> lists);
    // Names a delete or clear took from one list, and where.
    struct TakenNames {
        ResultList list;
        std::size_t position = 0;
        std::vector<std::string> names;
        std::unordered_map<std::string, LocalTime> times;
        std::uint64_t revision = 0;  // the list's, right after
    };
    void KeepForUndo(std::vector<TakenNames> taken, std::string_view what);
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
    std::vector<TakenNames> undo_;
    // The time each listed name entered its list, in the order of kResultLists.
    std::array<std::unordered_map<std::string, LocalTime>, 5> listedAt_;
};

}  // namespace quillmark
