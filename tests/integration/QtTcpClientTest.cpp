#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtTcpClient.h"

namespace {

using quillmark::TcpClient;
using quillmark::qt::QtTcpClient;

constexpr int kWaitMs = 5000;
// How long a connection that cannot be made is watched for stray events.
constexpr int kSilenceMs = 1500;

// A server on 127.0.0.1 whose every move the test makes by hand.
class LoopbackServer {
public:
    LoopbackServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* peer = server_.nextPendingConnection()) peers_.push_back(peer);
        });
        listening_ = server_.listen(QHostAddress::LocalHost, 0);
    }

    bool listening() const { return listening_; }
    std::uint16_t port() const { return server_.serverPort(); }
    std::size_t accepted() const { return peers_.size(); }

    // The n-th connection accepted (from 1), or null when it does not come.
    QTcpSocket* peer(std::size_t n = 1) {
        if (!QTest::qWaitFor([&] { return peers_.size() >= n; }, kWaitMs)) return nullptr;
        return peers_[n - 1];
    }

private:
    QTcpServer server_;
    std::vector<QTcpSocket*> peers_;  // children of server_
    bool listening_ = false;
};

// What the peer has received once `size` bytes are there or the wait ends.
QByteArray receive(QTcpSocket* peer, qsizetype size) {
    QByteArray bytes;
    const auto enough = [&] {
        bytes += peer->readAll();
        return bytes.size() >= size;
    };
    return QTest::qWaitFor(enough, kWaitMs) ? bytes : bytes + " (incomplete)";
}

bool waitForPeerToSeeClose(QTcpSocket* peer) {
    return QTest::qWaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }, kWaitMs);
}

// A port on which nothing listens: taken from a server that stopped.
std::uint16_t deadPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const std::uint16_t port = probe.serverPort();
    probe.close();
    return port;
}

// Lets events run through the program's own pump, nested inside a handler
// as the engine does, until `done` or the wait ends.
template <typename Done>
void pumpUntil(Done done) {
    quillmark::qt::QtEventPump pump;
    const QDeadlineTimer deadline(kWaitMs);
    while (!done() && !deadline.hasExpired()) {
        pump.processPendingEvents();
        QThread::msleep(1);
    }
}

// The events a client raises, in order, as "connected", "data N", "closed".
// Hooks let a test act from inside a handler, as the engine does.
struct EventLog {
    explicit EventLog(TcpClient& client) {
        client.setEvents(TcpClient::Events{
            [this] { events.push_back("connected"); },
            [this](std::int32_t bytes) {
                events.push_back("data " + std::to_string(bytes));
                if (onData) onData();
            },
            [this] {
                events.push_back("closed");
                if (onClosed) onClosed();
            },
        });
    }

    bool waitFor(const std::string& event, int times = 1) const {
        return QTest::qWaitFor([&] { return count(event) >= times; }, kWaitMs);
    }
    int count(const std::string& event) const {
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    std::size_t bytesAnnounced() const {
        std::size_t total = 0;
        for (const std::string& event : events) {
            if (event.rfind("data ", 0) == 0) total += std::stoul(event.substr(5));
        }
        return total;
    }

    std::vector<std::string> events;
    std::function<void()> onData;
    std::function<void()> onClosed;
};

using Events = std::vector<std::string>;

// ---- A whole exchange ----------------------------------------------------

TEST(QtTcpClientExchange, ReplyInPiecesGivesDataEventsThenOneClosed) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);

    client.connect("127.0.0.1", server.port());
    ASSERT_TRUE(log.waitFor("connected"));
    // Every byte goes out as it is, NUL and non-ASCII included.
    const std::string query("ex\0\xff\xc3\xa9.com\r\n", 12);
    client.send(query);
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(receive(peer, 12), QByteArray(query.data(), 12));

    peer->write("Domain ");
    ASSERT_TRUE(log.waitFor("data 7"));
    peer->write("not found\r\n");
    ASSERT_TRUE(log.waitFor("data 11"));
    peer->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("closed"));
    QTest::qWait(100);  // room for a stray second close

    EXPECT_EQ(log.events, (Events{"connected", "data 7", "data 11", "closed"}));
    EXPECT_EQ(client.read(), "Domain not found\r\n");
    EXPECT_EQ(client.read(), "");
}

