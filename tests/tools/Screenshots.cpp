// Takes pictures of the program's windows for reviewers: the main window
// after a short search against a whois server inside this process, the whois
// lookup of one of its names, the generator, the extension settings and the
// about window.
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

#include "generator/ui/NameGeneratorView.h"
#include "platform/qt/ProductMark.h"
#include "platform/qt/Skin.h"
#include "program/ui/AboutBoxView.h"
#include "support/LiveMainWindow.h"
#include "whois/ui/ExtensionSettingsView.h"
#include "whois/ui/WhoisOpener.h"

namespace {

using namespace quillmark;

bool Save(QWidget& window, const std::filesystem::path& file) {
    window.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    if (window.grab().save(QString::fromStdString(file.string()))) return true;
    std::cerr << "cannot write " << file << '\n';
    return false;
}

bool PictureMainWindow(testing::LiveMainWindow& live, const std::filesystem::path& folder) {
    std::string names;
    for (const char* word : {"sky", "taken", "fern", "takeover", "lumen", "tak", "meadowlark", "quartz"}) {
        for (int i = 0; i < 6; ++i) names += std::string(word) + std::to_string(i) + "\r\n";
    }
    live.folder.write("Remembered.txt", "sky1.com\r\nmeadowlark2.com\r\n");
    live.open();
    qt::ApplySkin(live.view.get());
    live.view->resize(1280, 720);
    live.runGeneratedNames(names);
    live.waitForStop();
    return Save(*live.view, folder / "main-window.png");
}

// A registered name chosen in its list, then Tools > Whois Lookup...
bool PictureWhoisLookup(testing::LiveMainWindow& live, WhoisOpener& whois,
                        const std::filesystem::path& folder) {
    QListView* registered = live.view->resultListView(ResultList::Registered);
    registered->setFocus();
    registered->setCurrentIndex(registered->model()->index(1, 0));
    for (QAction* menu : live.view->menuBar()->actions()) {
        if (menu->text() != "Tools") continue;
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->text() == "Whois Lookup...") entry->trigger();
        }
    }
    const QDeadlineTimer deadline(10'000);
    while (whois.view() != nullptr && !whois.view()->form().finished() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (whois.view() == nullptr || !whois.view()->form().finished()) {
        std::cerr << "the whois lookup window did not show a reply\n";
        return false;
    }
    whois.view()->resize(720, 420);
    return Save(*whois.view(), folder / "whois-lookup.png");
}

bool PictureGenerator(testing::LiveMainWindow& live, const std::filesystem::path& folder) {
    live.folder.write("Appends.txt", "\r\nmy\r\nbest\r\nsmart\r\n");
    NameGeneratorView view(live.services, live.state.programFolder, live.state.identity, {});
    qt::ApplySkin(&view);
    view.form().Load();
    view.form().baseWord.setText("shop");
    view.form().extensionBoxes[8].setValue(0);
    view.form().Generate();
    return Save(view, folder / "generator.png");
}

bool PictureSettingsWindow(testing::LiveMainWindow& live, const std::filesystem::path& folder) {
    whois::WriteDefaultServers(live.state.programFolder, true);
    ExtensionSettingsView view(live.services, live.state.programFolder, live.state.serverTable,
                               live.state.useProxy, live.state.defaultExtension,
                               live.state.identity.ProductName);
    qt::ApplySkin(&view);
    view.form().Load();
    view.resize(760, 640);
    view.form().extensions.setSelectedIndex(2);
    view.form().RowClicked();
    return Save(view, folder / "settings.png");
}

bool PictureAbout(testing::LiveMainWindow& live, const std::filesystem::path& folder) {
    AboutBoxView view(live.state.identity);
    qt::ApplySkin(&view);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    return Save(view, folder / "about.png");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: qm_screenshots OUTPUT-FOLDER\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(qt::ProductIcon());
    qt::StartSkin(application);
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    testing::LiveMainWindow live([](const std::string& query) -> testing::LocalWhoisServer::Reply {
        if (query.rfind("tak", 0) == 0) {
            return {
                "   Domain Name: " + query +
                "\r\n   Registrar: Example Registrar, Inc.\r\n"
                "   Updated Date: 2024-03-18T09:12:44Z\r\n   Creation Date: 2009-06-02T17:40:05Z\r\n"
                "   Registry Expiry Date: 2026-06-02T17:40:05Z\r\n"
                "   Name Server: NS1.EXAMPLE-DNS.TEST\r\n   Name Server: NS2.EXAMPLE-DNS.TEST\r\n"
                "   DNSSEC: unsigned\r\n\r\n>>> Last update of whois database: 2024-05-01T08:00:00Z <<<\r\n"};
        }
        return {"No match for \"" + query + "\".\r\n"};
    });
    WhoisOpener whois(nullptr, WhoisServer{"127.0.0.1", live.server.port()});
    live.hooks.openWhois = [&](const std::string& name) { whois.open(live.services, name); };
    const bool saved = PictureMainWindow(live, folder) && PictureWhoisLookup(live, whois, folder) &&
                       PictureGenerator(live, folder) && PictureSettingsWindow(live, folder) &&
                       PictureAbout(live, folder);
    return saved ? 0 : 1;
}
