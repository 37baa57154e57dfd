#pragma once

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <string>

#include "engine/MainWindow.h"
#include "engine/ui/MainWindowView.h"
#include "platform/qt/QtServices.h"
#include "support/LocalWhoisServer.h"
#include "support/ScaledTimeServices.h"
#include "support/TempFolder.h"

namespace quillmark::testing {

// The main window with the real services and sockets, its timers running
// `timeScale` times faster, in a fresh program folder whose proxy row sends
// every lookup to a whois server inside this process.
class LiveMainWindow {
public:
    explicit LiveMainWindow(LocalWhoisServer::Rule rule = {},
                            LocalWhoisServer::Manner manner = LocalWhoisServer::Manner::Answer,
                            int timeScale = 1)
        : server(std::move(rule), manner), services(real, timeScale) {
        folder.write("registrars.txt",
                     "proxy|127.0.0.1|" + std::to_string(server.port()) + "|Enabled\r\n\r\n");
        hooks.runStopped = [this] { QTimer::singleShot(0, &loop_, &QEventLoop::quit); };
    }

    // Makes, loads and shows the window; change the hooks before.
    void open() {
        form = std::make_unique<MainWindow>(services, state, hooks);
        view = std::make_unique<MainWindowView>(*form);
        form->Load();
        view->show();
    }

    // Lets the run go on until it stops by itself, or the limit passes.
    bool waitForStop(int limitMs = 30'000) {
        QTimer::singleShot(limitMs, &loop_, &QEventLoop::quit);
        loop_.exec();
        return form->stopRequested;
    }

    // Starts a run over the generated names, as the generator would.
    void runGeneratedNames(const std::string& lines) {
        folder.write("CreatedDomains.txt", lines);
        form->searchType.setText("Generate names");
        form->ChooseSearchType();
        QTimer::singleShot(0, &loop_, [this] { form->Start(); });
    }

    LocalWhoisServer server;
    TempFolder folder;
    TempFolder config;
    qt::QtServices real{nullptr, config.path().string()};
    ScaledTimeServices services;
    ProgramState state{folder.path()};
    MainWindowHooks hooks;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainWindowView> view;

private:
    QEventLoop loop_;
};

}  // namespace quillmark::testing
