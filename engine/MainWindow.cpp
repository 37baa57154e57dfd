#include "MainWindow.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

constexpr std::array kDataFiles = {"\\BrowserSearch.txt", "\\Appends.txt", "\\CreatedDomains.txt",
                                   "\\Remembered.txt"};
constexpr std::array kFolders = {"\\backups", "\\overflow", "\\wordlists", "\\searches"};

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

MainWindow::MainWindow(Services& services, ProgramState& state, MainWindowHooks hooks)
    : services_(services), state_(state), hooks_(std::move(hooks)), settings_(services.settings()) {
    for (int i = 0; i < kPoolSize; ++i) {
        Winsock1[static_cast<std::size_t>(i)] = services_.makeTcpClient();
        timTimeout[static_cast<std::size_t>(i)] = services_.makeTimer();
    }
    overall = services_.makeTimer();
    overall->setInterval(1000);
    WireConnections();
    SetUpControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetUpControls() {
    Combo1.setToolTip("Select the type of search you would like to run");
    for (const char* item :
         {"Browse for names", "Generate names", "Yahoo Search", "Google Search", "Full Word List",
          "All Two Letter", "All Three Letter", "All Four Letter", "Custom List"}) {
        Combo1.addItem(item);
    }
    txtWordNum.setText("1");
    txtWordMax.setText("1");
    txtWordMax.setToolTip("The number of entries on your list.");
    cmdDoSearch.setToolTip("Click here to start searching your list.");
    txtSearch.setToolTip("Enter a search string");
    Combo2.setToolTip("The approximate number of domains to find, if available.");
    for (const char* item : {"~100 Domains", "~200 Domains", "~500 Domains", "~1000 Domains!"})
        Combo2.addItem(item);
    Combo2.setText("~100 Domains");
    cmdCreate.setToolTip("Click here to start your internet search!");
    // The search controls share their place with the list controls; the list
    // controls show until a source says otherwise.
    for (Control* control : SearchControls()) control->setVisible(false);
    Command3.setToolTip("Click here to stop searching names");
    // No run can start before a source is chosen.
    cmdDoSearch.setEnabled(false);
    Command3.setEnabled(false);
    cmdCreate.setEnabled(false);

    List3.setToolTip("These domains have less than 5 characters");
    List4.setToolTip("These domains have 5 to 7 characters");
    List1.setToolTip("These domains have 8 or more characters.");
    List2.setToolTip("These domain names are already registered.");
    List5.setToolTip("Drag a domain name here to save it.");
    for (int n = 1; n <= 4; ++n) ResultList(n).setMultiSelect(true);
    for (int n = 1; n < kListButtons; ++n) {
        const auto i = static_cast<std::size_t>(n);
        cmdCopy[i].setCaption("Copy");
        cmdCopy[i].setToolTip("Copy List");
        cmdClear[i].setToolTip("Delete Selected Item");
        cmdClear2[i].setCaption("Clear");
    }
    StatusBar1.setPanelText(1, "Entry Status");
    StatusBar1.setPanelText(2, "Open Connections");
    StatusBar1.setPanelText(3, "Connection Status");
}

std::array<Control*, 5> MainWindow::ListControls() {
    return {&wLabel1, &txtWordNum, &wLabel2, &txtWordMax, &cmdDoSearch};
}

std::array<Control*, 5> MainWindow::SearchControls() {
    return {&SLabel1, &txtSearch, &SLabel2, &Combo2, &cmdCreate};
}

ListBox& MainWindow::ResultList(int n) {
    std::array<ListBox*, 5> lists{&List1, &List2, &List3, &List4, &List5};
    return *lists.at(static_cast<std::size_t>(n - 1));
}

Label& MainWindow::ResultCaption(int n) {
    std::array<Label*, 5> labels{&Label1, &Label2, &Label3, &Label4, &Label5};
    return *labels.at(static_cast<std::size_t>(n - 1));
}

void MainWindow::Form_Load() {
    const auto& constants = state_.Constants;
    Me.setCaption(constants.ProductName + " by " + constants.PublisherName);
    cmdWebsite.setCaption("Visit " + constants.WebAddress);
    if (constants.PurchaseOnDblClick) {
        Frame2.setCaption("Domain Name Manager - Double Click any domain to purchase");
    }
    call(hooks_.applySkin);
    if (settings_.text(SettingKey::showHelp) == "1") call(hooks_.showFirstRunHelp);
    CreateDataFiles();
    BatchTicks = 0;
    LoadRemembered();
    Me.setWindowState(Window::State::Maximized);
    WordNumber = settings_.number(SettingKey::wordNumber);
    CreateFolders();
    whois::WriteDefaultServers(state_.ProgramFolder, false);
    whois::LoadServers(state_.ProgramFolder, state_.ServerTable);
    ReadStoredOptions();
}

void MainWindow::CreateDataFiles() {
    for (const char* name : kDataFiles) {
        const auto path = state_.ProgramFolder.file(name);
        if (!FileExists(path)) AppendToFile(path, "\r\n");
    }
}

void MainWindow::CreateFolders() {
    for (const char* name : kFolders) {
        const auto path = state_.ProgramFolder.folder(name);
        if (!DirExists(path)) MakeFolder(path);
    }
}

void MainWindow::ReadStoredOptions() {
    state_.UseProxy = settings_.number(SettingKey::chkProxy) != 0;
    state_.DefaultExtension = settings_.text(SettingKey::DefaultExt);
}

void MainWindow::Form_Unload() {
    ClosedCount = kPoolSize;
    StopRequested = true;
    CloseConnections();
    call(hooks_.unloadOtherWindows);
    services_.settings().flush();
    if (hooks_.websiteVisible && hooks_.websiteVisible()) {
        state_.MainClosed = true;
        return;
    }
    call(hooks_.releaseSkin);
    call(hooks_.endProgram);
}

void MainWindow::CloseConnections() {
    for (int i = 0; i < kPoolSize; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        Winsock1[slot]->close();
        timTimeout[slot]->setEnabled(false);
        DropLookup(slot);
    }
    overall->setEnabled(false);
}

}  // namespace quillmark
