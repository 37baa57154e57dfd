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

using testing::FakeBrowser;
using Steps = std::vector<std::string>;

TEST(AddressWithScheme, AddsHttpOnlyWhereNoSchemeIsGiven) {
    const std::pair<std::string, std::string> cases[] = {
        {"www.quillmark.example", "http://www.quillmark.example"},
        {"  127.0.0.1:8080/two \r\n", "http://127.0.0.1:8080/two"},
        {"localhost:8080", "http://localhost:8080"},
        {"www.quillmark.example:8080/x?y=1", "http://www.quillmark.example:8080/x?y=1"},
        {"HTTPS://www.quillmark.example/a b", "HTTPS://www.quillmark.example/a b"},
        {"about:blank", "about:blank"},
        {"mailto:someone@quillmark.example", "mailto:someone@quillmark.example"},
        {" \t ", ""},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(AddressWithScheme(typed), expected) << typed;
}

class WebsiteOpener : public ::testing::Test {
protected:
    WebsiteOpener() {
        constants.WebAddress = "www.quillmark.example";
        constants.ProductDetailsAddress = "https://www.quillmark.example/details.html";
        browser.onCall = [this](const std::string& call) { note(call); };
    }

    // Each step with what the window showed at that moment.
    void note(const std::string& step) {
        steps.push_back(step + " | panels " + std::to_string(form.statusBar.panelCount()) + " | " +
                        form.window.caption() + " | mode " + (WebsiteMode ? "Website" : "") +
                        (form.window.windowState() == Window::State::Maximized ? " | max" : ""));
    }

    ProductIdentity constants = ThisProduct();
    bool WebsiteMode = false;
    bool MainClosed = false;
    FakeBrowser browser;
    Steps steps;
    WebsiteWindow form{
        browser, constants, WebsiteMode, MainClosed,
        WebsiteHooks{[this](bool on) { note(on ? "onTop" : "notOnTop"); }, [this] { note("end"); }}};
};

TEST_F(WebsiteOpener, LoadOpensTheProductDetailsOnceThenTheWebAddress) {
    EXPECT_EQ(form.statusBar.panelCount(), 1);
    form.Load();
    EXPECT_EQ(
        steps,
        (Steps{
            "onTop | panels 2 | www.quillmark.example | mode ",
            "Navigate https://www.quillmark.example/details.html | panels 2 | www.quillmark.example | mode ",
            "notOnTop | panels 2 | www.quillmark.example | mode Website | max",
        }));

    // The next opening starts on the web address.
    WebsiteWindow again{browser, constants, WebsiteMode, MainClosed, {}};
    again.Load();
    EXPECT_EQ(browser.navigations.back(), "http://www.quillmark.example");
    EXPECT_TRUE(WebsiteMode);
}

TEST_F(WebsiteOpener, ButtonsAndEnterDriveTheBrowser) {
    form.addressBox.setText("127.0.0.1:8080/two");
    form.Go();
    form.addressBox.setText("https://www.quillmark.example/");
    form.AddressKeyPress('a');
    form.AddressKeyPress(key::kEnter);
    form.addressBox.setText("   ");
    form.Go();
    form.Back();
    form.Forward();
    form.StopLoading();
    form.Refresh();
    EXPECT_EQ(browser.navigations, (Steps{"http://127.0.0.1:8080/two", "https://www.quillmark.example/"}));
    EXPECT_EQ(std::vector(browser.calls.end() - 4, browser.calls.end()),
              (Steps{"GoBack", "GoForward", "Stop", "Refresh"}));
}

TEST_F(WebsiteOpener, BrowserEventsShowInTheWindow) {
    form.Load();
    browser.raiseStatusTextChange("http://127.0.0.1/hover");
    EXPECT_EQ(form.statusBar.panelText(1), "http://127.0.0.1/hover");
    EXPECT_EQ(form.statusBar.panelText(2), "");

    browser.locationURL = "http://127.0.0.1:8080/";
    browser.locationName = "First page";
    browser.raiseDownloadBegin();
    browser.raiseDocumentComplete("<p>body</p>");
    browser.raiseTitleChange("First page");
    EXPECT_EQ(form.addressBox.text(), "");
    EXPECT_EQ(form.window.caption(), "www.quillmark.example");
    browser.raiseDownloadComplete();
    EXPECT_EQ(form.addressBox.text(), "http://127.0.0.1:8080/");
    EXPECT_EQ(form.window.caption(), "First page");
}

TEST_F(WebsiteOpener, UnloadEndsTheProgramOnlyWhenTheMainWindowHasClosed) {
    for (const bool closed : {false, true}) {
        MainClosed = closed;
        form.Unload();
    }
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0].starts_with("end |"));
}

}  // namespace
}  // namespace quillmark::program
