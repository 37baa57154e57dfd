#pragma once

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <map>
#include <string>

namespace quillmark::testing {

// A whois server on 127.0.0.1 inside the test: reads one query line and
// answers by rule, then closes. Names starting with "free" are unregistered.
class LocalWhoisServer : public QObject {
public:
    using Rule = std::function<std::string(const std::string& query)>;

    explicit LocalWhoisServer(Rule rule = {}) : rule_(rule ? std::move(rule) : defaultRule()) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return server_.serverPort(); }
    const std::map<std::string, int>& queries() const { return queries_; }

    static Rule defaultRule() {
        return [](const std::string& query) {
            return query.rfind("free", 0) == 0 ? "No match for \"" + query + "\".\r\n"
                                               : "   Domain Name: " + query + "\r\n";
        };
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
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
        const std::string reply = rule_(query);
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
        socket->disconnectFromHost();
    }

    Rule rule_;
    QTcpServer server_;
    std::map<std::string, int> queries_;
};

}  // namespace quillmark::testing
