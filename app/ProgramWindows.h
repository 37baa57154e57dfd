#pragma once

#include <memory>

#include "engine/MainWindow.h"
#include "engine/ui/MainWindowView.h"
#include "engine/ui/UncheckedWindowView.h"
#include "generator/ui/NameGeneratorView.h"
#include "harvest/SearchSites.h"
#include "harvest/ui/BrowseWindowView.h"
#include "harvest/ui/ListBuilderView.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/WindowSlot.h"
#include "program/ui/SplashView.h"
#include "program/ui/website/WebsiteOpener.h"
#include "whois/ui/ExtensionSettingsView.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark::app {

// Every window of the program and how they reach each other: the splash
// first, then the main window, and the windows it opens.
class ProgramWindows {
public:
    ProgramWindows(qt::QtServices& services, ProgramState& state);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    ~ProgramWindows();

    // Shows the splash window; it opens the main window when its time is up.
    void start();

private:
    MainWindowHooks MainHooks();
    generator::GeneratorHooks GeneratorHooks();
    void ShowMain();
    void UnloadOtherWindows();

    qt::QtServices& services_;
    ProgramState& state_;
    const harvest::SearchSites sites_;
    WebsiteOpener website_;
    WhoisOpener whois_;
    std::unique_ptr<SplashView> splash_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<MainWindowView> mainView_;
    // The windows the main window opens, one of each kind; they go before it.
    qt::WindowSlot<NameGeneratorView> generator_;
    qt::WindowSlot<ListBuilderView> listBuilder_;
    qt::WindowSlot<BrowseWindowView> browseWindow_;
    qt::WindowSlot<ExtensionSettingsView> settings_;
    qt::WindowSlot<UncheckedWindowView> unchecked_;
};

}  // namespace quillmark::app
