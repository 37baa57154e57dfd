// Takes pictures of the program's windows for reviewers: the main window
// after a short search against a whois server inside this process, the
// generator, the extension settings and the about window.
#include <QApplication>
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
        if (query.rfind("tak", 0) == 0) return {"Domain Name: " + query + "\r\n"};
        return {"No match for \"" + query + "\".\r\n"};
    });
    const bool saved = PictureMainWindow(live, folder) && PictureGenerator(live, folder) &&
                       PictureSettingsWindow(live, folder) && PictureAbout(live, folder);
    return saved ? 0 : 1;
}
