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
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"www.q.example", "http://www.q.example"}, {"  127.0.0.1:8080/two \r\n", "http://127.0.0.1:8080/two"},
        {"localhost:8080", "http://localhost:8080"},
        {"www.q.example:80/x?y=1", "http://www.q.example:80/x?y=1"},
        {"HTTPS://q.example/a b", "HTTPS://q.example/a b"}, {"about:blank", "about:blank"},
        {"mailto:someone@q.example", "mailto:someone@q.example"}, {" \t ", ""}};
    // clang-format on
    for (const auto& [typed, expected] : cases) EXPECT_EQ(AddressWithScheme(typed), expected) << typed;
}

class WebsiteOpener : public ::testing::Test {
protected:
    WebsiteOpener() {
        constants.WebAddress = "www.q.example";
        constants.ProductDetailsAddress = "https://www.q.example/d.html";
        browser.onCall = [this](const std::string& call) { note(call); };
    }
    // Each step with what the window showed at that moment.
    void note(const std::string& step) {
        steps.push_back(step + " | panels " + std::to_string(form.statusBar.panelCount()) + " | " +
                        form.window.caption() + " | mode " + (WebsiteMode ? "Website" : "") +
                        (form.window.windowState() == Window::State::Maximized ? " | max" : ""));
    }

    ProductIdentity constants = ThisProduct();
    bool WebsiteMode = false, MainClosed = false;
    testing::FakeBrowser browser;
    Steps steps;
    WebsiteWindow form{
        browser, constants, WebsiteMode, MainClosed,
        WebsiteHooks{[this](bool on) { note(on ? "onTop" : "notOnTop"); }, [this] { note("end"); }}};
};

// Loading opens the product details on top, then lets the window drop behind
// maximized; unloading ends the program only once the main window has closed.
TEST_F(WebsiteOpener, LoadsTheDetailsAndBrowserEventsButtonsAndEnterDriveTheWindow) {
    EXPECT_EQ(form.statusBar.panelCount(), 1);
    form.Load();
    EXPECT_EQ(steps, (Steps{"onTop | panels 2 | www.q.example | mode ",
                            "Navigate https://www.q.example/d.html | panels 2 | www.q.example | mode ",
                            "notOnTop | panels 2 | www.q.example | mode Website | max"}));
    browser.raiseStatusTextChange("http://127.0.0.1/hover");
    EXPECT_EQ(form.statusBar.panelText(1) + "|" + form.statusBar.panelText(2), "http://127.0.0.1/hover|");
    browser.locationURL = "http://127.0.0.1:8080/";
    browser.locationName = "First page";
    browser.raiseDownloadBegin();
    browser.raiseDocumentComplete("<p>body</p>");
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
    steps.clear();
    for (const bool closed : {false, true}) {
        MainClosed = closed;
        form.Unload();
    }
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0].starts_with("end |"));
}

}  // namespace
}  // namespace quillmark::program
