#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/TcpClient.h"
#include "platform/qt/DeleteLater.h"

namespace quillmark::qt {

// A TcpClient over QTcpSocket. Every connection gets a fresh socket, so an
// old connection can be dropped from inside its own events without any of
// its later signals reaching the owner.
class QtTcpClient final : public TcpClient {
public:
    QtTcpClient() = default;
    QtTcpClient(const QtTcpClient&) = delete;
    QtTcpClient& operator=(const QtTcpClient&) = delete;
    ~QtTcpClient() override;

    void setEvents(Events events) override { events_ = std::move(events); }
    void close() override;
    void setLocalPort(std::uint16_t port) override { localPort_ = port; }
    void connect(std::string_view host, std::uint16_t port) override;
    void send(std::string_view data) override;
    std::string read() override;

private:
    void retire();
    void onConnected(std::uint64_t generation);
    void onReadyRead(std::uint64_t generation);
    void onDisconnected(std::uint64_t generation);
    void onError(std::uint64_t generation);
    // Moves what the socket holds into unread_; the number of bytes moved.
    std::int32_t drain();

    Events events_;
    // Receiver of the socket's signals: its connections die with the client.
    QObject context_;
    LaterPtr<QTcpSocket> socket_;
    std::uint64_t generation_ = 0;
    // The current connection came up once: its errors end in a close, not a failure.
    bool everConnected_ = false;
    std::uint16_t localPort_ = 0;
    std::string unread_;
};

}  // namespace quillmark::qt
