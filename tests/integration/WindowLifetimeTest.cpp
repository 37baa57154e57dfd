#include <gtest/gtest.h>

#include <QApplication>

#include "fakes/FakeServices.h"
#include "generator/ui/NameGeneratorView.h"
#include "support/TempFolder.h"
#include "whois/ServerTable.h"
#include "whois/ui/ExtensionSettingsView.h"

namespace quillmark {
namespace {

// Windows that own their controls are dropped while still on screen when the
// program ends; their lists must not read controls that are already gone.
TEST(WindowLifetime, ShownWindowsWithFilledListsCanBeDropped) {
    testing::TempFolder folder;
    const ProgramFolder programFolder(folder.path());
    testing::FakeServices services;
    program::ProductIdentity constants;
    whois::WriteDefaultServers(programFolder, true);
    whois::ServerTable table;
    bool useProxy = false;
    std::string defaultExtension = ".com";
    for (int round = 0; round < 3; ++round) {
        auto settings = std::make_unique<ExtensionSettingsView>(
            services, programFolder, table, useProxy, defaultExtension, "Quillmark", [](QWidget*) {});
        settings->form().Load();
        settings->show();
        auto generator = std::make_unique<NameGeneratorView>(services, programFolder, constants,
                                                             generator::GeneratorHooks{});
        generator->form().generated.addItems({"a.com", "b.com"});
        generator->show();
        QApplication::processEvents();
        EXPECT_EQ(settings->form().extensions.count(), 92);
        settings.reset();
        generator.reset();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace quillmark
