#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/TcpClient.h"

namespace quillmark::whois {

// A reply is kept up to this size; the rest is read and dropped, so the server
// is never held up.
inline constexpr std::size_t kReplyLimit = 1024 * 1024;

// A name with a control character would carry further query lines; it is
// never sent.
bool CanBeSent(std::string_view name);

// One whois exchange at a time over one connection: connect to a server, send
// the name (in its ASCII form) and CR LF, keep the reply up to kReplyLimit, close. The owner wires
// the connection's events to it and decides when they count, how long to wait
// and whether to ask again.
class WhoisExchange {
public:
    // Without a connection until one is moved in.
    WhoisExchange() = default;
    explicit WhoisExchange(std::unique_ptr<TcpClient> connection);

    // Forgets the last reply and starts connecting to the server to ask about
    // the name. False, with nothing done, for a name that cannot be sent.
    bool Begin(std::string name, std::string host, std::uint16_t port);
    // Connects to the same server again; what arrived so far stays in front
    // of the new reply.
    void Reconnect();
    // Connected: sends the name and CR LF.
    void SendQuery();
    // Data arrived: reads all of it, even past the limit, and keeps what fits.
    void ReadReply();
    // Data arrived that no exchange wants: reads it and drops it.
    void DropArrived();
    // Ends the connection; harmless when there is none.
    void Close();

    TcpClient& connection() { return *connection_; }
    const std::string& name() const { return name_; }
    const std::string& reply() const { return reply_; }

private:
    void Connect();

    std::unique_ptr<TcpClient> connection_;
    std::string name_;
    std::string host_;
    std::uint16_t port_ = 0;
    std::string reply_;
};

}  // namespace quillmark::whois
