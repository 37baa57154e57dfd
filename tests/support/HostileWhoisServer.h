#pragma once

#include <sys/socket.h>

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <map>
#include <random>
#include <string>

namespace quillmark::testing {

// A whois server on 127.0.0.1 inside the test that misbehaves in one way.
class HostileWhoisServer : public QObject {
public:
    enum class Manner {
        Flood,        // a hundred megabytes as fast as the client drains them, never closing
        Garbage,      // binary bytes and NULs, then closes; "free" names hide "No match" in them
        Mute,         // accepts, never reads nor answers
        CloseAtOnce,  // closes as soon as it accepts
        Reset,        // resets the connection when the query arrives
        Drip,         // answers one byte per drip interval
        Stall,        // reads the query and never answers
    };
    static constexpr qint64 kFloodBytes = 100LL * 1024 * 1024;

    explicit HostileWhoisServer(Manner manner, int dripMs = 50) : manner_(manner), dripMs_(dripMs) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.setMaxPendingConnections(100);
        server_.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return server_.serverPort(); }
    int connections() const { return connections_; }
    // The most connections held open at one time.
    int peakOpen() const { return peakOpen_; }
    qint64 bytesSent() const { return bytesSent_; }
    const std::map<std::string, int>& queries() const { return queries_; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            peakOpen_ = std::max(peakOpen_, ++open_);
            socket->setParent(this);
            QObject::connect(socket, &QObject::destroyed, this, [this] { --open_; });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            begin(socket);
        }
    }

    void begin(QTcpSocket* socket) {
        switch (manner_) {
            case Manner::Mute:
                return;
            case Manner::CloseAtOnce:
                return socket->close();
            case Manner::Reset:
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { reset(socket); });
                return;
            case Manner::Flood:
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                                 [this, socket] { flood(socket); });
                flood(socket);
                break;
            default:
                break;
        }
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { query(socket); });
    }

    void query(QTcpSocket* socket) {
        while (socket->canReadLine()) {
            std::string line = socket->readLine().toStdString();
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
            ++queries_[line];
            if (manner_ == Manner::Garbage) return answerWithGarbage(socket, line);
            if (manner_ == Manner::Drip)
                return drip(socket, "Whois server\r\nNo match for \"" + line + "\".\r\n");
        }
    }

    // Keeps a little in the socket's buffer and tops it up as it drains.
    void flood(QTcpSocket* socket) {
        static const QByteArray chunk(64 * 1024, 'x');
        qint64 sent = socket->property("sent").toLongLong();
        while (socket->state() == QAbstractSocket::ConnectedState && sent < kFloodBytes &&
               socket->bytesToWrite() < 4 * chunk.size()) {
            const qint64 written = socket->write(chunk);
            if (written <= 0) break;
            sent += written;
            bytesSent_ += written;
        }
        socket->setProperty("sent", sent);
    }

    void answerWithGarbage(QTcpSocket* socket, const std::string& query) {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> byte(0, 255);
        std::string reply;
        for (int i = 0; i < 4096; ++i) reply += (i % 3 == 0) ? '\0' : static_cast<char>(byte(random));
        if (query.rfind("free", 0) == 0) reply.insert(2048, std::string("\0\0No match for ", 15) + query);
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
        bytesSent_ += static_cast<qint64>(reply.size());
        socket->disconnectFromHost();
    }

    // No lingering: closing sends a reset instead of the orderly goodbye.
    static void reset(QTcpSocket* socket) {
        const linger noLinger{1, 0};
        ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger,
                     sizeof noLinger);
        socket->abort();
    }

    void drip(QPointer<QTcpSocket> socket, std::string rest) {
        if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
        if (rest.empty()) return socket->disconnectFromHost();
        socket->write(rest.data(), 1);
        ++bytesSent_;
        QTimer::singleShot(dripMs_, socket, [this, socket, rest = rest.substr(1)] { drip(socket, rest); });
    }

    Manner manner_;
    int dripMs_;
    QTcpServer server_;
    std::map<std::string, int> queries_;
    int connections_ = 0;
    int open_ = 0;
    int peakOpen_ = 0;
    qint64 bytesSent_ = 0;
};

}  // namespace quillmark::testing
