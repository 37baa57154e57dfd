#pragma once

#include <QNetworkAccessManager>
#include <iostream>
#include <optional>
#include <string>

#include "platform/Services.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtEventPump.h"

namespace quillmark::app {

// The services of a run without windows: real sockets, timers and settings;
// the open-file dialog answers with the list given on the command line and
// messages go to standard error.
class HeadlessServices final : public Services, FileDialogs, MessageBox, Clipboard, Shell {
public:
    explicit HeadlessServices(std::optional<std::string> listFile) : listFile_(std::move(listFile)) {}

    std::unique_ptr<TcpClient> makeTcpClient() override;
    std::unique_ptr<HttpClient> makeHttpClient() override;
    std::unique_ptr<Timer> makeTimer() override;
    EventPump& pump() override { return pump_; }
    SettingsStore& settings() override { return settings_; }
    Clipboard& clipboard() override { return *this; }
    FileDialogs& dialogs() override { return *this; }
    MessageBox& messages() override { return *this; }
    Shell& shell() override { return *this; }
    Clock& clock() override { return clock_; }

private:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return listFile_; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    MessageResult show(std::string_view text, std::string_view title, MessageButtons buttons) override;
    void clear() override { clipboard_.clear(); }
    void setText(std::string_view text) override { clipboard_ = std::string(text); }
    std::string text() const override { return clipboard_; }
    bool openWithDefaultApplication(std::string_view) override { return false; }

    std::optional<std::string> listFile_;
    QNetworkAccessManager network_;
    qt::QtEventPump pump_;
    qt::IniSettingsStore settings_;
    qt::QtClock clock_;
    std::string clipboard_;
};

}  // namespace quillmark::app
