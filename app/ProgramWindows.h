#pragma once

#include <memory>

#include "engine/Form1.h"
#include "engine/ui/Form1View.h"
#include "generator/ui/GeneratorWindow.h"
#include "harvest/ui/HarvestWindows.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/WindowSlot.h"
#include "shell/ui/frmSplashView.h"
#include "shell/ui/website/WebsiteWindow.h"
#include "whois/ui/WhoisWindow.h"
#include "whois/ui/frmSettingsView.h"

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
    Form1Hooks MainHooks();
    generator::GeneratorHooks GeneratorHooks();
    void ShowMain();
    void UnloadOtherWindows();
    void ShowSettings();

    qt::QtServices& services_;
    ProgramState& state_;
    WebsiteWindow website_;
    WhoisWindow whois_;
    std::unique_ptr<frmSplashView> splash_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<Form1View> mainView_;
    std::unique_ptr<GeneratorWindow> generator_;
    std::unique_ptr<HarvestWindows> harvest_;
    qt::WindowSlot<frmSettingsView> settings_;
};

}  // namespace quillmark::app
