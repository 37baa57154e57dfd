#pragma once

#include <memory>

#include "engine/MainWindow.h"
#include "engine/ui/MainWindowView.h"
#include "generator/ui/GeneratorOpener.h"
#include "harvest/ui/HarvestOpener.h"
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
    void ShowSettings();

    qt::QtServices& services_;
    ProgramState& state_;
    WebsiteOpener website_;
    WhoisOpener whois_;
    std::unique_ptr<SplashView> splash_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<MainWindowView> mainView_;
    std::unique_ptr<GeneratorOpener> generator_;
    std::unique_ptr<HarvestOpener> harvest_;
    qt::WindowSlot<ExtensionSettingsView> settings_;
};

}  // namespace quillmark::app
