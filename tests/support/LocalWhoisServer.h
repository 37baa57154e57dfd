#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace quillmark::testing {

// A whois server on 127.0.0.1 inside the test: reads one query line and
// answers by rule. By default names starting with "free" are unregistered,
// "empty" gets no text, "silent" never gets an answer and "pieces" gets its
// reply a few bytes at a time.
class LocalWhoisServer : public QObject {
public:
    struct Reply {
        std::optional<std::string> text;  // nothing: keep the connection open, say nothing
        std::size_t pieceSize = 0;        // 0: all at once
    };
    using Rule = std::function<Reply(const std::string& query)>;

    explicit LocalWhoisServer(Rule rule = {}) : rule_(rule ? std::move(rule) : defaultRule()) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return server_.serverPort(); }
    const std::map<std::string, int>& queries() const { return queries_; }
    int connections() const { return connections_; }

    // A loopback port that refuses connections: listened on once, then closed.
    static quint16 refusedPort() {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        return server.serverPort();
    }

    static Rule defaultRule() {
        return [](const std::string& query) -> Reply {
            if (query.rfind("silent", 0) == 0) return {};
            if (query.rfind("empty", 0) == 0) return {std::string()};
            if (query.rfind("pieces", 0) == 0)
                return {"Whois server\r\nNo match for \"" + query + "\".\r\n", 4};
            if (query.rfind("free", 0) == 0) return {"No match for \"" + query + "\".\r\n"};
            return {"   Domain Name: " + query + "\r\n"};
        };
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket) {
        if (!socket->canReadLine()) return;
        std::string query = socket->readLine().toStdString();
        while (!query.empty() && (query.back() == '\n' || query.back() == '\r')) query.pop_back();
        ++queries_[query];
        const Reply reply = rule_(query);
        if (!reply.text) return;
        sendPieces(socket, *reply.text, reply.pieceSize == 0 ? reply.text->size() : reply.pieceSize);
    }

    // Writes the next piece, and the rest a moment later, so the client sees
    // several arrivals; closes after the last.
    void sendPieces(QPointer<QTcpSocket> socket, std::string rest, std::size_t pieceSize) {
        if (!socket) return;
        const std::string piece = rest.substr(0, pieceSize);
        socket->write(piece.data(), static_cast<qint64>(piece.size()));
        socket->flush();
        rest.erase(0, piece.size());
        if (rest.empty()) {
            socket->disconnectFromHost();
            return;
        }
        QTimer::singleShot(2, this, [this, socket, rest, pieceSize] { sendPieces(socket, rest, pieceSize); });
    }

    Rule rule_;
    QTcpServer server_;
    std::map<std::string, int> queries_;
    int connections_ = 0;
};

}  // namespace quillmark::testing
