#include "whois/WhoisExchange.h"

#include <utility>

#include "platform/Text.h"
#include "whois/AsciiName.h"

namespace quillmark::whois {

bool CanBeSent(std::string_view name) {
    return !text::hasControlCharacter(name);
}

WhoisExchange::WhoisExchange(std::unique_ptr<TcpClient> connection) : connection_(std::move(connection)) {}

bool WhoisExchange::Begin(std::string name, std::string host, std::uint16_t port) {
    if (!CanBeSent(name)) return false;
    name_ = std::move(name);
    host_ = std::move(host);
    port_ = port;
    reply_.clear();
    Connect();
    return true;
}

void WhoisExchange::Reconnect() {
    Connect();
}

void WhoisExchange::Connect() {
    connection_->close();
    connection_->setLocalPort(0);
    connection_->connect(host_, port_);
}

void WhoisExchange::SendQuery() {
    connection_->send(AsciiName(name_) + "\r\n");
}

void WhoisExchange::ReadReply() {
    const std::string bytes = connection_->read();
    if (reply_.size() < kReplyLimit) reply_.append(bytes, 0, kReplyLimit - reply_.size());
}

void WhoisExchange::DropArrived() {
    connection_->read();
}

void WhoisExchange::Close() {
    connection_->close();
}

}  // namespace quillmark::whois
