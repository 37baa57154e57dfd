#include "FakeBrowser.h"

namespace quillmark::testing {

void FakeBrowser::record(std::string call) {
    calls.push_back(std::move(call));
    if (onCall) onCall(calls.back());
}

void FakeBrowser::Navigate(std::string_view address) {
    navigations.emplace_back(address);
    record("Navigate " + std::string(address));
}

void FakeBrowser::raiseDocumentComplete(std::string bodyMarkup) {
    markup = std::move(bodyMarkup);
    if (events_.documentComplete) events_.documentComplete(markup);
}

void FakeBrowser::raiseStatusTextChange(const std::string& text) {
    if (events_.statusTextChange) events_.statusTextChange(text);
}

void FakeBrowser::raiseDownloadBegin() {
    if (events_.downloadBegin) events_.downloadBegin();
}

void FakeBrowser::raiseDownloadComplete() {
    if (events_.downloadComplete) events_.downloadComplete();
}

void FakeBrowser::raiseTitleChange(const std::string& title) {
    if (events_.titleChange) events_.titleChange(title);
}

}  // namespace quillmark::testing
