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
    raise(events_.documentComplete, markup);
}

}  // namespace quillmark::testing
