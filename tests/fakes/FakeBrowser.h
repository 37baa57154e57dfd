#pragma once

#include <string>
#include <vector>

#include "FakeServices.h"
#include "platform/Browser.h"

namespace quillmark::testing {

// A browser that loads nothing: it records every call in order ("Navigate
// <address>", "GoBack", ...), and the test raises its events and sets what it reports.
class FakeBrowser : public Browser {
public:
    void setEvents(Events events) override { events_ = std::move(events); }
    void Navigate(std::string_view address) override { calls.push_back("Navigate " + std::string(address)); }
    void GoBack() override { calls.emplace_back("GoBack"); }
    void GoForward() override { calls.emplace_back("GoForward"); }
    void GoHome() override { calls.emplace_back("GoHome"); }
    void Refresh() override { calls.emplace_back("Refresh"); }
    void Stop() override { calls.emplace_back("Stop"); }
    std::string bodyMarkup() const override { return markup; }
    std::string LocationURL() const override { return locationURL; }
    std::string LocationName() const override { return locationName; }

    // Raising an event nobody listens to does nothing.
    void raiseDocumentComplete(std::string bodyMarkup) {
        raise(events_.documentComplete, markup = bodyMarkup);
    }
    void raiseStatusTextChange(const std::string& text) { raise(events_.statusTextChange, text); }
    void raiseDownloadBegin() { raise(events_.downloadBegin); }
    void raiseDownloadComplete() { raise(events_.downloadComplete); }
    void raisePageLoaded(bool ok) { raise(events_.pageLoaded, ok); }
    void raiseTitleChange(const std::string& title) { raise(events_.titleChange, title); }

    std::vector<std::string> calls;  // tests may add their own records between the calls
    std::string markup, locationURL, locationName;

private:
    Events events_;
};

}  // namespace quillmark::testing
