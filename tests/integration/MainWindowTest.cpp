#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "fakes/FakeServices.h"
#include "generator/ui/NameGeneratorView.h"
#include "platform/qt/WindowSlot.h"
#include "support/LiveMainWindow.h"
#include "whois/ServerTable.h"
#include "whois/ui/ExtensionSettingsView.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

// A run started from the controls shows in the lists and labels; a double
// click buys the clicked name and the whois menu opens its record.
TEST(MainWindow, ARunStartedFromTheControlsShowsAndItsNamesCanBeBoughtAndLookedUp) {
    testing::LiveMainWindow live;
    WhoisOpener whois(nullptr, WhoisServer{"127.0.0.1", live.server.port()});
    live.hooks.openWhois = [&](const std::string& name) { whois.open(live.services, name); };
    std::vector<std::string> opened;
    live.hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(address.value()); };
    std::string names;
    for (int i = 0; i < 80; ++i) names += (i % 4 == 0 ? "free" : "taken") + std::to_string(100 + i) + "\r\n";
    live.folder.write("CreatedDomains.txt", names);
    live.open();
    MainWindowView& view = *live.view;
    auto* combo = view.findChildren<QComboBox*>().at(0);
    combo->setCurrentIndex(1);
    combo->activated(1);
    EXPECT_EQ(live.form->searchType.text(), "Generate names");
    QPushButton* start = nullptr;
    for (auto* button : view.findChildren<QPushButton*>())
        if (button->text() == "Start") start = button;
    ASSERT_TRUE(start && start->isEnabled());
    start->click();
    ASSERT_TRUE(live.waitForStop(60'000)) << "the run did not end by itself";

    QListView* mid = view.resultListView(ResultList::Mid);
    EXPECT_EQ(mid->model()->rowCount(), 20);
    QStringList labels;
    for (const auto* label : view.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Mid Profile (20)") && labels.contains("Registered (60)"));
    const std::string second = live.form->midList.list(1);
    const QRect item = mid->visualRect(mid->model()->index(1, 0));
    QTest::mouseClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(opened, std::vector<std::string>{live.state.identity.PurchaseAddress + second});
    EXPECT_FALSE(whois.isOpen());

    live.state.selectedName.clear();
    for (const QAction* menu : view.menuBar()->actions())
        if (menu->text() == "Tools" && menu->menu())
            for (QAction* action : menu->menu()->actions())
                if (action->text() == "Whois Lookup...") action->trigger();
    EXPECT_EQ(live.state.selectedName, second);
    ASSERT_TRUE(whois.isOpen());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return whois.view() && !whois.view()->form().replyText.text().empty(); }, 10'000));
    EXPECT_NE(whois.view()->form().replyText.text().find("No match for \"" + second + "\""),
              std::string::npos);
}

// Windows that own their controls are dropped while still on screen when the
// program ends; their lists must not read controls that are already gone.
TEST(WindowLifetime, ShownWindowsWithFilledListsCanBeDropped) {
    testing::TempFolder folder;
    const ProgramFolder programFolder{folder.path()};
    testing::FakeServices services;
    const program::ProductIdentity constants;
    whois::WriteDefaultServers(programFolder, true);
    whois::ServerTable table;
    bool useProxy = false;
    std::string defaultExtension = ".com";
    for (int round = 0; round < 3; ++round) {
        ExtensionSettingsView settings(services, programFolder, table, useProxy, defaultExtension,
                                       "Quillmark");
        settings.form().Load();
        settings.show();
        NameGeneratorView generator(services, programFolder, constants, generator::GeneratorHooks{});
        generator.form().generated.addItems({"a.com", "b.com"});
        generator.show();
        QApplication::processEvents();
        EXPECT_EQ(settings.form().extensions.count(), 92);
    }
}

// One window of a kind: made, skinned and shown once, raised after, dropped once closed.
TEST(WindowLifetime, ASlotOpensOneWindowAndDropsItWhenClosed) {
    testing::TempFolder folder;
    testing::FakeServices services;
    const ProgramFolder programFolder{folder.path()};
    const program::ProductIdentity constants;
    qt::WindowSlot<NameGeneratorView> slot;
    int shown = 0;
    const auto open = [&] {
        return &slot.openOrRaise([&shown](NameGeneratorView& view) { ++shown, view.show(); }, services,
                                 programFolder, constants, generator::GeneratorHooks{});
    };
    QPointer<NameGeneratorView> first = open();
    EXPECT_EQ(open(), first.data());
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->findChild<QLineEdit*>()->palette().color(QPalette::Base), qt::StandardSkin().a);
    first->close();
    EXPECT_EQ(slot.get(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(open(), nullptr);
    EXPECT_EQ(shown, 2);
    slot.close();
}

}  // namespace
}  // namespace quillmark
