#include "MainWindow.h"

#include "engine/SearchTypes.h"
#include "platform/Files.h"
#include "platform/Hook.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

constexpr std::array kDataFiles = {files::kBrowserSearch, files::kAppends, files::kCreatedDomains,
                                   files::kRemembered};
constexpr std::array kFolders = {files::kBackups, files::kOverflow, files::kWordLists, files::kSearches};

}  // namespace

MainWindow::MainWindow(Services& services, ProgramState& state, MainWindowHooks hooks)
    : services_(services), state_(state), hooks_(std::move(hooks)), settings_(services.settings()) {
    for (LookupSlot& slot : lookupSlots) {
        slot.exchange = whois::WhoisExchange(services_.makeTcpClient());
        slot.http = services_.makeHttpClient();
        slot.timer = services_.makeTimer();
    }
    runTimer = services_.makeTimer();
    runTimer->setInterval(1000);
    WireConnections();
    SetUpControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetUpControls() {
    searchType.setToolTip("Select the type of search you would like to run");
    for (const SearchTypeRow& row : SearchTypeRows()) searchType.addItem(std::string(row.caption));
    startNumber.setText("1");
    listSize.setText("1");
    listSize.setToolTip("The number of entries on your list.");
    startButton.setToolTip("Click here to start searching your list.");
    searchText.setToolTip("Enter a search string");
    searchSize.setToolTip("The approximate number of domains to find, if available.");
    for (const char* item : {"~100 Domains", "~200 Domains", "~500 Domains", "~1000 Domains!"})
        searchSize.addItem(item);
    searchSize.setText("~100 Domains");
    searchButton.setToolTip("Click here to start your internet search!");
    // The search controls share their place with the list controls; the list
    // controls show until a source says otherwise.
    for (Control* control : SearchSourceControls()) control->setVisible(false);
    stopButton.setToolTip("Click here to stop searching names");
    uncheckedButton.setToolTip(
        "Names no server gave a verdict on. Choose \"Unchecked Names\" to look them up again.");
    // Shown from the first Start on.
    progress.setVisible(false);
    // No run can start before a source is chosen.
    startButton.setEnabled(false);
    stopButton.setEnabled(false);
    searchButton.setEnabled(false);
    undoItem.setEnabled(false);  // nothing deleted yet

    highList.setToolTip("These domains have less than 5 characters");
    midList.setToolTip("These domains have 5 to 7 characters");
    lowList.setToolTip("These domains have 8 or more characters.");
    registeredList.setToolTip("These domain names are already registered.");
    savedList.setToolTip("Drag a domain name here to save it.");
    for (const ResultList list : kResultLists) {
        if (list != ResultList::Saved) ListOf(list).setMultiSelect(true);
    }
    for (results::ListButtons& buttons : listButtons) {
        buttons.copy.setCaption("Copy");
        buttons.copy.setToolTip("Copy List");
        buttons.deleteSelected.setToolTip("Delete Selected Item");
        buttons.clear.setCaption("Clear");
    }
    statusBar.setPanelText(1, "Entry Status");
    statusBar.setPanelText(2, "Open Connections");
    statusBar.setPanelText(3, "Connection Status");
}

std::array<Control*, 5> MainWindow::ListSourceControls() {
    return {&startNumberLabel, &startNumber, &ofLabel, &listSize, &startButton};
}

std::array<Control*, 5> MainWindow::SearchSourceControls() {
    return {&searchTextLabel, &searchText, &getLabel, &searchSize, &searchButton};
}

ListBox& MainWindow::ListOf(ResultList list) {
    std::array<ListBox*, 5> lists{&lowList, &registeredList, &highList, &midList, &savedList};
    return *lists.at(SlotOf(list));
}

Label& MainWindow::CaptionOf(ResultList list) {
    std::array<Label*, 5> labels{&lowCaption, &registeredCaption, &highCaption, &midCaption, &savedCaption};
    return *labels.at(SlotOf(list));
}

results::ListButtons& MainWindow::ButtonsOf(ResultList list) {
    return listButtons.at(SlotOf(list));
}

void MainWindow::Load() {
    const auto& constants = state_.identity;
    window.setCaption(constants.ProductName + " by " + constants.PublisherName);
    websiteButton.setCaption("Visit " + constants.WebAddress);
    listsFrame.setCaption("Domain Name Manager - Double Click any domain to purchase");
    if (settings_.text(SettingKey::showHelp) == "1") call(hooks_.showFirstRunHelp);
    CreateDataFiles();
    LoadRemembered();
    window.setWindowState(Window::State::Maximized);
    cursor = settings_.number(SettingKey::wordNumber);
    CreateFolders();
    whois::WriteDefaultServers(state_.programFolder, false);
    whois::LoadServers(state_.programFolder, state_.serverTable);
    LoadReplyRules();
    uncheckedNames.Load(state_.programFolder);
    ShowUncheckedCount();
    ReadStoredOptions();
}

void MainWindow::LoadReplyRules() {
    state_.replyRules = whois::LoadReplyRules(state_.programFolder);
    const auto& skipped = state_.replyRules.badLines;
    if (skipped.empty()) return;
    statusBar.setPanelText(
        3, "replyrules.txt: line " + std::to_string(skipped.front()) +
               (skipped.size() > 1 ? " and " + std::to_string(skipped.size() - 1) + " more" : "") +
               " skipped");
    if (hooks_.rulesSkipped) hooks_.rulesSkipped(skipped);
}

void MainWindow::ShowUncheckedCount() {
    uncheckedButton.setCaption("Unchecked (" + std::to_string(uncheckedNames.count()) + ")");
}

void MainWindow::CreateDataFiles() {
    for (const std::string_view name : kDataFiles) {
        const auto path = state_.programFolder.file(name);
        if (!FileExists(path)) AppendToFile(path, "\r\n");
    }
}

void MainWindow::CreateFolders() {
    for (const std::string_view name : kFolders) {
        const auto path = state_.programFolder.folder(name);
        if (!DirExists(path)) MakeFolder(path);
    }
}

void MainWindow::ReadStoredOptions() {
    state_.useProxy = settings_.number(SettingKey::chkProxy) != 0;
    state_.whoisOnly = settings_.number(SettingKey::WhoisOnly) != 0;
    state_.zones = whois::LoadZones(state_.programFolder);
    state_.defaultExtension = settings_.text(SettingKey::DefaultExt);
}

void MainWindow::Unload() {
    stopRequested = true;
    CloseConnections();
    uncheckedNames.Save();
    call(hooks_.unloadOtherWindows);
    services_.settings().flush();
    if (hooks_.websiteVisible && hooks_.websiteVisible()) {
        state_.mainClosed = true;
        return;
    }
    call(hooks_.endProgram);
}

// Every slot's connection closed, its timer stopped and its lookup dropped
// without an outcome (its name stays open for the next run); the run timer
// stopped too. Unload and Stop alike.
void MainWindow::CloseConnections() {
    for (LookupSlot& slot : lookupSlots) {
        slot.exchange.Close();
        slot.http->abort();
        slot.timer->setEnabled(false);
        slot.ticks = 0;
        DropLookup(slot, false);
    }
    runTimer->setEnabled(false);
}

}  // namespace quillmark
