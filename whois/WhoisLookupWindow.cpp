#include "whois/WhoisLookupWindow.h"

#include <utility>

#include "QuillmarkConfig.h"
#include "platform/Text.h"
#include "whois/AsciiName.h"
#include "whois/Rdap.h"
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

WhoisServer WhoisWindowServer(const whois::ServerTable& table, bool useProxy) {
    for (const whois::ServerRow& row : table) {
        if (useProxy && row.extension == "proxy") return {row.host, row.port};
    }
    return FixedWhoisServer();
}

WhoisServer FixedWhoisServer() {
    // The build checks the value's form; the fallback only keeps this total.
    return ParseWhoisServer(config::kWhoisWindowServer)
        .value_or(WhoisServer{config::kWhoisWindowServer, kWhoisPort});
}

WhoisLookupWindow::WhoisLookupWindow(Services& services, std::string selectedName, std::string host,
                                     std::uint16_t port, std::string rdapBase)
    : selectedName(std::move(selectedName)),
      exchange(services.makeTcpClient()),
      host_(std::move(host)),
      port_(port),
      rdapBase_(std::move(rdapBase)),
      http_(services.makeHttpClient()) {
    exchange.connection().setEvents({[this] { Connected(); },
                                     [this](std::int32_t bytes) { DataArrived(bytes); }, [this] { Closed(); },
                                     [this] { Failed(); }});
}

WhoisLookupWindow::~WhoisLookupWindow() {
    exchange.Close();
}

bool WhoisLookupWindow::CanBeSent(std::string_view name) {
    return whois::CanBeSent(name);
}

void WhoisLookupWindow::Load() {
    finished_ = answered_ = false;
    if (rdapBase_.empty() || !CanBeSent(selectedName)) {
        active_ = exchange.Begin(selectedName, host_, port_);
        if (!active_) exchange.Close();
        return;
    }
    active_ = true;
    http_->get(whois::RdapAddress(rdapBase_, whois::AsciiName(selectedName)), whois::kRdapAccept,
               [this](const HttpReply& reply) { RdapAnswered(reply); });
}

void WhoisLookupWindow::Unload() {
    active_ = false;
    exchange.Close();
    http_->abort();
}

// Refused or no such host: said at once, in the reply's place.
void WhoisLookupWindow::Failed() {
    if (!active_) return exchange.Close();
    active_ = false;
    exchange.Close();
    Finish(std::string(kNotConnected));
}

void WhoisLookupWindow::RdapAnswered(const HttpReply& reply) {
    if (!active_) return;
    active_ = false;
    answered_ = reply.status != 0;
    Finish(whois::ReadableRdapReply(reply));
}

void WhoisLookupWindow::Finish(std::string text) {
    replyText.setText(std::move(text));
    finished_ = true;
    if (onFinished_) onFinished_();
}

void WhoisLookupWindow::Connected() {
    if (!active_) return exchange.Close();
    exchange.SendQuery();
}

void WhoisLookupWindow::DataArrived(std::int32_t /*bytesTotal*/) {
    if (!active_) return exchange.Close();
    exchange.ReadReply();
}

void WhoisLookupWindow::Closed() {
    if (!active_) return exchange.Close();
    active_ = false;
    exchange.Close();
    answered_ = true;
    Finish(exchange.reply());
}

}  // namespace quillmark