TEST(QtTcpClientExchange, HostNameIsResolved) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("localhost", server.port());
    EXPECT_TRUE(log.waitFor("connected"));
}

TEST(QtTcpClientExchange, LocalPortIsTheConnectionsSource) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    const std::uint16_t local = deadPort();
    ASSERT_NE(local, 0);
    QtTcpClient client;
    EventLog log(client);
    client.setLocalPort(local);
    client.connect("127.0.0.1", server.port());
    ASSERT_TRUE(log.waitFor("connected"));
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->peerPort(), local);
}

// ---- Closing from the peer's side -----------------------------------------

TEST(QtTcpClientPeerClose, BytesSentWithTheCloseArriveBeforeClosed) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    const QByteArray reply(200000, 'r');
    peer->write(reply);
    peer->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("closed"));
    QTest::qWait(100);

    EXPECT_EQ(log.count("closed"), 1);
    EXPECT_EQ(log.events.back(), "closed");
    EXPECT_EQ(log.bytesAnnounced(), static_cast<std::size_t>(reply.size()));
    EXPECT_EQ(client.read(), reply.toStdString());
}

TEST(QtTcpClientPeerClose, BytesArrivingWhileTheOwnerPumpsStillComeBeforeClosed) {
    // The engine lets events run from inside its data handler; what arrives
    // meanwhile, close included, must still be told in order.
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    bool nested = false;
    log.onData = [&] {
        if (nested) return;
        nested = true;
        peer->write("second");
        peer->disconnectFromHost();
        pumpUntil([&] { return log.count("closed") > 0; });
    };
    peer->write("first");
    ASSERT_TRUE(log.waitFor("closed"));
    QTest::qWait(100);

    EXPECT_EQ(log.events, (Events{"connected", "data 5", "data 6", "closed"}));
    EXPECT_EQ(client.read(), "firstsecond");
}

TEST(QtTcpClientPeerClose, CloseWithoutReplyGivesClosedOnly) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    ASSERT_TRUE(log.waitFor("connected"));
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    peer->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("closed"));
    QTest::qWait(100);
    EXPECT_EQ(log.events, (Events{"connected", "closed"}));
    EXPECT_EQ(client.read(), "");
}

// ---- Connections that cannot be made --------------------------------------

TEST(QtTcpClientNoConnection, RefusedConnectionStaysSilent) {
    const std::uint16_t port = deadPort();
    ASSERT_NE(port, 0);
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", port);
    QTest::qWait(kSilenceMs);
    EXPECT_TRUE(log.events.empty());
}

TEST(QtTcpClientNoConnection, UnknownHostStaysSilent) {
    QtTcpClient client;
    EventLog log(client);
    // Returns at once; the name is looked up on the side.
    client.connect("no-such-host.invalid", 43);
    QTest::qWait(kSilenceMs);
    EXPECT_TRUE(log.events.empty());
    // The client is destroyed here, perhaps with the lookup still running.
}

TEST(QtTcpClientNoConnection, BusyLocalPortStaysSilent) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.setLocalPort(server.port());  // taken by the server itself
    client.connect("127.0.0.1", server.port());
    QTest::qWait(300);
    EXPECT_TRUE(log.events.empty());
}

// ---- Closing from the owner's side ----------------------------------------

TEST(QtTcpClientOwnerClose, CloseWithoutConnectionIsHarmless) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.close();
    client.close();
    EXPECT_EQ(client.read(), "");

    client.connect("127.0.0.1", server.port());
    EXPECT_TRUE(log.waitFor("connected"));
}

TEST(QtTcpClientOwnerClose, NoEventFollowsCloseEvenWhenAlreadyWaiting) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    log.onData = [&] { client.close(); };
    // Reply and close go out together: the close may already wait behind
    // the data when the owner closes.
    peer->write("abc");
    peer->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("data 3"));
    QTest::qWait(300);

    EXPECT_EQ(log.events, (Events{"connected", "data 3"}));
    EXPECT_EQ(client.read(), "");
}

