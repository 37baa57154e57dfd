#include "app/ProgramWindows.h"

#include <QApplication>

#include "harvest/SearchSites.h"
#include "platform/qt/Skin.h"
#include "shell/Form8.h"
#include "shell/ui/Form2View.h"
#include "shell/ui/frmAboutView.h"

namespace quillmark::app {

namespace {

shell::WebsiteHooks WebsiteHooks() {
    shell::WebsiteHooks hooks;
    hooks.endProgram = [] { QApplication::quit(); };
    return hooks;
}

}  // namespace

ProgramWindows::ProgramWindows(qt::QtServices& services, ProgramState& state)
    : services_(services),
      state_(state),
      website_(state.Constants, state.WebsiteMode, state.MainClosed, WebsiteHooks()) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    shell::SplashHooks hooks;
    hooks.applySkin = [this] { qt::ApplySkin(splash_.get()); };
    hooks.showMain = [this] { ShowMain(); };
    hooks.hideSplash = [this] { splash_->hide(); };
    splash_ = std::make_unique<frmSplashView>(services_, state_.Constants, state_.MainClosed, hooks);
    splash_->show();
    splash_->form().Form_Load();
}

void ProgramWindows::ShowMain() {
    form_ = std::make_unique<Form1>(services_, state_, MainHooks());
    generator_ = std::make_unique<GeneratorWindow>(services_, state_.ProgramFolder, state_.Constants,
                                                   GeneratorHooks());
    harvest_ = std::make_unique<HarvestWindows>(
        services_, *form_,
        harvest::LoadSearchSites(state_.Constants.WebAddress, harvest::ProcessEnvironment));
    mainView_ = std::make_unique<Form1View>(*form_);
    services_.setDialogParent(mainView_.get());
    // The website window may outlive the main window; it ends the program then.
    QApplication::setQuitOnLastWindowClosed(false);
    form_->Form_Load();
    mainView_->showAsTheWindowSays();
}

Form1Hooks ProgramWindows::MainHooks() {
    Form1Hooks hooks;
    hooks.applySkin = [this] { qt::ApplySkin(mainView_.get()); };
    hooks.showFirstRunHelp = [this] { shell::OpenHelp(services_, state_.ProgramFolder); };
    hooks.showHelp = hooks.showFirstRunHelp;
    hooks.showAbout = [this] { frmAboutView::ShowAbout(state_.Constants, mainView_.get()); };
    hooks.endProgram = [] { QApplication::quit(); };
    hooks.showOverflowNotice = [this] { Form2View::ShowNotice(mainView_.get()); };
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
        form_->txtWordMax.setText(std::to_string(count));
        form_->SetWordNum("1");
    };
    hooks.startSearch = [this] { form_->cmdDoSearch_Click(); };
    return hooks;
}

void ProgramWindows::ShowSettings() {
    bool made = false;
    frmSettingsView& view = settings_.open(
        made, services_, state_.ProgramFolder, state_.ServerTable, state_.UseProxy, state_.DefaultExtension,
        state_.Constants.ProductName, [](QWidget* window) { qt::ApplySkin(window); });
    if (!made) return qt::bringToFront(&view);
    view.show();
    view.form().Form_Load();
}

void ProgramWindows::UnloadOtherWindows() {
    settings_.close();
    whois_.close();
    harvest_->closeAll();
    generator_->close();
    if (splash_) splash_->close();
}

}  // namespace quillmark::app
