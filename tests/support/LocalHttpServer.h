#pragma once

#include <sys/socket.h>

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quillmark::testing {

// An HTTP/1.1 server on 127.0.0.1 inside the test or bench: it keeps
// connections alive and answers each GET by rule, from the path asked.
class LocalHttpServer : public QObject {
public:
    struct Answer {
        using Headers = std::vector<std::pair<std::string, std::string>>;
        enum class Manner { Answer, Stall, Reset };
        static Answer Of(int status, std::string body = {}, Headers headers = {}) {
            return {status, std::move(body), std::move(headers), Manner::Answer};
        }
        static Answer Doing(Manner manner) { return {0, {}, {}, manner}; }

        int status = 200;
        std::string body;
        Headers headers;
        Manner manner = Manner::Answer;
    };
    using Rule = std::function<Answer(const std::string& path)>;

    explicit LocalHttpServer(Rule rule) : rule_(std::move(rule)) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.setMaxPendingConnections(100);
        server_.listen(QHostAddress::LocalHost, 0);
    }

    // Its sockets go with it, without telling it.
    ~LocalHttpServer() override {
        for (QTcpSocket* socket : findChildren<QTcpSocket*>()) socket->disconnect();
    }

    // The address requests start with, ending in "/".
    std::string base() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/"; }
    // How often each path was asked.
    const std::map<std::string, int>& paths() const { return paths_; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                pending_.erase(socket);
                socket->deleteLater();
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        }
    }

    void serve(QTcpSocket* socket) {
        QByteArray& pending = pending_[socket];
        pending += socket->readAll();
        for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
            const QByteArray head = pending.left(end);
            pending.remove(0, end + 4);
            const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
            const std::string path = words.size() > 1 ? words[1].toStdString() : std::string();
            ++paths_[path];
            const Answer answer = rule_(path);
            if (answer.manner == Answer::Manner::Stall) continue;
            if (answer.manner == Answer::Manner::Reset) return reset(socket);
            std::string reply = "HTTP/1.1 " + std::to_string(answer.status) +
                                " Reason\r\nContent-Length: " + std::to_string(answer.body.size()) +
                                "\r\nContent-Type: application/rdap+json\r\n";
            for (const auto& [name, value] : answer.headers) reply += name + ": " + value + "\r\n";
            reply += "\r\n" + answer.body;
            socket->write(reply.data(), static_cast<qint64>(reply.size()));
        }
    }

    // No lingering: closing sends a reset instead of the orderly goodbye.
    void reset(QTcpSocket* socket) {
        const linger noLinger{1, 0};
        ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger,
                     sizeof noLinger);
        pending_.erase(socket);
        socket->abort();
    }

    Rule rule_;
    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> pending_;
    std::map<std::string, int> paths_;
};

}  // namespace quillmark::testing