// The peer's last bytes and its close are told from one Qt signal; an
// owner that closes, or drops the client, on those bytes hears no more.
void endOnBytesToldWithThePeersClose(bool destroy) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    auto client = std::make_unique<QtTcpClient>();
    EventLog log(*client);
    client->connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    log.onData = [&] {
        if (log.count("data 6") == 1) {
            if (destroy) {
                client.reset();
            } else {
                client->close();
            }
            return;
        }
        peer->write("second");
        peer->disconnectFromHost();
        pumpUntil([&] { return log.count("data 6") > 0; });
    };
    peer->write("first");
    ASSERT_TRUE(log.waitFor("data 6"));
    QTest::qWait(200);
    EXPECT_EQ(log.events, (Events{"connected", "data 5", "data 6"}));
}

TEST(QtTcpClientOwnerClose, CloseOnBytesToldWithThePeersClose) {
    endOnBytesToldWithThePeersClose(false);
}

TEST(QtTcpClientOwnerClose, DestroyOnBytesToldWithThePeersClose) {
    endOnBytesToldWithThePeersClose(true);
}

TEST(QtTcpClientOwnerClose, CloseWhileReplyArrivesEndsTheConnection) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    log.onData = [&] { client.close(); };
    peer->write("part one");
    ASSERT_TRUE(log.waitFor("data 8"));
    peer->write("part two");
    EXPECT_TRUE(waitForPeerToSeeClose(peer));
    QTest::qWait(100);

    EXPECT_EQ(log.events, (Events{"connected", "data 8"}));
}

TEST(QtTcpClientOwnerClose, ReconnectFromTheClosedHandler) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    log.onClosed = [&] {
        if (log.count("closed") == 1) client.connect("127.0.0.1", server.port());
    };
    client.connect("127.0.0.1", server.port());
    QTcpSocket* first = server.peer(1);
    ASSERT_NE(first, nullptr);
    first->disconnectFromHost();

    QTcpSocket* second = server.peer(2);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(log.waitFor("connected", 2));
    second->write("again");
    second->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("closed", 2));
    QTest::qWait(100);

    EXPECT_EQ(log.events, (Events{"connected", "closed", "connected", "data 5", "closed"}));
    EXPECT_EQ(client.read(), "again");
    EXPECT_EQ(server.accepted(), 2u);
}

TEST(QtTcpClientOwnerClose, ConnectAgainDropsTheOldConnection) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    QtTcpClient client;
    EventLog log(client);
    client.connect("127.0.0.1", server.port());
    QTcpSocket* first = server.peer(1);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(log.waitFor("connected"));

    client.connect("127.0.0.1", server.port());
    QTcpSocket* second = server.peer(2);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(log.waitFor("connected", 2));
    first->write("stale");
    EXPECT_TRUE(waitForPeerToSeeClose(first));
    second->write("fresh");
    ASSERT_TRUE(log.waitFor("data 5"));
    QTest::qWait(100);

    EXPECT_EQ(log.events, (Events{"connected", "connected", "data 5"}));
    EXPECT_EQ(client.read(), "fresh");
}

TEST(QtTcpClientOwnerClose, ClientDestroyedInsideItsHandler) {
    LoopbackServer server;
    ASSERT_TRUE(server.listening());
    auto client = std::make_unique<QtTcpClient>();
    EventLog log(*client);
    log.onData = [&] { client.reset(); };
    client->connect("127.0.0.1", server.port());
    QTcpSocket* peer = server.peer();
    ASSERT_NE(peer, nullptr);

    peer->write("bye");
    peer->disconnectFromHost();
    ASSERT_TRUE(log.waitFor("data 3"));
    QTest::qWait(200);

    EXPECT_EQ(client, nullptr);
    EXPECT_EQ(log.events, (Events{"connected", "data 3"}));
}

}  // namespace
