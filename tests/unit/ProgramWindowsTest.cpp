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
using Steps = std::vector<std::string>;

TEST(Splash, OpensTheMainWindowAfterItsSeventyFifthTickThenStepsAside) {
    FakeServices services;
    bool mainClosed = true;
    Steps steps;
    const ProductIdentity product = ThisProduct();
    Splash splash(services, product, mainClosed,
                  {[&] { steps.push_back("main"); }, [&] { steps.push_back("hide"); }});
    splash.Load();
    EXPECT_FALSE(mainClosed);
    EXPECT_EQ(splash.productLabel.caption(), "Quillmark");
    // After 74 ticks, the 75th, and 100 more once the timer is off.
    for (const auto& [ticks, expected] : {std::pair{74, Steps{}}, std::pair{1, Steps{"main", "hide"}},
                                          std::pair{100, Steps{"main", "hide"}}}) {
        services.clockFake.advance(ticks * Splash::kTickMs);
        EXPECT_EQ(steps, expected) << ticks;
    }
}

TEST(About, ShowsProductVersionPublisherAndAddress) {
    ProductIdentity constants = ThisProduct();
    constants.VersionMajor = 3;
    constants.VersionMinor = 0;
    constants.PublisherName = "Publisher";
    constants.WebAddress = "www.quillmark.example";
    AboutBox about(constants);
    about.Load();
    EXPECT_EQ(about.window.caption() + "|" + about.productLabel.caption() + "|" + about.version.caption() +
                  "|" + about.publisher.caption() + "|" + about.website.caption(),
              "About Quillmark|Quillmark|3.0|Publisher|www.quillmark.example");
}

class Help : public testing::MainWindowFixture {
protected:
    Help() {
        hooks.showFirstRunHelp = [this] { OpenHelp(services, state.programFolder); };
        hooks.showHelp = hooks.showFirstRunHelp;
    }
};

// A missing file opens nothing and is offered again at the next start.
TEST_F(Help, OpensAtTheFirstStartWithAFileAndFromTheMenuAlways) {
    load();
    EXPECT_NE(setting("Quillmark", "showHelp"), "0");
    EXPECT_TRUE(services.shellFake.opened.empty());
    form->Unload();
    folder.write("Help.html", "<html></html>");
    load();
    const std::string help = (folder / "Help.html").string();
    EXPECT_EQ(services.shellFake.opened, Steps{help});
    EXPECT_EQ(setting("Quillmark", "showHelp"), "0");
    form->Unload();
    load();  // the next start
    form->HelpMenu(0);
    EXPECT_EQ(services.shellFake.opened, (Steps{help, help}));
}

}  // namespace
}  // namespace quillmark::program
