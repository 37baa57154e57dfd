#include <QApplication>

#include <unistd.h>

#include "app/Commands.h"
#include "app/ProgramFolderLocation.h"
#include "engine/Form1.h"
#include "engine/ui/Form1View.h"
#include "generator/ui/GeneratorWindow.h"
#include "harvest/SearchSites.h"
#include "harvest/ui/HarvestWindows.h"
#include "platform/qt/QtServices.h"
#include "shell/StartupConstants.h"
#include "shell/ui/Form2View.h"
#include "shell/ui/website/WebsiteWindow.h"
#include "whois/ui/WhoisWindow.h"

namespace quillmark::app {

namespace {

// The browser engine refuses to start as root inside its sandbox.
void allowBrowserAsRoot() {
    if (::geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? "--no-sandbox" : flags + " --no-sandbox");
}

}  // namespace

int RunWindows(int argc, char** argv, const shell::CommandLine& line) {
    allowBrowserAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillmark");
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    qt::QtServices services;
    ProgramState state(*folder);
    shell::SetStartupConstants(state.Constants);

    shell::WebsiteHooks websiteHooks;
    websiteHooks.endProgram = [] { QApplication::quit(); };
    WebsiteWindow website(state.Constants, state.WebsiteMode, state.MainClosed, websiteHooks);
    WhoisWindow whois;

    Form1Hooks hooks;
    Form1View* mainWindow = nullptr;
    hooks.endProgram = [] { QApplication::quit(); };
    hooks.showOverflowNotice = [&mainWindow] { Form2View::ShowNotice(mainWindow); };
    hooks.openWebsite = [&website](std::optional<std::string> address) { website.show(std::move(address)); };
    hooks.websiteVisible = [&website] { return website.isVisible(); };
    hooks.openWhois = [&whois, &services](const std::string& name) { whois.open(services, name); };
    std::unique_ptr<HarvestWindows> harvestWindows;
    std::unique_ptr<GeneratorWindow> generatorWindow;
    hooks.showGenerator = [&generatorWindow] { generatorWindow->show(); };
    hooks.showListBuilder = [&harvestWindows] { harvestWindows->showListBuilder(); };
    hooks.showBrowseWindow = [&harvestWindows] { harvestWindows->showBrowseWindow(); };
    hooks.unloadOtherWindows = [&whois, &harvestWindows, &generatorWindow] {
        whois.close();
        harvestWindows->closeAll();
        generatorWindow->close();
    };
    hooks.closeMainWindow = [&mainWindow] { mainWindow->close(); };
    Form1 form(services, state, hooks);
    generator::GeneratorHooks generatorHooks;
    generatorHooks.setListBounds = [&form](std::int32_t count) {
        form.txtWordMax.setText(std::to_string(count));
        form.SetWordNum("1");
    };
    generatorHooks.startSearch = [&form] { form.cmdDoSearch_Click(); };
    generatorWindow =
        std::make_unique<GeneratorWindow>(services, state.ProgramFolder, state.Constants, generatorHooks);
    harvestWindows = std::make_unique<HarvestWindows>(
        services, form, harvest::LoadSearchSites(state.Constants.WebAddress, harvest::ProcessEnvironment));
    Form1View view(form);
    mainWindow = &view;
    services.setDialogParent(&view);
    // The website window may outlive the main window; it ends the program then.
    QApplication::setQuitOnLastWindowClosed(false);
    form.Form_Load();
    view.showAsTheWindowSays();
    return QApplication::exec();
}

}  // namespace quillmark::app
