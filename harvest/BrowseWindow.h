#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "engine/MainWindow.h"
#include "engine/NameListReader.h"
#include "harvest/PageExtraction.h"
#include "harvest/SearchSites.h"
#include "platform/Browser.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/StatusBar.h"
#include "results/ListActions.h"
#include "whois/WhoisExchange.h"

namespace quillmark::harvest {

// The browse window's two result lists.
enum class BrowseList { Unregistered = 1, Registered };

// The browse window "Browse for Domains": a small web browser that finds the
// names on every page and frame the user visits and checks each new one, one
// at a time, over its own connection. Judged names go into its two lists and
// the main window's. Draws nothing; a view shows it.
class BrowseWindow {
public:
    static constexpr int kTickMs = 1000;
    static constexpr int kGiveUpTicks = 5;

    BrowseWindow(Services& services, MainWindow& main, Browser& page, Browser& framePage,
                 const SearchSites& sites);
    ~BrowseWindow();
    BrowseWindow(const BrowseWindow&) = delete;
    BrowseWindow& operator=(const BrowseWindow&) = delete;

    void Load();
    void Unload();

    // Navigation.
    void Back();
    void Forward();
    void Home();
    void Refresh();
    void StopLoading();
    void Go();
    void AddressKeyPress(int keyAscii);
    void AddressChosen();
    void OpenSite(int index);

    // Browser events.
    void PageStatusChanged(const std::string& text);
    void PageDownloadBegan();
    void PageTitleChanged(const std::string& title);
    // The browser's error page in place of a page or frame gives no names.
    void PageLoaded(bool ok);
    void FrameLoaded(bool ok);
    void PageDocumentComplete(const std::string& bodyMarkup);
    void FrameDocumentComplete(const std::string& bodyMarkup);

    // Checks.
    void CheckStep();
    // The n-th (0-based) name of BrowserSearch.txt, or the end-of-list marker.
    std::string ReadBrowseName(std::int32_t n);
    void StartCheck(const std::string& name);
    void CheckConnected();
    void CheckDataArrived();
    void CheckClosed();
    void CheckTimerTick();
    void GiveUpCheck();
    void StepTimerTick();

    // The two lists and what the user does with them.
    void ClearList(BrowseList list);
    void DeleteSelected(BrowseList list);
    void CopyList(BrowseList list);
    void ListKeyDown(BrowseList list, int keyCode, int shift);
    void ListDoubleClicked(BrowseList list);
    // The list box, caption and buttons of a list.
    ListBox& ListOf(BrowseList list);
    Label& CaptionOf(BrowseList list);
    results::ListButtons& ButtonsOf(BrowseList list);

    // Controls.
    Window window{"Browse for Domains"};
    ComboBox addressBox;
    Button goButton{"Go"};
    Button backButton{"Back"}, forwardButton{"Forward"}, homeButton{"Home"}, refreshButton{"Refresh"},
        stopButton{"Stop"};
    std::array<Button, 7> siteButtons;
    ListBox unregisteredList, registeredList;
    Label unregisteredCaption{"Unregistered"}, registeredCaption{"Registered"};
    std::array<results::ListButtons, 2> listButtons;  // Unregistered, Registered
    StatusBar statusBar{1};
    Browser& page;
    Browser& framePage;
    whois::WhoisExchange exchange;
    std::unique_ptr<Timer> checkTimer;
    std::unique_ptr<Timer> stepTimer;

    // Window state.
    BrowseNames found;
    std::int32_t checkCursor = 0;
    std::int16_t checkTicks = 0;
    // A check is waiting for its reply; ticks and later pages leave it alone.
    bool checking = false;
    // Names this window has had judged, free or taken.
    std::int32_t checkedCount = 0;

private:
    void SetUpControls();
    void WireEvents();
    void Navigate(const std::string& address);
    void PageComplete(const std::string& bodyMarkup);
    void ExtractPage(const std::string& bodyMarkup);
    void FinishPage();
    bool BeginCheck(const std::string& name);
    void EndCheck();
    void Judge();
    void ShowListCount(BrowseList list);
    std::filesystem::path SearchList() const;

    Services& services_;
    MainWindow& main_;
    const SearchSites& sites_;
    NameListReader reader_;
    // Pages that completed while another was being read wait for their turn.
    std::deque<std::string> waitingPages_;
    bool extracting_ = false;
    bool closed_ = false;
    // The last load of each browser ended in the browser's error page.
    bool pageFailed_ = false;
    bool frameFailed_ = false;
};

}  // namespace quillmark::harvest
