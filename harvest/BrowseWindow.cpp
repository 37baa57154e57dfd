// The browse window: navigation, pages and its two lists.
#include "harvest/BrowseWindow.h"

#include <algorithm>

#include "platform/Files.h"
#include "results/ListActions.h"
#include "program/WebsiteWindow.h"

namespace quillmark::harvest {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

BrowseWindow::BrowseWindow(Services& services, MainWindow& main, Browser& browser1, Browser& browser2, const SearchSites& sites)
    : WebBrowser1(browser1),
      WebBrowser2(browser2),
      Winsock1(services.makeTcpClient()),
      timTimeout(services.makeTimer()),
      Timer1(services.makeTimer()),
      services_(services),
      main_(main),
      sites_(sites) {
    SetUpControls();
    WireEvents();
}

BrowseWindow::~BrowseWindow() {
    WebBrowser1.setEvents({});
    WebBrowser2.setEvents({});
    Winsock1->setEvents({});
    Winsock1->close();
}

void BrowseWindow::SetUpControls() {
    Command1.setToolTip("Navigate to the current url!");
    cmdBack.setToolTip("Go Back");
    cmdFwd.setToolTip("Go Forward");
    cmdHome.setToolTip("Home");
    cmdRefresh.setToolTip("Refresh");
    cmdStop.setToolTip("Stop");
    for (std::size_t i = 0; i < Command2.size(); ++i) Command2[i].setCaption(sites_.siteButtons[i].caption);
    List1.setToolTip("These domain names have not been registered.");
    for (int index : {1, 2}) {
        const auto i = static_cast<std::size_t>(index);
        cmdClear[i].setCaption("Clear");
        cmdClear[i].setToolTip("Clear List");
        cmdClear2[i].setCaption("Delete");
        cmdClear2[i].setToolTip("Delete Selected Item");
        cmdCopy[i].setCaption("Copy");
        cmdCopy[i].setToolTip("Copy List");
    }
    timTimeout->setInterval(kTickMs);
    timTimeout->setEnabled(false);
    Timer1->setInterval(kTickMs);
}

void BrowseWindow::WireEvents() {
    Browser::Events first;
    first.statusTextChange = [this](const std::string& text) { WebBrowser1_StatusTextChange(text); };
    first.downloadBegin = [this] { WebBrowser1_DownloadBegin(); };
    first.titleChange = [this](const std::string& title) { WebBrowser1_TitleChange(title); };
    first.documentComplete = [this](const std::string& markup) { WebBrowser1_DocumentComplete(markup); };
    WebBrowser1.setEvents(std::move(first));
    Browser::Events second;
    second.documentComplete = [this](const std::string& markup) { WebBrowser2_DocumentComplete(markup); };
    WebBrowser2.setEvents(std::move(second));
    Winsock1->setEvents({[this] { Winsock1_Connect(); }, [this](std::int32_t) { Winsock1_DataArrival(); },
                         [this] { Winsock1_Close(); }});
    timTimeout->setOnTick([this] { timTimeout_Timer(); });
    Timer1->setOnTick([this] { Timer1_Timer(); });
}

std::filesystem::path BrowseWindow::SearchList() const {
    return main_.state().ProgramFolder.file("\\BrowserSearch.txt");
}

void BrowseWindow::Form_Load() {
    Found = {};
    CheckCursor = 0;
    CheckTicks = 0;
    Checking = false;
    closed_ = false;
    while (StatusBar1.panelCount() < 3) StatusBar1.addPanel();
    RemoveQuietly(SearchList());
    reader_.setFile(SearchList());
    Timer1->setEnabled(true);
    Navigate(sites_.browseStartPage);
}

void BrowseWindow::Form_Unload() {
    closed_ = true;
    waitingPages_.clear();
    Timer1->setEnabled(false);
    timTimeout->setEnabled(false);
    Checking = false;
    Winsock1->close();
    RemoveQuietly(SearchList());
}

// --- navigation --------------------------------------------------------------

void BrowseWindow::Navigate(const std::string& address) {
    const std::string full = program::AddressWithScheme(address);
    if (!full.empty()) WebBrowser1.Navigate(full);
}

void BrowseWindow::cmdBack_Click() {
    WebBrowser1.GoBack();
}
void BrowseWindow::cmdFwd_Click() {
    WebBrowser1.GoForward();
}
void BrowseWindow::cmdHome_Click() {
    WebBrowser1.GoHome();
}
void BrowseWindow::cmdRefresh_Click() {
    WebBrowser1.Refresh();
}
void BrowseWindow::cmdStop_Click() {
    WebBrowser1.Stop();
}

void BrowseWindow::Command1_Click() {
    const std::string address = text1.text();
    const auto& typed = text1.items();
    if (std::find(typed.begin(), typed.end(), address) == typed.end()) text1.addItem(address);
    Navigate(address);
}

void BrowseWindow::text1_KeyPress(int keyAscii) {
    if (keyAscii == kEnterKey) Command1_Click();
}

void BrowseWindow::text1_Click() {
    if (text1.listIndex() >= 0) Navigate(text1.text());
}

void BrowseWindow::Command2_Click(int index) {
    if (index < 0 || index >= static_cast<int>(sites_.siteButtons.size())) return;
    Navigate(sites_.siteButtons[static_cast<std::size_t>(index)].address);
}

// --- pages -------------------------------------------------------------------

void BrowseWindow::WebBrowser1_StatusTextChange(const std::string& text) {
    StatusBar1.setPanelText(3, text);
}

void BrowseWindow::WebBrowser1_DownloadBegin() {
    StatusBar1.setPanelText(2, "Waiting for page to load");
    Found.BrowsePageCount = 0;
}

void BrowseWindow::WebBrowser1_TitleChange(const std::string& title) {
    text1.setText(WebBrowser1.LocationURL());
    Me.setCaption(main_.state().Constants.ProductName + " - " + title);
}

void BrowseWindow::WebBrowser1_DocumentComplete(const std::string& bodyMarkup) {
    PageComplete(bodyMarkup);
}

void BrowseWindow::WebBrowser2_DocumentComplete(const std::string& bodyMarkup) {
    PageComplete(bodyMarkup);
}

void BrowseWindow::PageComplete(const std::string& bodyMarkup) {
    if (closed_) return;
    if (extracting_) {
        waitingPages_.push_back(bodyMarkup);
        return;
    }
    ExtractPage(bodyMarkup);
    while (!waitingPages_.empty() && !closed_) {
        const std::string page = std::move(waitingPages_.front());
        waitingPages_.pop_front();
        ExtractPage(page);
    }
}

void BrowseWindow::ExtractPage(const std::string& bodyMarkup) {
    extracting_ = true;
    ExtractionHooks hooks;
    hooks.afterEachLine = [this] { services_.pump().processPendingEvents(); };
    hooks.showStatus = [this](std::string_view text) { StatusBar1.setPanelText(2, std::string(text)); };
    hooks.followFrame = [this](std::string_view address) { WebBrowser2.Navigate(address); };
    ExtractPageNames(bodyMarkup, main_.state().ServerTable, Found, sites_.filters, hooks);
    extracting_ = false;
    if (!closed_) FinishPage();
}

void BrowseWindow::FinishPage() {
    AppendToFile(SearchList(), Found.PageNames + std::string(kCrLf));
    Found.PageNames.clear();
    StatusBar1.setPanelText(
        2, Found.BrowsePageCount < 1 ? "No Domains Found" : std::string(kDomainsFoundStatus));
    CheckStep();
}

// --- lists -------------------------------------------------------------------

ListBox& BrowseWindow::ResultList(int index) {
    return index == 1 ? List1 : List2;
}
Label& BrowseWindow::ResultCaption(int index) {
    return index == 1 ? Label1 : Label2;
}

void BrowseWindow::cmdClear_Click(int index) {
    if (index == 1) {
        List1.clear();
        // Names found before may be found and checked again.
        Found.PageNames.clear();
        Found.SessionNames.clear();
        main_.state().LowCount = 0;
        Label1.setCaption("Unregistered");
    } else if (index == 2) {
        List2.clear();
        main_.state().RegisteredCount = 0;
        Label2.setCaption("Registered");
    }
}

void BrowseWindow::cmdClear2_Click(int index) {
    if (index != 1 && index != 2) return;
    ListBox& list = ResultList(index);
    if (list.listIndex() >= 0 && list.listIndex() < list.listCount()) list.removeItem(list.listIndex());
    ShowListCount(index);
}

void BrowseWindow::ShowListCount(int index) {
    const std::string caption = index == 1 ? "Unregistered (" : "Registered (";
    ResultCaption(index).setCaption(caption + std::to_string(ResultList(index).listCount()) + ")");
}

void BrowseWindow::cmdCopy_Click(int index) {
    if (index != 1 && index != 2) return;
    services_.clipboard().clear();
    services_.clipboard().setText(results::CopyText(ResultList(index)));
}

void BrowseWindow::List_KeyDown(int list, int keyCode, int shift) {
    if (keyCode != kKeyDelete) return;
    if (shift & kShiftMask) {
        cmdClear_Click(list);
    } else if (shift == 0) {
        cmdClear2_Click(list);
    }
}

void BrowseWindow::List_DblClick(int list) {
    if (list != 1 && list != 2) return;
    const ListBox& box = ResultList(list);
    if (box.listIndex() < 0 || box.listIndex() >= box.listCount()) return;
    main_.OpenListedName(box.list(box.listIndex()));
}

}  // namespace quillmark::harvest
