#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/qt/WindowSlot.h"
#include "shell/frmWebsite.h"
#include "shell/ui/website/frmWebsiteView.h"

namespace quillmark {

// Opens the website window for the main window: one window at a time,
// loaded when first shown and dropped when closed.
class WebsiteWindow {
public:
    // The hooks are the program's (skin, end); keeping on top is the view's own.
    WebsiteWindow(const shell::StartupConstants& constants, std::string& WebsiteMode, bool& MainClosed,
                  shell::WebsiteHooks hooks = {});
    WebsiteWindow(const WebsiteWindow&) = delete;
    WebsiteWindow& operator=(const WebsiteWindow&) = delete;
    ~WebsiteWindow();

    // Loads and shows the window, or brings the open one to the front; then
    // goes to the address when one is given.
    void show(std::optional<std::string> navigateTo = std::nullopt);
    bool isVisible() const;
    // The open window, or null.
    frmWebsiteView* view() const { return view_.get(); }

private:
    const shell::StartupConstants& constants_;
    std::string& websiteMode_;
    bool& mainClosed_;
    shell::WebsiteHooks hooks_;
    qt::WindowSlot<frmWebsiteView> view_;
};

}  // namespace quillmark
