#include "FakeServices.h"

#include <algorithm>

namespace quillmark::testing {

FakeTimer::FakeTimer(FakeClock& clock) : clock_(clock) {
    clock_.timers_.push_back(this);
}

FakeTimer::~FakeTimer() {
    auto& timers = clock_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void FakeTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    due_ = clock_.elapsed() + interval_;
}

void FakeTimer::setEnabled(bool enabled) {
    if (enabled && !enabled_) due_ = clock_.elapsed() + interval_;
    enabled_ = enabled;
}

void FakeTimer::fire() {
    due_ += interval_ > 0 ? interval_ : 1;
    if (onTick_) onTick_();
}

void FakeClock::advance(std::int64_t milliseconds) {
    const std::int64_t target = nowMs_ + milliseconds;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : timers_) {
            if (timer->enabled() && timer->interval() > 0 && timer->due() <= target &&
                (next == nullptr || timer->due() < next->due())) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        nowMs_ = std::max(nowMs_, next->due());
        next->fire();
    }
    nowMs_ = target;
}

FakeTcpClient::~FakeTcpClient() {
    if (onDestroyed) onDestroyed(this);
}

void FakeTcpClient::close() {
    ++closeCount;
    open = false;
    unread_.clear();
}

void FakeTcpClient::connect(std::string_view toHost, std::uint16_t toPort) {
    host = std::string(toHost);
    port = toPort;
    ++connectCount;
    open = true;
    sent.clear();
}

std::string FakeTcpClient::read() {
    std::string bytes;
    bytes.swap(unread_);
    return bytes;
}

void FakeTcpClient::raiseConnected() {
    if (events_.connected) events_.connected();
}

void FakeTcpClient::raiseData(std::string_view bytes) {
    unread_ += bytes;
    if (events_.dataArrival) events_.dataArrival(static_cast<std::int32_t>(bytes.size()));
}

void FakeTcpClient::raiseClosed() {
    open = false;
    if (events_.closed) events_.closed();
}

std::string MemorySettingsStore::GetSetting(std::string_view application, std::string_view section,
                                            std::string_view key, std::string_view defaultValue) {
    const auto it = values.find({std::string(application), std::string(section), std::string(key)});
    return it == values.end() ? std::string(defaultValue) : it->second;
}

void MemorySettingsStore::SaveSetting(std::string_view application, std::string_view section,
                                      std::string_view key, std::string_view value) {
    values[{std::string(application), std::string(section), std::string(key)}] = std::string(value);
}

std::optional<std::string> MemorySettingsStore::stored(std::string_view application,
                                                       std::string_view key) const {
    const auto it = values.find({std::string(application), "Settings", std::string(key)});
    if (it == values.end()) return std::nullopt;
    return it->second;
}

namespace {
std::optional<std::string> nextAnswer(FakeDialogs& dialogs, const FileDialogRequest& request) {
    dialogs.requests.push_back(request);
    if (dialogs.answers.empty()) return std::nullopt;
    auto answer = dialogs.answers.front();
    dialogs.answers.pop_front();
    return answer;
}
}  // namespace

std::optional<std::string> FakeDialogs::openFile(const FileDialogRequest& request) {
    return nextAnswer(*this, request);
}

std::optional<std::string> FakeDialogs::saveFile(const FileDialogRequest& request) {
    return nextAnswer(*this, request);
}

MessageResult FakeMessageBox::show(std::string_view text, std::string_view title, MessageButtons buttons) {
    shown.push_back({std::string(text), std::string(title), buttons});
    return buttons == MessageButtons::Ok ? MessageResult::Ok : answer;
}

bool FakeShell::openWithDefaultApplication(std::string_view path) {
    opened.emplace_back(path);
    return succeeds;
}

void FakeEventPump::processPendingEvents() {
    ++calls;
    if (pending) pending();
}

std::unique_ptr<TcpClient> FakeServices::makeTcpClient() {
    auto client = std::make_unique<FakeTcpClient>();
    clients.push_back(client.get());
    client->onDestroyed = [this](FakeTcpClient* gone) {
        clients.erase(std::remove(clients.begin(), clients.end(), gone), clients.end());
    };
    return client;
}

}  // namespace quillmark::testing
