#include "whois/WhoisLookupWindow.h"

#include <utility>

#include "QuillmarkConfig.h"
#include "platform/Text.h"
#include "whois/ServerTable.h"

namespace quillmark {

namespace {

constexpr std::uint16_t kWhoisPort = 43;

// Splits "host:port" or "[v6]:port" into the host and the port text (empty
// when there is none); a bare IPv6 address is all host.
std::optional<std::pair<std::string_view, std::string_view>> SplitServer(std::string_view text) {
    if (text.starts_with('[')) {
        const auto close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        const auto rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':')) return std::nullopt;
        return std::pair{text.substr(1, close - 1), rest.empty() ? rest : rest.substr(1)};
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos) {
        return std::pair{text, std::string_view{}};
    }
    if (colon + 1 == text.size()) return std::nullopt;
    return std::pair{text.substr(0, colon), text.substr(colon + 1)};
}

}  // namespace

std::optional<WhoisServer> ParseWhoisServer(std::string_view text) {
    const auto parts = SplitServer(text);
    if (!parts || parts->first.empty() || text::hasControlCharacter(parts->first)) return std::nullopt;
    if (parts->second.empty()) return WhoisServer{std::string(parts->first), kWhoisPort};
    const auto port = whois::ParsePort(parts->second);
    if (!port) return std::nullopt;
    return WhoisServer{std::string(parts->first), *port};
}

WhoisServer FixedWhoisServer() {
    // The build checks the value's form; the fallback only keeps this total.
    return ParseWhoisServer(config::kWhoisWindowServer)
        .value_or(WhoisServer{config::kWhoisWindowServer, kWhoisPort});
}

WhoisLookupWindow::WhoisLookupWindow(Services& services, std::string SelectedName, std::string host, std::uint16_t port)
    : SelectedName(std::move(SelectedName)),
      Winsock1(services.makeTcpClient()),
      host_(std::move(host)),
      port_(port) {
    Winsock1->setEvents({[this] { Winsock1_Connect(); },
                         [this](std::int32_t bytes) { Winsock1_DataArrival(bytes); },
                         [this] { Winsock1_Close(); }});
}

WhoisLookupWindow::~WhoisLookupWindow() {
    Winsock1->close();
}

bool WhoisLookupWindow::CanBeSent(std::string_view name) {
    return !text::hasControlCharacter(name);
}

void WhoisLookupWindow::Form_Load() {
    Reply.clear();
    finished_ = false;
    Winsock1->close();
    Winsock1->setLocalPort(0);
    active_ = CanBeSent(SelectedName);
    if (active_) Winsock1->connect(host_, port_);
}

void WhoisLookupWindow::Form_Unload() {
    active_ = false;
    Winsock1->close();
}

void WhoisLookupWindow::Winsock1_Connect() {
    if (!active_) return Winsock1->close();
    Winsock1->send(SelectedName + "\r\n");
}

void WhoisLookupWindow::Winsock1_DataArrival(std::int32_t /*bytesTotal*/) {
    if (!active_) return Winsock1->close();
    // Read all of it even past the limit, so the server is never held up.
    const std::string bytes = Winsock1->read();
    if (Reply.size() < kReplyLimit) Reply.append(bytes, 0, kReplyLimit - Reply.size());
}

void WhoisLookupWindow::Winsock1_Close() {
    if (!active_) return Winsock1->close();
    active_ = false;
    Winsock1->close();
    text1.setText(Reply);
    finished_ = true;
    if (onFinished_) onFinished_();
}

}  // namespace quillmark
