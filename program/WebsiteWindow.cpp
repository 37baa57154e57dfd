#include "program/WebsiteWindow.h"

#include "platform/Hook.h"
#include "platform/Keys.h"
#include "platform/WebAddress.h"

namespace quillmark::program {

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
