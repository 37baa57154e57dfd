#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace quillmark::testing {

// A small HTTP/1.0 server on 127.0.0.1 inside the test: serves the pages it
// is given by path, 404 for the rest, one request per connection.
class LocalHttpServer : public QObject {
public:
    LocalHttpServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    void page(std::string path, std::string html) { pages_[std::move(path)] = std::move(html); }
    // "127.0.0.1:PORT/path": an address as a person types it.
    std::string hostAndPath(std::string_view path) const {
        return "127.0.0.1:" + std::to_string(server_.serverPort()) + std::string(path);
    }
    std::string url(std::string_view path) const { return "http://" + hostAndPath(path); }
    int requests(const std::string& path) { return requests_[path]; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                // The whole head is read first: closing on unread bytes would reset the connection.
                if (request->contains("\r\n\r\n")) answer(socket, *request);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket, const QByteArray& request) {
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        const std::string path = words.size() > 1 ? words[1].toStdString() : std::string();
        ++requests_[path];
        const auto found = pages_.find(path);
        const bool known = found != pages_.end();
        const std::string body = known ? found->second : "<html><body>Not found</body></html>";
        socket->write(QByteArray::fromStdString(
            (known ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
            std::string("\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: ") +
            std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body));
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<std::string, std::string> pages_;
    std::map<std::string, int> requests_;
};

}  // namespace quillmark::testing
