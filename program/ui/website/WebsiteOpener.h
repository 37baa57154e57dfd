#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/qt/WindowSlot.h"
#include "program/WebsiteWindow.h"
#include "program/ui/website/WebsiteWindowView.h"

namespace quillmark {

// Opens the website window for the main window: one window at a time,
// loaded when first shown and dropped when closed.
class WebsiteOpener {
public:
    // The hooks are the program's (end); keeping on top is the view's own.
    WebsiteOpener(const program::ProductIdentity& constants, bool& WebsiteMode, bool& MainClosed,
                  program::WebsiteHooks hooks = {});
    WebsiteOpener(const WebsiteOpener&) = delete;
    WebsiteOpener& operator=(const WebsiteOpener&) = delete;
    ~WebsiteOpener();

    // Loads and shows the window, or brings the open one to the front; then
    // goes to the address when one is given.
    void show(std::optional<std::string> navigateTo = std::nullopt);
    bool isVisible() const;
    // The open window, or null.
    WebsiteWindowView* view() const { return view_.get(); }

private:
    const program::ProductIdentity& constants_;
    bool& websiteMode_;
    bool& mainClosed_;
    program::WebsiteHooks hooks_;
    qt::WindowSlot<WebsiteWindowView> view_;
};

}  // namespace quillmark
