#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "fakes/FakeServices.h"
#include "generator/ui/NameGeneratorView.h"
#include "platform/qt/WindowSlot.h"
#include "support/LiveMainWindow.h"
#include "whois/ServerTable.h"
#include "whois/ui/ExtensionSettingsView.h"

namespace quillmark {
namespace {

// A run started from the controls shows in the lists; a double click buys the clicked name.
TEST(MainWindow, ARunStartedFromTheControlsShowsAndItsNamesCanBeBought) {
    testing::LiveMainWindow live;
    std::vector<std::string> opened;
    live.hooks.openWebsite = [&](std::optional<std::string> address) { opened.push_back(address.value()); };
    live.folder.write("CreatedDomains.txt", "taken1\r\nfree2\r\nfree3\r\ntaken4\r\n");
    live.open();
    auto* combo = live.view->findChildren<QComboBox*>().at(0);
    combo->setCurrentIndex(1);
    combo->activated(1);
    for (auto* button : live.view->findChildren<QPushButton*>())
        if (button->text() == "Start") button->click();
    ASSERT_TRUE(live.waitForStop()) << "the run did not end by itself";
    QListView* mid = live.view->resultListView(ResultList::Mid);
    ASSERT_EQ(mid->model()->rowCount(), 2);
    const QPoint second = mid->visualRect(mid->model()->index(1, 0)).center();
    QTest::mouseClick(mid->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(mid->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(opened,
              std::vector<std::string>{live.state.identity.PurchaseAddress + live.form->midList.list(1)});
}

// One window of a kind: made and shown once, raised after, dropped once closed.
// Windows that own their controls are dropped while still on screen when the
// program ends; their lists must not read controls that are already gone.
TEST(WindowLifetime, ASlotOpensOneWindowAndShownWindowsCanBeDropped) {
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
    EXPECT_TRUE(first->isVisible());
    first->close();
    EXPECT_EQ(slot.get(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    open()->form().generated.addItems({"a.com", "b.com"});
    EXPECT_EQ(shown, 2);

    whois::WriteDefaultServers(programFolder, true);
    whois::ServerTable table;
    bool useProxy = false;
    std::string extension = ".com";
    ExtensionSettingsView settings(services, programFolder, table, useProxy, extension, "Quillmark");
    settings.form().Load();
    settings.show();
    QApplication::processEvents();
    EXPECT_EQ(settings.form().extensions.count(), 92);
}

}  // namespace
}  // namespace quillmark
