#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Services.h"

namespace quillmark::testing {

class FakeClock;

// A timer that ticks only when the test advances its clock.
class FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeClock& clock);
    ~FakeTimer() override;

    void setOnTick(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    std::int64_t due() const { return due_; }
    void fire();

private:
    FakeClock& clock_;
    std::function<void()> onTick_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t due_ = 0;
};

class FakeClock : public Clock {
public:
    LocalTime now() const override { return localTime; }
    void sleep(int milliseconds) override { sleptMs += milliseconds; }

    // Moves time on, firing every due tick in order of time.
    void advance(std::int64_t milliseconds);
    std::int64_t elapsed() const { return nowMs_; }

    LocalTime localTime{2026, 12, 6, 9, 30, 15};
    std::int64_t sleptMs = 0;

private:
    friend class FakeTimer;
    std::vector<FakeTimer*> timers_;
    std::int64_t nowMs_ = 0;
};

// A TCP client whose events the test raises.
class FakeTcpClient : public TcpClient {
public:
    ~FakeTcpClient() override;

    void setEvents(Events events) override { events_ = std::move(events); }
    void close() override;
    void setLocalPort(std::uint16_t port) override { localPort = port; }
    void connect(std::string_view host, std::uint16_t port) override;
    void send(std::string_view data) override { sent += data; }
    std::string read() override;

    // Test side.
    void raiseConnected();
    void raiseData(std::string_view bytes);
    void raiseClosed();

    std::string host;
    std::uint16_t port = 0;
    std::uint16_t localPort = 1;
    std::string sent;
    int connectCount = 0;
    int closeCount = 0;
    bool open = false;
    std::function<void(FakeTcpClient*)> onDestroyed;

private:
    Events events_;
    std::string unread_;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view value) override;
    void flush() override { ++flushCount; }

    std::optional<std::string> stored(std::string_view application, std::string_view key) const;

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    int flushCount = 0;
};

class FakeClipboard : public Clipboard {
public:
    void clear() override { contents.clear(); }
    void setText(std::string_view text) override { contents = std::string(text); }
    std::string text() const override { return contents; }
    std::string contents;
};

class FakeDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

    // Answers given in turn; an empty queue answers "cancelled".
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> requests;
};

class FakeMessageBox : public MessageBox {
public:
    MessageResult show(std::string_view text, std::string_view title, MessageButtons buttons) override;
    struct Shown {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    MessageResult answer = MessageResult::Yes;
};

class FakeShell : public Shell {
public:
    bool openWithDefaultApplication(std::string_view path) override;
    std::vector<std::string> opened;
    bool succeeds = true;
};

class FakeEventPump : public EventPump {
public:
    void processPendingEvents() override;
    int calls = 0;
    // Runs at every call: what "pending events" are in a test.
    std::function<void()> pending;
};

class FakeServices : public Services {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override;
    std::unique_ptr<Timer> makeTimer() override { return std::make_unique<FakeTimer>(clockFake); }
    EventPump& pump() override { return pumpFake; }
    SettingsStore& settings() override { return settingsFake; }
    Clipboard& clipboard() override { return clipboardFake; }
    FileDialogs& dialogs() override { return dialogsFake; }
    MessageBox& messages() override { return messagesFake; }
    Shell& shell() override { return shellFake; }
    Clock& clock() override { return clockFake; }

    // Every client made and not yet destroyed, in order of making.
    std::vector<FakeTcpClient*> clients;

    FakeClock clockFake;
    FakeEventPump pumpFake;
    MemorySettingsStore settingsFake;
    FakeClipboard clipboardFake;
    FakeDialogs dialogsFake;
    FakeMessageBox messagesFake;
    FakeShell shellFake;
};

}  // namespace quillmark::testing
