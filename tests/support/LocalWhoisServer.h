#pragma once

#include <sys/socket.h>

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace quillmark::testing {

// A whois server on 127.0.0.1 inside the test. It answers each query line by
// rule, or misbehaves in one way on every connection. By default names
// starting with "free" are unregistered, "empty" gets no text, "silent" never
// gets an answer, "pieces" gets its reply a few bytes at a time, "drip" one
// byte every 50 ms, and "junk" binary bytes and NULs, hiding "No match" when
// the name holds "free".
class LocalWhoisServer : public QObject {
public:
    struct Reply {
        std::optional<std::string> text;            // nothing: keep the connection open, say nothing
        std::size_t pieceSize = std::string::npos;  // npos: all at once
        int pieceMs = 2;
    };
    using Rule = std::function<Reply(const std::string& query)>;
    enum class Manner {
        Answer,       // by the rule; a rule answering nothing stalls
        CloseAtOnce,  // closes as soon as it accepts
        Reset,        // resets the connection when the query arrives
        Flood,        // a hundred megabytes as fast as the client drains them, never closing
        Refuse,       // listens once, then closes: connections are refused
    };

    explicit LocalWhoisServer(Rule rule = {}, Manner manner = Manner::Answer)
        : rule_(rule ? std::move(rule) : defaultRule()), manner_(manner) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.setMaxPendingConnections(100);
        server_.listen(QHostAddress::LocalHost, 0);
        port_ = server_.serverPort();
        if (manner == Manner::Refuse) server_.close();
    }

    quint16 port() const { return port_; }
    const std::map<std::string, int>& queries() const { return queries_; }

    // A loopback port that refuses connections.
    static quint16 refusedPort() { return LocalWhoisServer({}, Manner::Refuse).port(); }

    static Rule defaultRule() {
        return [](const std::string& query) -> Reply {
            const std::string free = "No match for \"" + query + "\".\r\n";
            if (query.starts_with("silent")) return {};
            if (query.starts_with("empty")) return {std::string()};
            if (query.starts_with("pieces")) return {"Whois server\r\n" + free, 4};
            if (query.starts_with("drip")) return {"Whois server\r\n" + free, 1, 50};
            if (!query.starts_with("junk"))
                return {query.starts_with("free") ? free : "   Domain Name: " + query + "\r\n"};
            std::string junk;
            for (int i = 0; i < 4096; ++i) junk += static_cast<char>(i % 3 ? i * 131 % 251 : 0);
            if (query.find("free") != std::string::npos)
                junk.insert(2048, std::string("\0\0No match for ", 15) + query);
            return {junk};
        };
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (manner_ == Manner::CloseAtOnce) socket->close();
            if (manner_ == Manner::Flood) {
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                                 [this, socket] { flood(socket); });
                flood(socket);
            }
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        }
    }

    void answer(QTcpSocket* socket) {
        if (!socket->canReadLine()) return;
        std::string query = socket->readLine().toStdString();
        while (!query.empty() && (query.back() == '\n' || query.back() == '\r')) query.pop_back();
        ++queries_[query];
        if (manner_ == Manner::Reset) {
            // No lingering: closing sends a reset instead of the orderly goodbye.
            const linger noLinger{1, 0};
            ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger,
                         sizeof noLinger);
            return socket->abort();
        }
        if (manner_ != Manner::Answer) return;
        const Reply reply = rule_(query);
        if (reply.text) send(socket, *reply.text, reply.pieceSize, reply.pieceMs);
    }

    // Writes the next piece, and the rest a moment later, so the client sees
    // several arrivals; closes after the last.
    void send(QPointer<QTcpSocket> socket, std::string rest, std::size_t pieceSize, int pieceMs) {
        if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
        const std::string piece = rest.substr(0, pieceSize);
        socket->write(piece.data(), static_cast<qint64>(piece.size()));
        socket->flush();
        rest.erase(0, piece.size());
        if (rest.empty()) return socket->disconnectFromHost();
        QTimer::singleShot(pieceMs, socket, [=, this] { send(socket, rest, pieceSize, pieceMs); });
    }

    // Keeps a little in the socket's buffer and tops it up as it drains.
    void flood(QTcpSocket* socket) {
        static const QByteArray chunk(64 * 1024, 'x');
        qint64 sent = socket->property("sent").toLongLong();
        while (socket->state() == QAbstractSocket::ConnectedState && sent < 100LL * 1024 * 1024 &&
               socket->bytesToWrite() < 4 * chunk.size()) {
            const qint64 written = socket->write(chunk);
            if (written <= 0) break;
            sent += written;
        }
        socket->setProperty("sent", sent);
    }

    Rule rule_;
    Manner manner_;
    QTcpServer server_;
    quint16 port_ = 0;
    std::map<std::string, int> queries_;
};

}  // namespace quillmark::testing
