// Takes pictures of the program's windows for reviewers: the main window
// after a short search against a whois server inside this process, the whois
// lookup of one of its names, the names left unchecked, the generator, the
// extension settings and the about window.
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include <filesystem>
#include <iostream>

#include "engine/ui/UncheckedWindowView.h"
#include "generator/ui/NameGeneratorView.h"
#include "harvest/ui/BrowseWindowView.h"
#include "platform/qt/ProductMark.h"
#include "platform/qt/Skin.h"
#include "program/ui/AboutBoxView.h"
#include "support/LiveMainWindow.h"
#include "whois/ui/ExtensionSettingsView.h"
#include "whois/ui/WhoisOpener.h"

using namespace quillmark;

// Names beginning "tak" are taken, with a registry's usual reply, and "busy"
// ones held back; the rest are free.
testing::LocalWhoisServer::Reply Answer(const std::string& query) {
    if (query.starts_with("busy")) return {"Too many requests, please try again later.\r\n"};
    if (!query.starts_with("tak")) return {"No match for \"" + query + "\".\r\n"};
    return {"   Domain Name: " + query +
            "\r\n   Registrar: Example Registrar, Inc.\r\n   Updated Date: 2024-03-18T09:12:44Z\r\n"
            "   Creation Date: 2009-06-02T17:40:05Z\r\n   Registry Expiry Date: 2026-06-02T17:40:05Z\r\n"
            "   Name Server: NS1.EXAMPLE-DNS.TEST\r\n   Name Server: NS2.EXAMPLE-DNS.TEST\r\n"
            "   DNSSEC: unsigned\r\n\r\n>>> Last update of whois database: 2024-05-01T08:00:00Z <<<\r\n"};
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: qm_screenshots OUTPUT-FOLDER\n";
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setWindowIcon(qt::ProductIcon());
    qt::StartSkin(application);
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    testing::LiveMainWindow live(Answer);
    WhoisOpener whois(nullptr, WhoisServer{"127.0.0.1", live.server.port()});
    ProgramState& state = live.state;
    // Shows a window, lets it settle and saves its picture; none: it could not be made ready.
    const auto take = [&](QWidget* window, const char* file) {
        if (window != nullptr) window->show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        if (window != nullptr && window->grab().save(QString::fromStdString((folder / file).string())))
            return true;
        std::cerr << "cannot take " << folder / file << '\n';
        return false;
    };
    std::string names;
    for (const char* word :
         {"sky", "taken", "fern", "takeover", "busybee", "lumen", "tak", "meadowlark", "quartz"})
        for (int i = 0; i < 6; ++i) names += word + std::to_string(i) + "\r\n";
    live.folder.write("Remembered.txt", "sky1.com\r\nmeadowlark2.com\r\n");
    live.hooks.openWhois = [&](const std::string& name) { whois.open(live.services, name); };
    // The busy names' server waits a second, not half a minute, between its answers.
    live.real.settings().SaveSetting(kOptionsApplication, kSettingsSection, "ThrottleWait", "1");
    live.open();
    qt::ApplySkin(live.view.get());
    live.view->resize(1280, 720);
    live.runGeneratedNames(names);
    bool tookRunning = false;
    QTimer::singleShot(600, [&] { tookRunning = take(live.view.get(), "main-window-running.png"); });
    // The last picture is of a run that ended by itself, every name with its outcome.
    if (!live.waitForStop() || !live.form->wentThrough || !tookRunning) {
        std::cerr << "the run did not end by itself\n";
        return 1;
    }
    if (!take(live.view.get(), "main-window.png")) return 1;
    live.form->searchType.setText("Yahoo Search");  // the most controls in a row
    live.form->ChooseSearchType();
    live.view->resize(live.view->minimumSize());
    if (!take(live.view.get(), "main-window-smallest.png")) return 1;
    live.view->resize(1280, 720);
    UncheckedWindowView unchecked(*live.form);
    qt::ApplySkin(&unchecked);
    unchecked.form().Load();
    if (!take(&unchecked, "unchecked.png")) return 1;

    // A registered name chosen in its list, then Tools > Whois Lookup... from the menu.
    QListView* registered = live.view->resultListView(ResultList::Registered);
    registered->setFocus();
    registered->setCurrentIndex(registered->model()->index(1, 0));
    for (QAction* menu : live.view->menuBar()->actions())
        for (QAction* entry : menu->menu() ? menu->menu()->actions() : QList<QAction*>{})
            if (menu->text() == "Tools" && entry->text() == "Whois Lookup...") entry->trigger();
    const QDeadlineTimer deadline(10'000);
    const auto replied = [&] { return whois.view() != nullptr && whois.view()->form().finished(); };
    while (whois.view() != nullptr && !replied() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (replied()) whois.view()->resize(720, 420);
    if (!take(replied() ? whois.view() : nullptr, "whois-lookup.png")) return 1;

    live.folder.write("Appends.txt", "\r\nmy\r\nbest\r\nsmart\r\n");
    NameGeneratorView generator(live.services, state.programFolder, state.identity, {});
    qt::ApplySkin(&generator);
    generator.form().Load();
    generator.form().baseWord.setText("shop");
    generator.form().extensionBoxes[8].setValue(0);
    generator.form().Generate();
    if (!take(&generator, "generator.png")) return 1;

    // A page of the browse window with its names checked; only .com names reach the local server.
    live.folder.write("browse.html",
                      "<html><body><h2>Fresh finds</h2><p>Try skyward.com, takeaway.com or "
                      "lumenpark.com; takeout.com is gone.</p></body></html>");
    const std::string start = "file://" + (live.folder / "browse.html").string();
    const harvest::SearchSites sites =
        harvest::LoadSearchSites(state.identity.WebAddress, [&](std::string_view name) {
            return name == "QUILLMARK_BROWSE_START_PAGE" ? std::optional(start) : std::nullopt;
        });
    BrowseWindowView browse(live.services, *live.form, sites);
    qt::ApplySkin(&browse);
    browse.resize(1280, 800);
    browse.show();
    browse.form().Load();
    const QDeadlineTimer checked(20'000);
    while (browse.form().unregisteredList.listCount() + browse.form().registeredList.listCount() < 4 &&
           !checked.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (checked.hasExpired() || !take(&browse, "browse-window.png")) return 1;

    whois::WriteDefaultServers(state.programFolder, true);
    ExtensionSettingsView settings(
        live.services, state.programFolder, state.serverTable,
        LookupOptions{state.useProxy, state.whoisOnly, state.defaultExtension, state.zones},
        state.identity.ProductName);
    qt::ApplySkin(&settings);
    settings.form().Load();
    settings.resize(760, 640);
    settings.form().extensions.setSelectedIndex(2);
    settings.form().RowClicked();
    if (!take(&settings, "settings.png")) return 1;

    AboutBoxView about(state.identity);
    qt::ApplySkin(&about);
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    return take(&about, "about.png") ? 0 : 1;
}
