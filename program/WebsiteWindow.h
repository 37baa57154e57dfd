#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/StatusBar.h"
#include "program/ProductIdentity.h"

namespace quillmark::program {

// What the website window asks of the windows around it. Each hook may be
// left empty; the window then does without that step.
struct WebsiteHooks {
    std::function<void(bool on)> setOnTop;
    std::function<void()> endProgram;
};

// The built-in website window: a small browser with an address box, the
// usual navigation buttons and a status bar. Draws nothing; a view shows it.
class WebsiteWindow {
public:
    // WebsiteMode and MainClosed are the program's: this window reads and
    // sets the first (on: open on the web address, not the product details)
    // and reads the second.
    WebsiteWindow(Browser& browser, const ProductIdentity& constants, bool& WebsiteMode, bool& MainClosed,
                  WebsiteHooks hooks = {});
    WebsiteWindow(const WebsiteWindow&) = delete;
    WebsiteWindow& operator=(const WebsiteWindow&) = delete;

    void Load();
    void Unload();

    void Go();
    void AddressKeyPress(int keyAscii);
    void Back();
    void Forward();
    void StopLoading();
    void Refresh();

    void PageStatusChanged(const std::string& text);
    void PageDownloadComplete();

    // Controls.
    Window window;
    Frame browserFrame{"Browser"};
    Label addressLabel{"URL:"};
    TextBox addressBox;
    Button goButton{"Go"};
    Button backButton{"Back"};
    Button forwardButton{"Forward"};
    Button stopButton{"Stop"};
    Button refreshButton{"Refresh"};
    StatusBar statusBar{1};
    // The page area; callers may navigate it to an address of their own.
    Browser& page;

private:
    void GoToTypedAddress();

    const ProductIdentity& constants_;
    bool& websiteMode_;
    bool& mainClosed_;
    WebsiteHooks hooks_;
};

}  // namespace quillmark::program
