#include "QtTcpClient.h"

#include <QHostAddress>
#include <QPointer>
#include <utility>

namespace quillmark::qt {

QtTcpClient::~QtTcpClient() {
    retire();
}

void QtTcpClient::retire() {
    ++generation_;
    if (!socket_) return;
    QObject::disconnect(socket_.get(), nullptr, &context_, nullptr);
    socket_->abort();
    socket_.reset();
}

void QtTcpClient::close() {
    retire();
    unread_.clear();
}

void QtTcpClient::connect(std::string_view host, std::uint16_t port) {
    close();
    everConnected_ = false;
    const std::uint64_t generation = generation_;
    socket_.reset(new QTcpSocket());
    QTcpSocket* socket = socket_.get();
    QObject::connect(socket, &QTcpSocket::connected, &context_,
                     [this, generation] { onConnected(generation); });
    QObject::connect(socket, &QTcpSocket::readyRead, &context_,
                     [this, generation] { onReadyRead(generation); });
    QObject::connect(socket, &QTcpSocket::disconnected, &context_,
                     [this, generation] { onDisconnected(generation); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, &context_,
                     [this, generation] { onError(generation); });
    // A port that cannot be bound means a connection that cannot be made:
    // silence, as for any other failure.
    if (localPort_ != 0 && !socket->bind(QHostAddress::Any, localPort_)) return;
    socket->connectToHost(QString::fromUtf8(host.data(), static_cast<qsizetype>(host.size())), port);
}

void QtTcpClient::send(std::string_view data) {
    if (!socket_ || socket_->state() == QAbstractSocket::UnconnectedState) return;
    socket_->write(data.data(), static_cast<qint64>(data.size()));
}

std::string QtTcpClient::read() {
    std::string bytes;
    bytes.swap(unread_);
    return bytes;
}

std::int32_t QtTcpClient::drain() {
    const QByteArray bytes = socket_->readAll();
    unread_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return static_cast<std::int32_t>(bytes.size());
}

void QtTcpClient::onConnected(std::uint64_t generation) {
    if (generation != generation_) return;
    everConnected_ = true;
    if (!events_.connected) return;
    // A copy: the owner may replace its handlers from inside this one.
    const auto handler = events_.connected;
    handler();
}

void QtTcpClient::onReadyRead(std::uint64_t generation) {
    if (generation != generation_) return;
    const std::int32_t arrived = drain();
    if (arrived == 0 || !events_.dataArrival) return;
    const auto handler = events_.dataArrival;
    handler(arrived);
}

// Only a connection that never came up fails; errors of an open one end in
// its close.
void QtTcpClient::onError(std::uint64_t generation) {
    if (generation != generation_ || everConnected_ || !events_.failed) return;
    const auto handler = events_.failed;
    handler();
}

void QtTcpClient::onDisconnected(std::uint64_t generation) {
    if (generation != generation_) return;
    const QPointer<QObject> alive(&context_);
    // Bytes that came with the peer's close have had no readyRead of their own.
    const std::int32_t arrived = drain();
    if (arrived > 0 && events_.dataArrival) {
        const auto handler = events_.dataArrival;
        handler(arrived);
        // Checked through the local guard first: the owner may have dropped
        // this client, and then no member may be touched.
        if (alive.isNull() || generation != generation_) return;
    }
    if (!events_.closed) return;
    const auto handler = events_.closed;
    handler();
}

}  // namespace quillmark::qt
