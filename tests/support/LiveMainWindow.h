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
// Timers still report the interval they were given.
class ScaledTimeServices final : public Services {
public:
    ScaledTimeServices(Services& real, int factor) : real_(real), factor_(factor) {}
    std::unique_ptr<TcpClient> makeTcpClient() override { return real_.makeTcpClient(); }
    std::unique_ptr<Timer> makeTimer() override {
        return std::make_unique<ScaledTimer>(real_.makeTimer(), factor_);
    }
    EventPump& pump() override { return real_.pump(); }
    SettingsStore& settings() override { return real_.settings(); }
    Clipboard& clipboard() override { return real_.clipboard(); }
    FileDialogs& dialogs() override { return real_.dialogs(); }
    MessageBox& messages() override { return real_.messages(); }
    Shell& shell() override { return real_.shell(); }
    Clock& clock() override { return real_.clock(); }

private:
    struct ScaledTimer final : Timer {
        ScaledTimer(std::unique_ptr<Timer> real, int factor) : real_(std::move(real)), factor_(factor) {}
        void setOnTick(std::function<void()> onTick) override { real_->setOnTick(std::move(onTick)); }
        // 0 stays 0: a timer without an interval does not tick.
        void setInterval(int ms) override {
            real_->setInterval(ms == 0 ? 0 : std::max(1, (interval_ = ms) / factor_));
        }
        int interval() const override { return interval_; }
        void setEnabled(bool enabled) override { real_->setEnabled(enabled); }
        bool enabled() const override { return real_->enabled(); }
        std::unique_ptr<Timer> real_;
        int factor_;
        int interval_ = 0;
    };
    Services& real_;
    int factor_;
};

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
