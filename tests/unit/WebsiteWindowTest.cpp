#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeBrowser.h"
#include "platform/Keys.h"
#include "platform/WebAddress.h"
#include "program/WebsiteWindow.h"

namespace quillmark::program {
namespace {

using Steps = std::vector<std::string>;

TEST(AddressWithScheme, AddsHttpOnlyWhereNoSchemeIsGiven) {
    const std::pair<std::string, std::string> cases[] = {
        {"  127.0.0.1:8080/two \r\n", "http://127.0.0.1:8080/two"},
        {"localhost:8080", "http://localhost:8080"},
        {"HTTPS://q.example/a b", "HTTPS://q.example/a b"},
        {"about:blank", "about:blank"},
        {" \t ", ""}};
    for (const auto& [typed, expected] : cases) EXPECT_EQ(AddressWithScheme(typed), expected) << typed;
}

// Loading opens the product details on top, then lets the window drop behind
// maximized; unloading ends the program only once the main window has closed.
TEST(WebsiteWindowTest, LoadsTheDetailsAndBrowserEventsButtonsAndEnterDriveTheWindow) {
    ProductIdentity constants = ThisProduct();
    constants.WebAddress = "www.q.example";
    constants.ProductDetailsAddress = "https://www.q.example/d.html";
    bool WebsiteMode = false, MainClosed = false;
    testing::FakeBrowser browser;
    const WebsiteWindow* shown = nullptr;
    // Each step among the browser's calls, with what the window showed at that moment.
    const auto note = [&](const std::string& step) {
        browser.calls.push_back(step + " | " + shown->window.caption() + " | mode " +
                                (WebsiteMode ? "Website" : "") +
                                (shown->window.windowState() == Window::State::Maximized ? " | max" : ""));
    };
    WebsiteWindow form{browser, constants, WebsiteMode, MainClosed,
                       WebsiteHooks{[&](bool on) { note(on ? "onTop" : "notOnTop"); }, [&] { note("end"); }}};
    shown = &form;
    form.Load();
    EXPECT_EQ(browser.calls, (Steps{"onTop | www.q.example | mode ", "Navigate https://www.q.example/d.html",
                                    "notOnTop | www.q.example | mode Website | max"}));
    browser.locationURL = "http://127.0.0.1:8080/";
    browser.locationName = "First page";
    browser.raiseDownloadBegin();
    browser.raiseTitleChange("First page");
    EXPECT_EQ(form.addressBox.text() + "|" + form.window.caption(), "|www.q.example");
    browser.raiseDownloadComplete();
    EXPECT_EQ(form.addressBox.text() + "|" + form.window.caption(), "http://127.0.0.1:8080/|First page");

    browser.calls.clear();
    form.addressBox.setText("127.0.0.1:8080/two");
    form.Go();
    form.addressBox.setText("https://www.q.example/");
    form.AddressKeyPress('a');
    form.AddressKeyPress(key::kEnter);
    form.addressBox.setText("   ");
    form.Go();
    for (const auto button : {&WebsiteWindow::Back, &WebsiteWindow::Forward, &WebsiteWindow::StopLoading,
                              &WebsiteWindow::Refresh})
        (form.*button)();
    EXPECT_EQ(browser.calls, (Steps{"Navigate http://127.0.0.1:8080/two", "Navigate https://www.q.example/",
                                    "GoBack", "GoForward", "Stop", "Refresh"}));
    browser.calls.clear();
    for (const bool closed : {false, true}) {
        MainClosed = closed;
        form.Unload();
    }
    EXPECT_EQ(browser.calls, Steps{"end | First page | mode Website | max"});
}

}  // namespace
}  // namespace quillmark::program
