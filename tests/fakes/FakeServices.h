#pragma once

#include <deque>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Services.h"

namespace quillmark::testing {

// Calls an event handler the program may not have set.
template <typename Handler, typename... Args>
void raise(const Handler& handler, const Args&... args) {
    if (handler) handler(args...);
}

struct FakeTimer;

struct FakeClock : Clock {
    LocalTime now() const override { return {2026, 12, 6, 9, 30, 15}; }
    void sleep(int) override {}
    // Moves time on, firing every due tick in order of time.
    void advance(std::int64_t milliseconds);
    std::vector<FakeTimer*> timers;
    std::int64_t nowMs = 0;
};

// A timer that ticks only when the test advances its clock.
struct FakeTimer : Timer {
    explicit FakeTimer(FakeClock& clock) : clock(clock) { clock.timers.push_back(this); }
    ~FakeTimer() override { std::erase(clock.timers, this); }
    void setOnTick(std::function<void()> tick) override { onTick = std::move(tick); }
    void setInterval(int milliseconds) override { due = clock.nowMs + (interval_ = milliseconds); }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override {
        if (enabled && !enabled_) due = clock.nowMs + interval_;
        enabled_ = enabled;
    }
    bool enabled() const override { return enabled_; }
    FakeClock& clock;
    std::function<void()> onTick;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t due = 0;
};

// A TCP client whose events the test raises; it stays in `list` while it lives.
class FakeTcpClient : public TcpClient {
public:
    explicit FakeTcpClient(std::vector<FakeTcpClient*>* list = nullptr) : list_(list) {
        if (list_) list_->push_back(this);
    }
    ~FakeTcpClient() override {
        if (list_) std::erase(*list_, this);
    }
    void setEvents(Events events) override { events_ = std::move(events); }
    void close() override { open = false, unread_.clear(); }
    void setLocalPort(std::uint16_t port) override { localPort = port; }
    void connect(std::string_view toHost, std::uint16_t toPort) override {
        host = toHost, port = toPort, open = true, sent.clear(), ++connectCount;
    }
    void send(std::string_view data) override { sent += data; }
    std::string read() override { return std::exchange(unread_, {}); }

    void raiseConnected() { raise(events_.connected); }
    void raiseData(std::string_view bytes) {
        unread_ += bytes;
        raise(events_.dataArrival, static_cast<std::int32_t>(bytes.size()));
    }
    void raiseClosed() { open = false, raise(events_.closed); }
    void raiseFailed() { open = false, raise(events_.failed); }

    std::string host;
    std::uint16_t port = 0;
    std::uint16_t localPort = 1;
    std::string sent;
    int connectCount = 0;
    bool open = false;

private:
    std::vector<FakeTcpClient*>* list_;
    Events events_;
    std::string unread_;
};

struct MemorySettingsStore : SettingsStore {
    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override {
        return stored(application, key, section).value_or(std::string(defaultValue));
    }
    void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view value) override {
        values[{std::string(application), std::string(section), std::string(key)}] = value;
    }
    void flush() override {}
    // A key, of the "Settings" section unless told, if saved.
    std::optional<std::string> stored(std::string_view application, std::string_view key,
                                      std::string_view section = "Settings") const {
        const auto it = values.find({std::string(application), std::string(section), std::string(key)});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
};

struct FakeClipboard : Clipboard {
    void clear() override { contents.clear(), ++clears; }
    void setText(std::string_view text) override { contents = text; }
    std::string text() const override { return contents; }
    std::string contents;
    int clears = 0;  // what another program put there is gone only when cleared
};

struct FakeDialogs : FileDialogs {
    std::optional<std::string> openFile(const FileDialogRequest& request) override { return next(request); }
    std::optional<std::string> saveFile(const FileDialogRequest& request) override { return next(request); }
    // Answers in turn; with none left, "cancelled".
    std::optional<std::string> next(const FileDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> requests;
};

// Answers Yes to every question.
struct FakeMessageBox : MessageBox {
    MessageResult show(std::string_view text, std::string_view title, MessageButtons buttons) override {
        shown.push_back({std::string(text), std::string(title), buttons});
        return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Yes;
    }
    struct Shown {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
};

struct FakeShell : Shell {
    bool openWithDefaultApplication(std::string_view path) override {
        return opened.emplace_back(path), opens;
    }
    std::vector<std::string> opened;
    bool opens = true;  // false: the desktop has no application for it
};

struct FakeEventPump : EventPump {
    void processPendingEvents() override { raise(pending); }
    std::function<void()> pending;  // what "pending events" are in a test
};

// Holds each request until the test answers it.
struct FakeHttpClient : HttpClient {
    explicit FakeHttpClient(std::vector<FakeHttpClient*>* made) : made(made) { made->push_back(this); }
    ~FakeHttpClient() override { std::erase(*made, this); }
    void get(std::string_view address, std::string_view, Done done) override {
        requests.emplace_back(address);
        pending = std::move(done);
    }
    void abort() override { pending = nullptr; }
    void answer(const HttpReply& reply) { std::exchange(pending, nullptr)(reply); }
    std::vector<FakeHttpClient*>* made;
    std::vector<std::string> requests;
    Done pending;
};

struct FakeServices : Services {
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<FakeTcpClient>(&clients); }
    std::unique_ptr<HttpClient> makeHttpClient() override { return std::make_unique<FakeHttpClient>(&http); }
    std::unique_ptr<Timer> makeTimer() override { return std::make_unique<FakeTimer>(clockFake); }
    EventPump& pump() override { return pumpFake; }
    SettingsStore& settings() override { return settingsFake; }
    Clipboard& clipboard() override { return clipboardFake; }
    FileDialogs& dialogs() override { return dialogsFake; }
    MessageBox& messages() override { return messagesFake; }
    Shell& shell() override { return shellFake; }
    Clock& clock() override { return clockFake; }

    std::vector<FakeTcpClient*> clients;  // made and not yet destroyed, in order
    std::vector<FakeHttpClient*> http;    // the same
    FakeClock clockFake;
    FakeEventPump pumpFake;
    MemorySettingsStore settingsFake;
    FakeClipboard clipboardFake;
    FakeDialogs dialogsFake;
    FakeMessageBox messagesFake;
    FakeShell shellFake;
};

}  // namespace quillmark::testing
