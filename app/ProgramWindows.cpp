#include "app/ProgramWindows.h"

#include <QApplication>

#include "harvest/SearchSites.h"
#include "platform/qt/Skin.h"
#include "program/HelpFile.h"
#include "program/ui/AboutBoxView.h"
#include "program/ui/OverflowNoticeView.h"

namespace quillmark::app {

namespace {

program::WebsiteHooks WebsiteHooks() {
    program::WebsiteHooks hooks;
    hooks.endProgram = [] { QApplication::quit(); };
    return hooks;
}

}  // namespace

ProgramWindows::ProgramWindows(qt::QtServices& services, ProgramState& state)
    : services_(services),
      state_(state),
      website_(state.identity, state.websiteMode, state.mainClosed, WebsiteHooks()) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    program::SplashHooks hooks;
    hooks.applySkin = [this] { qt::ApplySkin(splash_.get()); };
    hooks.showMain = [this] { ShowMain(); };
    hooks.hideSplash = [this] { splash_->hide(); };
    splash_ = std::make_unique<SplashView>(services_, state_.identity, state_.mainClosed, hooks);
    splash_->show();
    splash_->form().Load();
}

void ProgramWindows::ShowMain() {
    form_ = std::make_unique<MainWindow>(services_, state_, MainHooks());
    generator_ =
        std::make_unique<GeneratorOpener>(services_, state_.programFolder, state_.identity, GeneratorHooks());
    harvest_ = std::make_unique<HarvestOpener>(
        services_, *form_, harvest::LoadSearchSites(state_.identity.WebAddress, harvest::ProcessEnvironment));
    mainView_ = std::make_unique<MainWindowView>(*form_);
    services_.setDialogParent(mainView_.get());
    // The website window may outlive the main window; it ends the program then.
    QApplication::setQuitOnLastWindowClosed(false);
    form_->Load();
    mainView_->showAsTheWindowSays();
}

MainWindowHooks ProgramWindows::MainHooks() {
    MainWindowHooks hooks;
    hooks.applySkin = [this] { qt::ApplySkin(mainView_.get()); };
    hooks.showFirstRunHelp = [this] { program::OpenHelp(services_, state_.programFolder); };
    hooks.showHelp = hooks.showFirstRunHelp;
    hooks.showAbout = [this] { AboutBoxView::ShowAbout(state_.identity, mainView_.get()); };
    hooks.endProgram = [] { QApplication::quit(); };
    hooks.showOverflowNotice = [this] { OverflowNoticeView::ShowNotice(mainView_.get()); };
    hooks.openWebsite = [this](std::optional<std::string> address) { website_.show(std::move(address)); };
    hooks.websiteVisible = [this] { return website_.isVisible(); };
    hooks.openWhois = [this](const std::string& name) { whois_.open(services_, name); };
    hooks.showGenerator = [this] { generator_->show(); };
    hooks.showSettings = [this] { ShowSettings(); };
    hooks.showListBuilder = [this] { harvest_->showListBuilder(); };
    hooks.showBrowseWindow = [this] { harvest_->showBrowseWindow(); };
    hooks.unloadOtherWindows = [this] { UnloadOtherWindows(); };
    hooks.closeMainWindow = [this] { mainView_->close(); };
    return hooks;
}

generator::GeneratorHooks ProgramWindows::GeneratorHooks() {
    generator::GeneratorHooks hooks;
    hooks.setListBounds = [this](std::int32_t count) {
        form_->listSize.setText(std::to_string(count));
        form_->SetStartNumber("1");
    };
    hooks.startSearch = [this] { form_->Start(); };
    return hooks;
}

void ProgramWindows::ShowSettings() {
    bool made = false;
    ExtensionSettingsView& view = settings_.open(
        made, services_, state_.programFolder, state_.serverTable, state_.useProxy, state_.defaultExtension,
        state_.identity.ProductName, [](QWidget* window) { qt::ApplySkin(window); });
    if (!made) return qt::bringToFront(&view);
    view.show();
    view.form().Load();
}

void ProgramWindows::UnloadOtherWindows() {
    settings_.close();
    whois_.close();
    harvest_->closeAll();
    generator_->close();
    if (splash_) splash_->close();
}

}  // namespace quillmark::app
