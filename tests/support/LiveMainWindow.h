#pragma once

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <string>

#include "engine/Form1.h"
#include "engine/ui/Form1View.h"
#include "platform/qt/QtServices.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

namespace quillmark::testing {

// The main window with the real services, in a fresh program folder whose
// proxy row sends every lookup to a whois server inside this process.
class LiveMainWindow {
public:
    explicit LiveMainWindow(LocalWhoisServer::Rule rule = {}) : server(std::move(rule)) {
        folder.write("registrars.txt",
                     "proxy|127.0.0.1|" + std::to_string(server.port()) + "|Enabled\r\n\r\n");
        shell::SetStartupConstants(state.Constants);
        hooks.runStopped = [this] { QTimer::singleShot(0, &loop_, &QEventLoop::quit); };
    }

    // Makes, loads and shows the window; change the hooks and constants before.
    void open() {
        form = std::make_unique<Form1>(services, state, hooks);
        view = std::make_unique<Form1View>(*form);
        form->Form_Load();
        view->show();
    }

    // Lets the run go on until it stops by itself, or the limit passes.
    bool waitForStop(int limitMs = 30'000) {
        QTimer::singleShot(limitMs, &loop_, &QEventLoop::quit);
        loop_.exec();
        return form->StopRequested;
    }

    // Starts a run over the generated names, as the generator would.
    void runGeneratedNames(const std::string& lines) {
        folder.write("CreatedDomains.txt", lines);
        form->Combo1.setText("Generate names");
        form->Combo1_Click();
        QTimer::singleShot(0, &loop_, [this] { form->cmdDoSearch_Click(); });
    }

    TempFolder folder;
    TempFolder config;
    LocalWhoisServer server;
    qt::QtServices services{nullptr, config.path().string()};
    ProgramState state{folder.path()};
    Form1Hooks hooks;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Form1View> view;

private:
    QEventLoop loop_;
};

}  // namespace quillmark::testing
