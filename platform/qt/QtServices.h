#pragma once

#include <QNetworkAccessManager>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "platform/Services.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"

namespace quillmark::qt {

// The real platform: one of each service, and fresh sockets and timers on
// request. Needs a QApplication (clipboard, dialogs) to exist first.
class QtServices final : public Services {
public:
    // settingsFolder: where the INI files live; the XDG rule without it.
    explicit QtServices(QWidget* dialogParent = nullptr,
                        std::optional<std::string> settingsFolder = std::nullopt);
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    // The window that dialogs and message boxes sit on.
    void setDialogParent(QWidget* parent);

    std::unique_ptr<TcpClient> makeTcpClient() override;
    std::unique_ptr<HttpClient> makeHttpClient() override;
    std::unique_ptr<Timer> makeTimer() override;
    EventPump& pump() override { return pump_; }
    SettingsStore& settings() override { return settings_; }
    Clipboard& clipboard() override { return clipboard_; }
    FileDialogs& dialogs() override { return dialogs_; }
    MessageBox& messages() override { return messages_; }
    Shell& shell() override { return shell_; }
    Clock& clock() override { return clock_; }

private:
    QNetworkAccessManager network_;
    QtEventPump pump_;
    IniSettingsStore settings_;
    QtClipboard clipboard_;
    QtFileDialogs dialogs_;
    QtMessageBox messages_;
    QtShell shell_;
    QtClock clock_;
};

}  // namespace quillmark::qt
