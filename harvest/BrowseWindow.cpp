// The browse window: navigation, pages and its two lists.
#include "harvest/BrowseWindow.h"
#include "platform/WebAddress.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"
#include "program/WebsiteWindow.h"
#include "results/ListActions.h"

namespace quillmark::harvest {

namespace {

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

BrowseWindow::BrowseWindow(Services& services, MainWindow& main, Browser& browser1, Browser& browser2,
                           const SearchSites& sites)
    : page(browser1),
      framePage(browser2),
      exchange(services.makeTcpClient()),
      checkTimer(services.makeTimer()),
      stepTimer(services.makeTimer()),
      services_(services),
      main_(main),
      sites_(sites) {
    SetUpControls();
    WireEvents();
}

BrowseWindow::~BrowseWindow() {
    page.setEvents({});
    framePage.setEvents({});
    exchange.connection().setEvents({});
    exchange.Close();
}

void BrowseWindow::SetUpControls() {
    goButton.setToolTip("Navigate to the current url!");
    backButton.setToolTip("Go Back");
    forwardButton.setToolTip("Go Forward");
    homeButton.setToolTip("Home");
    refreshButton.setToolTip("Refresh");
    stopButton.setToolTip("Stop");
    for (std::size_t i = 0; i < siteButtons.size(); ++i)
        siteButtons[i].setCaption(sites_.siteButtons[i].caption);
    unregisteredList.setToolTip("These domain names have not been registered.");
    for (results::ListButtons& buttons : listButtons) {
        buttons.clear.setCaption("Clear");
        buttons.clear.setToolTip("Clear List");
        buttons.deleteSelected.setCaption("Delete");
        buttons.deleteSelected.setToolTip("Delete Selected Item");
        buttons.copy.setCaption("Copy");
        buttons.copy.setToolTip("Copy List");
    }
    checkTimer->setInterval(kTickMs);
    checkTimer->setEnabled(false);
    stepTimer->setInterval(kTickMs);
}

void BrowseWindow::WireEvents() {
    Browser::Events first;
    first.statusTextChange = [this](const std::string& text) { PageStatusChanged(text); };
    first.downloadBegin = [this] { PageDownloadBegan(); };
    first.titleChange = [this](const std::string& title) { PageTitleChanged(title); };
    first.pageLoaded = [this](bool ok) { PageLoaded(ok); };
    first.documentComplete = [this](const std::string& markup) { PageDocumentComplete(markup); };
    page.setEvents(std::move(first));
    Browser::Events second;
    second.documentComplete = [this](const std::string& markup) { FrameDocumentComplete(markup); };
    second.downloadBegin = [this] { frameFailed_ = false; };
    second.pageLoaded = [this](bool ok) { FrameLoaded(ok); };
    framePage.setEvents(std::move(second));
    exchange.connection().setEvents({[this] { CheckConnected(); },
                                     [this](std::int32_t) { CheckDataArrived(); }, [this] { CheckClosed(); },
                                     [this] { GiveUpCheck(); }});
    checkTimer->setOnTick([this] { CheckTimerTick(); });
    stepTimer->setOnTick([this] { StepTimerTick(); });
}

std::filesystem::path BrowseWindow::SearchList() const {
    return main_.state().programFolder.file(files::kBrowserSearch);
}

void BrowseWindow::Load() {
    found = {};
    checkCursor = 0;
    checkTicks = 0;
    checking = false;
    closed_ = false;
    pageFailed_ = frameFailed_ = false;
    while (statusBar.panelCount() < 3) statusBar.addPanel();
    RemoveQuietly(SearchList());
    reader_.setFile(SearchList());
    stepTimer->setEnabled(true);
    Navigate(sites_.browseStartPage);
}

void BrowseWindow::Unload() {
    closed_ = true;
    waitingPages_.clear();
    stepTimer->setEnabled(false);
    checkTimer->setEnabled(false);
    checking = false;
    exchange.Close();
    RemoveQuietly(SearchList());
}

// --- navigation --------------------------------------------------------------

void BrowseWindow::Navigate(const std::string& address) {
    const std::string full = AddressWithScheme(address);
    if (!full.empty()) page.Navigate(full);
}

void BrowseWindow::Back() {
    page.GoBack();
}
void BrowseWindow::Forward() {
    page.GoForward();
}
void BrowseWindow::Home() {
    page.GoHome();
}
void BrowseWindow::Refresh() {
    page.Refresh();
}
void BrowseWindow::StopLoading() {
    page.Stop();
}

void BrowseWindow::Go() {
    const std::string address = addressBox.text();
    const auto& typed = addressBox.items();
    if (std::find(typed.begin(), typed.end(), address) == typed.end()) addressBox.addItem(address);
    Navigate(address);
}

void BrowseWindow::AddressKeyPress(int keyAscii) {
    if (keyAscii == key::kEnter) Go();
}

void BrowseWindow::AddressChosen() {
    if (addressBox.listIndex() >= 0) Navigate(addressBox.text());
}

void BrowseWindow::OpenSite(int index) {
    if (index < 0 || index >= static_cast<int>(sites_.siteButtons.size())) return;
    Navigate(sites_.siteButtons[static_cast<std::size_t>(index)].address);
}

// --- pages -------------------------------------------------------------------

void BrowseWindow::PageStatusChanged(const std::string& text) {
    statusBar.setPanelText(3, text);
}

void BrowseWindow::PageDownloadBegan() {
    statusBar.setPanelText(2, "Waiting for page to load");
    found.BrowsePageCount = 0;
    pageFailed_ = false;
}

void BrowseWindow::PageLoaded(bool ok) {
    pageFailed_ = !ok;
    if (!ok) statusBar.setPanelText(2, "The page did not load");
}

void BrowseWindow::FrameLoaded(bool ok) {
    frameFailed_ = !ok;
}

void BrowseWindow::PageTitleChanged(const std::string& title) {
    addressBox.setText(page.LocationURL());
    window.setCaption(main_.state().identity.ProductName + " - " + title);
}

void BrowseWindow::PageDocumentComplete(const std::string& bodyMarkup) {
    if (!pageFailed_) PageComplete(bodyMarkup);
}

void BrowseWindow::FrameDocumentComplete(const std::string& bodyMarkup) {
    if (!frameFailed_) PageComplete(bodyMarkup);
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
    hooks.showStatus = [this](std::string_view text) { statusBar.setPanelText(2, std::string(text)); };
    hooks.followFrame = [this](std::string_view address) { framePage.Navigate(address); };
    ExtractPageNames(bodyMarkup, main_.state().serverTable, found, sites_.filters, hooks);
    extracting_ = false;
    if (!closed_) FinishPage();
}

void BrowseWindow::FinishPage() {
    AppendToFile(SearchList(), found.PageNames + std::string(text::kCrLf));
    found.PageNames.clear();
    statusBar.setPanelText(2,
                           found.BrowsePageCount < 1 ? "No Domains Found" : std::string(kDomainsFoundStatus));
    CheckStep();
}

// --- lists -------------------------------------------------------------------

namespace {

bool validList(BrowseList list) {
    return list == BrowseList::Unregistered || list == BrowseList::Registered;
}

// Shift+Delete clears the list, whatever else is held; Delete alone deletes the
// selected item.
results::DeleteKey deleteKey(int modifiers) {
    if (modifiers & key::kShiftMask) return results::DeleteKey::Clear;
    return modifiers == 0 ? results::DeleteKey::DeleteSelected : results::DeleteKey::Nothing;
}

}  // namespace

ListBox& BrowseWindow::ListOf(BrowseList list) {
    return list == BrowseList::Unregistered ? unregisteredList : registeredList;
}
Label& BrowseWindow::CaptionOf(BrowseList list) {
    return list == BrowseList::Unregistered ? unregisteredCaption : registeredCaption;
}
results::ListButtons& BrowseWindow::ButtonsOf(BrowseList list) {
    return listButtons.at(list == BrowseList::Unregistered ? 0 : 1);
}

void BrowseWindow::ClearList(BrowseList list) {
    if (list == BrowseList::Unregistered) {
        unregisteredList.clear();
        // Names found before may be found and checked again.
        found.PageNames.clear();
        found.SessionNames.clear();
    } else if (list == BrowseList::Registered) {
        registeredList.clear();
    }
    if (validList(list)) ShowListCount(list);
}

void BrowseWindow::DeleteSelected(BrowseList list) {
    if (!validList(list)) return;
    results::DeleteSelected(ListOf(list));
    ShowListCount(list);
}

void BrowseWindow::ShowListCount(BrowseList list) {
    const std::string caption = list == BrowseList::Unregistered ? "Unregistered (" : "Registered (";
    CaptionOf(list).setCaption(caption + std::to_string(ListOf(list).listCount()) + ")");
}

void BrowseWindow::CopyList(BrowseList list) {
    if (!validList(list)) return;
    results::CopyList(services_.clipboard(), ListOf(list));
}

void BrowseWindow::ListKeyDown(BrowseList list, int keyCode, int shift) {
    results::OnListKey(
        keyCode, shift, deleteKey, [&] { DeleteSelected(list); }, [&] { ClearList(list); });
}

void BrowseWindow::ListDoubleClicked(BrowseList list) {
    if (!validList(list)) return;
    const ListBox& box = ListOf(list);
    if (box.listIndex() < 0 || box.listIndex() >= box.listCount()) return;
    main_.OpenListedName(box.list(box.listIndex()));
}

}  // namespace quillmark::harvest
