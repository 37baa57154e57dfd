#pragma once

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/MainWindow.h"
#include "engine/ui/MainWindowView.h"
#include "platform/qt/QtServices.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

namespace quillmark::testing {

// The given services with time running `factor` times faster: the window's
// ten-second retries and thirty-second batches pass in a fraction of that.
// Timers still report the interval they were given; 0 stays 0, which does not tick.
struct ScaledTimeServices final : Services {
    ScaledTimeServices(Services& real, int factor) : real(real), factor(factor) {}
    std::unique_ptr<TcpClient> makeTcpClient() override { return real.makeTcpClient(); }
    std::unique_ptr<HttpClient> makeHttpClient() override { return real.makeHttpClient(); }
    std::unique_ptr<Timer> makeTimer() override {
        return std::make_unique<ScaledTimer>(real.makeTimer(), factor);
    }
    EventPump& pump() override { return real.pump(); }
    SettingsStore& settings() override { return real.settings(); }
    Clipboard& clipboard() override { return real.clipboard(); }
    FileDialogs& dialogs() override { return real.dialogs(); }
    MessageBox& messages() override { return real.messages(); }
    Shell& shell() override { return real.shell(); }
    Clock& clock() override { return real.clock(); }
    struct ScaledTimer final : Timer {
        ScaledTimer(std::unique_ptr<Timer> real, int factor) : real(std::move(real)), factor(factor) {}
        void setOnTick(std::function<void()> onTick) override { real->setOnTick(std::move(onTick)); }
        void setInterval(int ms) override {
            real->setInterval(ms == 0 ? 0 : std::max(1, (interval_ = ms) / factor));
        }
        int interval() const override { return interval_; }
        void setEnabled(bool enabled) override { real->setEnabled(enabled); }
        bool enabled() const override { return real->enabled(); }
        std::unique_ptr<Timer> real;
        int factor, interval_ = 0;
    };
    Services& real;
    int factor;
};

// The main window with the real services and sockets, its timers running
// `timeScale` times faster, in a fresh program folder whose proxy row sends
// every lookup to a whois server inside this process.
struct LiveMainWindow {
    explicit LiveMainWindow(LocalWhoisServer::Rule rule = {},
                            LocalWhoisServer::Manner manner = LocalWhoisServer::Manner::Answer,
                            int timeScale = 1)
        : server(std::move(rule), manner), services(real, timeScale) {
        const std::string local = "127.0.0.1|" + std::to_string(server.port()) + "|Enabled\r\n";
        folder.write("registrars.txt", "proxy|" + local + "com|" + local + "\r\n");
        real.settings().SaveSetting("Quillmark", "Settings", "WhoisOnly", "1");
        hooks.runStopped = [this] { QTimer::singleShot(0, &loop_, &QEventLoop::quit); };
    }

    // Makes, loads and shows the window: set the hooks before.
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
    TempFolder folder, config;
    qt::QtServices real{nullptr, config.path().string()};
    ScaledTimeServices services;
    ProgramState state{folder.path()};
    MainWindowHooks hooks;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainWindowView> view;
    QEventLoop loop_;
};

}  // namespace quillmark::testing
