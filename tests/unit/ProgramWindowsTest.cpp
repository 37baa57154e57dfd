#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/AboutBox.h"
#include "program/HelpFile.h"
#include "program/Splash.h"
#include "support/MainWindowFixture.h"

namespace quillmark::program {
namespace {

using testing::FakeServices;

TEST(Splash, OpensTheMainWindowAfterItsSeventyFifthTickThenStepsAside) {
    FakeServices services;
    const ProductIdentity constants = ThisProduct();
    bool mainClosed = true;
    std::vector<std::string> steps;
    Splash splash(services, constants, mainClosed,
                  {[&] { steps.push_back("main"); }, [&] { steps.push_back("hide"); }});
    splash.Load();
    EXPECT_FALSE(mainClosed);
    EXPECT_EQ(constants.ProductName, "Quillmark");
    EXPECT_EQ(splash.productLabel.caption(), "Quillmark");
    services.clockFake.advance(74 * Splash::kTickMs);
    EXPECT_TRUE(steps.empty());
    services.clockFake.advance(Splash::kTickMs);
    EXPECT_EQ(steps, (std::vector<std::string>{"main", "hide"}));
    services.clockFake.advance(100 * Splash::kTickMs);  // the timer is off: the main window opens once
    EXPECT_EQ(steps.size(), 2u);
}

TEST(About, ShowsProductVersionPublisherAndAddress) {
    ProductIdentity constants = ThisProduct();
    constants.VersionMajor = 3;
    constants.VersionMinor = 0;
    AboutBox about(constants);
    about.Load();
    EXPECT_EQ(about.window.caption(), "About Quillmark");
    EXPECT_EQ(about.productLabel.caption(), "Quillmark");
    EXPECT_EQ(about.version.caption(), "3.0");
    EXPECT_EQ(about.publisher.caption(), constants.PublisherName);
    EXPECT_EQ(about.website.caption(), constants.WebAddress);
}

class Help : public testing::MainWindowFixture {
protected:
    Help() {
        hooks.showFirstRunHelp = [this] { OpenHelp(services, state.programFolder); };
        hooks.showHelp = hooks.showFirstRunHelp;
    }
};

TEST_F(Help, OpensAtTheFirstStartOnlyAndFromTheMenuAlways) {
    folder.write("Help.html", "<html></html>");
    load();
    const std::string help = (folder / "Help.html").string();
    EXPECT_EQ(services.shellFake.opened, std::vector<std::string>{help});
    EXPECT_EQ(setting("Quillmark", "showHelp"), "0");
    form->Unload();
    load();  // the next start
    EXPECT_EQ(services.shellFake.opened.size(), 1u);
    form->HelpMenu(0);
    EXPECT_EQ(services.shellFake.opened, (std::vector<std::string>{help, help}));
}

TEST_F(Help, AMissingFileOpensNothingAndIsOfferedAgain) {
    load();
    std::filesystem::remove(folder / "Help.html");
    EXPECT_FALSE(OpenHelp(services, state.programFolder));
    EXPECT_TRUE(services.shellFake.opened.empty());
    EXPECT_NE(setting("Quillmark", "showHelp"), "0");
}

}  // namespace
}  // namespace quillmark::program
