#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillmark {

// An embedded web browser as the windows see it. Navigation returns at once;
// events follow on the user-interface thread.
class Browser {
public:
    struct Events {
        // A document finished loading (once per frame and once for the page);
        // the body's inner markup of the top document comes with it.
        std::function<void(const std::string& bodyMarkup)> documentComplete;
        std::function<void(const std::string& text)> statusTextChange;
        std::function<void()> downloadBegin;
        std::function<void()> downloadComplete;
        std::function<void(const std::string& title)> titleChange;
        // The page's load ended: ok when the page is there, false when the
        // browser shows its own error page instead (no answer, not found).
        // Comes before that load's documentComplete.
        std::function<void(bool ok)> pageLoaded;
    };

    virtual ~Browser() = default;

    virtual void setEvents(Events events) = 0;
    virtual void Navigate(std::string_view address) = 0;
    // Each does nothing when there is nothing to do (no page to go back to).
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    // The body markup delivered with the last document-complete event.
    virtual std::string bodyMarkup() const = 0;
    virtual std::string LocationURL() const = 0;
    virtual std::string LocationName() const = 0;
};

}  // namespace quillmark
