#pragma once

#include <functional>
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
    void Navigate(std::string_view address) override {
        navigations.emplace_back(address);
        record("Navigate " + std::string(address));
    }
    void GoBack() override { record("GoBack"); }
    void GoForward() override { record("GoForward"); }
    void GoHome() override { record("GoHome"); }
    void Refresh() override { record("Refresh"); }
    void Stop() override { record("Stop"); }
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
    void raiseTitleChange(const std::string& title) { raise(events_.titleChange, title); }

    std::vector<std::string> calls, navigations;
    // Hears every call as it is made, to interleave with other records.
    std::function<void(const std::string& call)> onCall;
    std::string markup, locationURL, locationName;

private:
    void record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall) onCall(calls.back());
    }
    Events events_;
};

}  // namespace quillmark::testing
