#include "WebsiteWindow.h"

#include <algorithm>

#include "platform/Hook.h"
#include "platform/Keys.h"

namespace quillmark::program {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isSchemeChar(char c) {
    return isLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// "name:" at the front is a scheme unless it is a host with a port
// ("localhost:8080", "www.quillmark.example:8080/x").
bool hasScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isLetter(text.front())) return false;
    const std::string_view scheme = text.substr(0, colon);
    if (!std::all_of(scheme.begin(), scheme.end(), isSchemeChar)) return false;
    const std::string_view rest = text.substr(colon + 1);
    if (rest.starts_with("//")) return true;
    const std::string_view port = rest.substr(0, rest.find_first_of("/?#"));
    const bool isPort = !port.empty() && std::all_of(port.begin(), port.end(), isDigit);
    return !isPort && scheme.find('.') == std::string_view::npos;
}

}  // namespace

std::string AddressWithScheme(std::string_view text) {
    const std::string_view address = trimmed(text);
    if (address.empty()) return {};
    if (hasScheme(address)) return std::string(address);
    return "http://" + std::string(address);
}

WebsiteWindow::WebsiteWindow(Browser& browser, const ProductIdentity& constants, bool& WebsiteMode,
                             bool& MainClosed, WebsiteHooks hooks)
    : page(browser),
      constants_(constants),
      websiteMode_(WebsiteMode),
      mainClosed_(MainClosed),
      hooks_(std::move(hooks)) {
    goButton.setToolTip("browse the entered url");
    backButton.setToolTip("back");
    forwardButton.setToolTip("forward");
    stopButton.setToolTip("stop");
    refreshButton.setToolTip("refresh");
    // Progress, download begin and document complete mean nothing here.
    Browser::Events events;
    events.statusTextChange = [this](const std::string& text) { PageStatusChanged(text); };
    events.downloadComplete = [this] { PageDownloadComplete(); };
    page.setEvents(std::move(events));
}

void WebsiteWindow::Load() {
    statusBar.addPanel();
    window.setCaption(constants_.WebAddress);
    call(hooks_.setOnTop, true);
    const std::string& first = websiteMode_ ? constants_.WebAddress : constants_.ProductDetailsAddress;
    page.Navigate(AddressWithScheme(first));
    // Every later opening starts on the web address.
    websiteMode_ = true;
    window.setWindowState(Window::State::Maximized);
    call(hooks_.setOnTop, false);
}

void WebsiteWindow::Unload() {
    // The main window closed while this one was open: the program ends with this window.
    if (!mainClosed_) return;
    call(hooks_.endProgram);
}

void WebsiteWindow::Go() {
    GoToTypedAddress();
}

void WebsiteWindow::AddressKeyPress(int keyAscii) {
    if (keyAscii == key::kEnter) GoToTypedAddress();
}

void WebsiteWindow::GoToTypedAddress() {
    const std::string address = AddressWithScheme(addressBox.text());
    if (!address.empty()) page.Navigate(address);
}

// Each of these does nothing when there is nothing to do.
void WebsiteWindow::Back() {
    page.GoBack();
}
void WebsiteWindow::Forward() {
    page.GoForward();
}
void WebsiteWindow::StopLoading() {
    page.Stop();
}
void WebsiteWindow::Refresh() {
    page.Refresh();
}

void WebsiteWindow::PageStatusChanged(const std::string& text) {
    statusBar.setPanelText(1, text);
}

void WebsiteWindow::PageDownloadComplete() {
    addressBox.setText(page.LocationURL());
    window.setCaption(page.LocationName());
}

}  // namespace quillmark::program
