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
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/StatusBar.h"

namespace quillmark::harvest {

// The browse window "Browse for Domains": a small web browser that finds the
// names on every page and frame the user visits and checks each new one, one
// at a time, over its own connection. Judged names go into its two lists and
// the main window's. Draws nothing; a view shows it.
class BrowseWindow {
public:
    static constexpr int kEnterKey = 13;
    static constexpr int kKeyDelete = 46;
    static constexpr int kShiftMask = 1;
    static constexpr int kTickMs = 1000;
    static constexpr int kGiveUpTicks = 5;
    static constexpr std::size_t kReplyLimit = 1024 * 1024;

    BrowseWindow(Services& services, MainWindow& main, Browser& WebBrowser1, Browser& WebBrowser2,
          const SearchSites& sites);
    ~BrowseWindow();
    BrowseWindow(const BrowseWindow&) = delete;
    BrowseWindow& operator=(const BrowseWindow&) = delete;

    void Form_Load();
    void Form_Unload();

    // Navigation.
    void cmdBack_Click();
    void cmdFwd_Click();
    void cmdHome_Click();
    void cmdRefresh_Click();
    void cmdStop_Click();
    void Command1_Click();
    void text1_KeyPress(int keyAscii);
    void text1_Click();
    void Command2_Click(int index);

    // Browser events.
    void WebBrowser1_StatusTextChange(const std::string& text);
    void WebBrowser1_DownloadBegin();
    void WebBrowser1_TitleChange(const std::string& title);
    void WebBrowser1_DocumentComplete(const std::string& bodyMarkup);
    void WebBrowser2_DocumentComplete(const std::string& bodyMarkup);

    // Checks.
    void CheckStep();
    // The n-th (0-based) name of BrowserSearch.txt, or the end-of-list marker.
    std::string ReadBrowseName(std::int32_t n);
    void StartCheck(const std::string& name);
    void Winsock1_Connect();
    void Winsock1_DataArrival();
    void Winsock1_Close();
    void timTimeout_Timer();
    void Timer1_Timer();

    // The two lists: 1 "Unregistered", 2 "Registered".
    void cmdClear_Click(int index);
    void cmdClear2_Click(int index);
    void cmdCopy_Click(int index);
    void List_KeyDown(int list, int keyCode, int shift);
    void List_DblClick(int list);

    // Controls.
    Window Me{"Browse for Domains"};
    ComboBox text1;
    Button Command1{"Go"};
    Button cmdBack{"Back"}, cmdFwd{"Forward"}, cmdHome{"Home"}, cmdRefresh{"Refresh"}, cmdStop{"Stop"};
    std::array<Button, 7> Command2;
    ListBox List1, List2;
    Label Label1{"Unregistered"}, Label2{"Registered"};
    std::array<Button, 3> cmdClear, cmdClear2, cmdCopy;  // element 0 unused
    StatusBar StatusBar1{1};
    Browser& WebBrowser1;
    Browser& WebBrowser2;
    std::unique_ptr<TcpClient> Winsock1;
    std::unique_ptr<Timer> timTimeout;
    std::unique_ptr<Timer> Timer1;

    // Window state.
    BrowseNames Found;
    std::int32_t CheckCursor = 0;
    std::string CheckName;
    std::string CheckHost;
    std::string CheckReply;
    std::int16_t CheckTicks = 0;
    // A check is waiting for its reply; ticks and later pages leave it alone.
    bool Checking = false;

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
    void ShowListCount(int index);
    ListBox& ResultList(int index);
    Label& ResultCaption(int index);
    std::filesystem::path SearchList() const;

    Services& services_;
    MainWindow& main_;
    const SearchSites& sites_;
    NameListReader reader_;
    // Pages that completed while another was being read wait for their turn.
    std::deque<std::string> waitingPages_;
    bool extracting_ = false;
    bool closed_ = false;
};

}  // namespace quillmark::harvest
