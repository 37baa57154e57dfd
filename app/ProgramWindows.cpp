#include "app/ProgramWindows.h"

#include <QApplication>
#include <QUrl>

#include "platform/qt/Skin.h"
#include "program/HelpFile.h"
#include "program/ui/AboutBoxView.h"
#include "program/ui/OverflowNoticeView.h"
#include "whois/AsciiName.h"
#include "whois/Rdap.h"

namespace quillmark::app {

namespace {

program::WebsiteHooks WebsiteHooks() {
    program::WebsiteHooks hooks;
    hooks.endProgram = [] { QApplication::quit(); };
    return hooks;
}

// The list builder, the browse window and the settings show before they load.
constexpr auto kShowThenLoad = [](auto& view) {
    view.show();
    view.form().Load();
};

}  // namespace

ProgramWindows::ProgramWindows(qt::QtServices& services, ProgramState& state)
    : services_(services),
      state_(state),
      sites_(harvest::LoadSearchSites(state.identity.WebAddress, harvest::ProcessEnvironment)),
      website_(state.identity, state.websiteMode, state.mainClosed, WebsiteHooks()) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    program::SplashHooks hooks;
    hooks.showMain = [this] { ShowMain(); };
    hooks.hideSplash = [this] { splash_->hide(); };
    splash_ = std::make_unique<SplashView>(services_, state_.identity, state_.mainClosed, hooks);
    qt::ApplySkin(splash_.get());
    splash_->show();
    splash_->form().Load();
}

void ProgramWindows::ShowMain() {
    form_ = std::make_unique<MainWindow>(services_, state_, MainHooks());
    mainView_ = std::make_unique<MainWindowView>(*form_);
    qt::ApplySkin(mainView_.get());
    services_.setDialogParent(mainView_.get());
    generator_.centreOn(mainView_.get());
    listBuilder_.centreOn(mainView_.get());
    browseWindow_.centreOn(mainView_.get());
    settings_.centreOn(mainView_.get());
    unchecked_.centreOn(mainView_.get());
    // The website window may outlive the main window; it ends the program then.
    QApplication::setQuitOnLastWindowClosed(false);
    form_->Load();
    mainView_->showAsTheWindowSays();
}

MainWindowHooks ProgramWindows::MainHooks() {
    MainWindowHooks hooks;
    hooks.showFirstRunHelp = [this] {
        program::OpenHelp(services_, state_.programFolder, [this](std::string_view helpFile) {
            website_.show(QUrl::fromLocalFile(QString::fromUtf8(helpFile.data(), helpFile.size()))
                              .toString()
                              .toStdString());
            return true;
        });
    };
    hooks.showHelp = hooks.showFirstRunHelp;
    hooks.showAbout = [this] { AboutBoxView::ShowAbout(state_.identity, mainView_.get()); };
    hooks.endProgram = [] { QApplication::quit(); };
    hooks.showOverflowNotice = [this] { OverflowNoticeView::ShowNotice(mainView_.get()); };
    hooks.openWebsite = [this](std::optional<std::string> address) { website_.show(std::move(address)); };
    hooks.websiteVisible = [this] { return website_.isVisible(); };
    hooks.openWhois = [this](const std::string& name) {
        whois_.setServer(WhoisWindowServer(state_.serverTable, state_.useProxy));
        whois_.open(
            services_, name,
            whois::RdapBaseFor(state_.zones, whois::AsciiName(name), state_.useProxy, state_.whoisOnly));
    };
    hooks.showGenerator = [this] {
        generator_.openOrRaise(
            [](NameGeneratorView& view) {
                view.form().Load();
                view.show();
            },
            services_, state_.programFolder, state_.identity, GeneratorHooks());
    };
    hooks.showSettings = [this] {
        settings_.openOrRaise(
            kShowThenLoad, services_, state_.programFolder, state_.serverTable,
            LookupOptions{state_.useProxy, state_.whoisOnly, state_.defaultExtension, state_.zones},
            state_.identity.ProductName);
    };
    // Loaded on every opening: the list changes with each run.
    hooks.showUnchecked = [this] {
        unchecked_.openOrRaise([](UncheckedWindowView& view) { view.show(); }, *form_).form().Load();
    };
    hooks.showListBuilder = [this] { listBuilder_.openOrRaise(kShowThenLoad, services_, *form_, sites_); };
    hooks.showBrowseWindow = [this] { browseWindow_.openOrRaise(kShowThenLoad, services_, *form_, sites_); };
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

void ProgramWindows::UnloadOtherWindows() {
    settings_.close();
    unchecked_.close();
    whois_.close();
    listBuilder_.close();
    browseWindow_.close();
    generator_.close();
    if (splash_) splash_->close();
}

}  // namespace quillmark::app
