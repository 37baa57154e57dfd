#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>

#include "fakes/FakeServices.h"
#include "generator/ui/NameGeneratorView.h"
#include "platform/qt/WindowSlot.h"
#include "support/TempFolder.h"
#include "whois/ServerTable.h"
#include "whois/ui/ExtensionSettingsView.h"

namespace quillmark {
namespace {

class WindowLifetime : public ::testing::Test {
protected:
    testing::TempFolder folder;
    const ProgramFolder programFolder{folder.path()};
    testing::FakeServices services;
    program::ProductIdentity constants;
};

// Windows that own their controls are dropped while still on screen when the
// program ends; their lists must not read controls that are already gone.
TEST_F(WindowLifetime, ShownWindowsWithFilledListsCanBeDropped) {
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
TEST_F(WindowLifetime, ASlotOpensOneWindowAndDropsItWhenClosed) {
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
