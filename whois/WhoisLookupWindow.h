#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Control.h"
#include "platform/HttpClient.h"
#include "platform/Services.h"
#include "whois/ServerTable.h"
#include "whois/WhoisExchange.h"

namespace quillmark {

struct WhoisServer {
    std::string host;
    std::uint16_t port = 43;

    bool operator==(const WhoisServer&) const = default;
};

// "HOST", "HOST:PORT" or "[IPv6]:PORT"; the port a whole number from 1 to
// 65535, 43 when left out. Nothing for an empty host or a bad port.
std::optional<WhoisServer> ParseWhoisServer(std::string_view text);

// The one server the lookup window asks, from the build configuration.
WhoisServer FixedWhoisServer();
// The proxy row's server when the proxy is on and there is one, else the fixed server.
WhoisServer WhoisWindowServer(const whois::ServerTable& table, bool useProxy);

// What the window shows when the server cannot be reached.
inline constexpr std::string_view kNotConnected = "could not connect (refused, or no such host)";

// The window "WHOIS Information": the complete record of one name, shown
// once it has arrived. By whois it is asked of one fixed server whatever the
// name's extension and shown raw; by RDAP (given the registry's RDAP base) it
// is asked of the registry and shown as indented JSON. No time limit, no
// retry: a server that never answers leaves the window empty; one that
// cannot be reached says so at once.
class WhoisLookupWindow {
public:
    WhoisLookupWindow(Services& services, std::string selectedName, std::string host, std::uint16_t port,
                      std::string rdapBase = {});
    ~WhoisLookupWindow();
    WhoisLookupWindow(const WhoisLookupWindow&) = delete;
    WhoisLookupWindow& operator=(const WhoisLookupWindow&) = delete;

    // The exchange's rule (whois::CanBeSent): a name with a control character
    // is never sent.
    static bool CanBeSent(std::string_view name);

    void Load();
    void Unload();
    void Connected();
    void DataArrived(std::int32_t bytesTotal);
    void Closed();
    void Failed();

    // The server has closed the connection and replyText shows the whole reply.
    bool finished() const { return finished_; }
    // By RDAP: a reply came, whatever its status (nothing came when false).
    bool answered() const { return answered_; }
    // Called once, when the reply is complete.
    void setOnFinished(std::function<void()> onFinished) { onFinished_ = std::move(onFinished); }

    // Controls.
    Window window{"WHOIS Information"};
    TextBox replyText;

    // Window state.
    const std::string selectedName;

    whois::WhoisExchange exchange;

private:
    void RdapAnswered(const HttpReply& reply);
    void Finish(std::string text);

    const std::string host_;
    const std::uint16_t port_;
    const std::string rdapBase_;
    std::unique_ptr<HttpClient> http_;
    bool answered_ = false;
    // Between the start of the lookup and its end: only then do events count.
    bool active_ = false;
    bool finished_ = false;
    std::function<void()> onFinished_;
};

}  // namespace quillmark
