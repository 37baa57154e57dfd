#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtTcpClient.h"

namespace {

using quillmark::TcpClient;
using quillmark::qt::QtTcpClient;
using Events = std::vector<std::string>;

constexpr int kWaitMs = 5000;
// How long a connection that cannot be made is watched for stray events.
constexpr int kSilenceMs = 1500;

// Room for a stray late event to show up.
void settle(int ms = 150) {
    QTest::qWait(ms);
}

// A port on which nothing listens: taken from a server that stopped.
std::uint16_t deadPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const std::uint16_t port = probe.serverPort();
    probe.close();
    return port;
}

// Runs events through the program's own pump, nested inside a handler as the
// engine does, until `done` or the wait ends.
void pumpUntil(const std::function<bool()>& done) {
    quillmark::qt::QtEventPump pump;
    const QDeadlineTimer deadline(kWaitMs);
    while (!done() && !deadline.hasExpired()) {
        pump.processPendingEvents();
        QThread::msleep(1);
    }
}

bool waitForPeerToSeeClose(QTcpSocket* peer) {
    return QTest::qWaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }, kWaitMs);
}

// A server on 127.0.0.1 moved by hand, and a client whose events are logged
// as "connected", "data N", "closed". Hooks act from inside a handler.
struct Rig {
    Rig() {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* peer = server.nextPendingConnection()) peers.push_back(peer);
        });
        listening = server.listen(QHostAddress::LocalHost, 0);
        client->setEvents(TcpClient::Events{
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

    void connect() { client->connect("127.0.0.1", server.serverPort()); }
    // The n-th connection accepted (from 1), or null when it does not come.
    QTcpSocket* peer(std::size_t n = 1) {
        if (!listening || !QTest::qWaitFor([&] { return peers.size() >= n; }, kWaitMs)) return nullptr;
        return peers[n - 1];
    }
    QTcpSocket* connectAndAccept() {
        connect();
        return peer();
    }
    int count(const std::string& event) const {
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    bool waitFor(const std::string& event, int times = 1) const {
        return QTest::qWaitFor([&] { return count(event) >= times; }, kWaitMs);
    }

    QTcpServer server;
    std::vector<QTcpSocket*> peers;  // children of server
    bool listening = false;
    std::unique_ptr<QtTcpClient> client = std::make_unique<QtTcpClient>();
    Events events;
    std::function<void()> onData;
    std::function<void()> onClosed;
};

// ---- Exchanges ----------------------------------------------------------------

// Also: a host name is looked up, and the local port set is the source.
TEST(QtTcpClientExchange, ReplyInPiecesGivesDataEventsThenOneClosed) {
    Rig rig;
    const std::uint16_t local = deadPort();
    ASSERT_NE(local, 0);
    rig.client->setLocalPort(local);
    rig.client->connect("localhost", rig.server.serverPort());
    QTcpSocket* peer = rig.peer();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->peerPort(), local);
    ASSERT_TRUE(rig.waitFor("connected"));
    // Every byte goes out as it is, NUL and non-ASCII included.
    const std::string query("ex\0\xff\xc3\xa9.com\r\n", 12);
    rig.client->send(query);
    QByteArray received;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (received += peer->readAll()).size() >= 12; }, kWaitMs));
    EXPECT_EQ(received, QByteArray(query.data(), 12));

    peer->write("Domain ");
    ASSERT_TRUE(rig.waitFor("data 7"));
    peer->write("not found\r\n");
    ASSERT_TRUE(rig.waitFor("data 11"));
    peer->disconnectFromHost();
    ASSERT_TRUE(rig.waitFor("closed"));
    settle();
    EXPECT_EQ(rig.events, (Events{"connected", "data 7", "data 11", "closed"}));
    EXPECT_EQ(rig.client->read(), "Domain not found\r\n");
    EXPECT_EQ(rig.client->read(), "");
}

TEST(QtTcpClientExchange, PeerCloseComesAfterEveryByteSentWithIt) {
    for (const QByteArray& reply : {QByteArray(), QByteArray(200000, 'r')}) {
        SCOPED_TRACE(reply.size());
        Rig rig;
        QTcpSocket* peer = rig.connectAndAccept();
        ASSERT_NE(peer, nullptr);
        ASSERT_TRUE(rig.waitFor("connected"));
        peer->write(reply);
        peer->disconnectFromHost();
        ASSERT_TRUE(rig.waitFor("closed"));
        settle();

        EXPECT_EQ(rig.count("closed"), 1);
        EXPECT_EQ(rig.events.back(), "closed");
        std::size_t announced = 0;
        for (const std::string& event : rig.events)
            if (event.rfind("data ", 0) == 0) announced += std::stoul(event.substr(5));
        EXPECT_EQ(announced, static_cast<std::size_t>(reply.size()));
        EXPECT_EQ(rig.client->read(), reply.toStdString());
        if (reply.isEmpty()) {
            EXPECT_EQ(rig.events, (Events{"connected", "closed"}));
        }
    }
}

TEST(QtTcpClientExchange, BytesArrivingWhileTheOwnerPumpsStillComeBeforeClosed) {
    Rig rig;
    QTcpSocket* peer = rig.connectAndAccept();
    ASSERT_NE(peer, nullptr);
    bool nested = false;
    rig.onData = [&] {
        if (std::exchange(nested, true)) return;
        peer->write("second");
        peer->disconnectFromHost();
        pumpUntil([&] { return rig.count("closed") > 0; });
    };
    peer->write("first");
    ASSERT_TRUE(rig.waitFor("closed"));
    settle();
    EXPECT_EQ(rig.events, (Events{"connected", "data 5", "data 6", "closed"}));
    EXPECT_EQ(rig.client->read(), "firstsecond");
}

// ---- Connections that cannot be made ------------------------------------------

TEST(QtTcpClientNoConnection, RefusedUnknownOrBusyStaysSilent) {
    Rig busy;  // its local port is taken by its own server
    ASSERT_TRUE(busy.listening);
    busy.client->setLocalPort(busy.server.serverPort());
    busy.connect();
    Rig refused;
    const std::uint16_t port = deadPort();
    ASSERT_NE(port, 0);
    refused.client->connect("127.0.0.1", port);
    // Returns at once; the name is looked up on the side, and the client is
    // destroyed at the end perhaps with the lookup still running.
    Rig unknown;
    unknown.client->connect("no-such-host.invalid", 43);

    settle(kSilenceMs);
    EXPECT_EQ(busy.events, Events{});
    EXPECT_EQ(refused.events, Events{});
    EXPECT_EQ(unknown.events, Events{});
}

// ---- Ending from the owner's side ---------------------------------------------

TEST(QtTcpClientOwnerEnd, CloseWithoutConnectionIsHarmless) {
    Rig rig;
    rig.client->close();
    rig.client->close();
    EXPECT_EQ(rig.client->read(), "");
    rig.connect();
    EXPECT_TRUE(rig.waitFor("connected"));
}

// Closing or dropping the client from its data handler silences it, even
// when the peer's close already waits behind the data, or is told from the
// same Qt signal as bytes that arrived while the owner pumped events.
TEST(QtTcpClientOwnerEnd, NothingFollowsCloseOrDestroyInTheDataHandler) {
    for (const bool destroy : {false, true}) {
        for (const bool nested : {false, true}) {
            SCOPED_TRACE(std::string(destroy ? "destroy" : "close") + (nested ? ", nested" : ""));
            Rig rig;
            QTcpSocket* peer = rig.connectAndAccept();
            ASSERT_NE(peer, nullptr);
            const std::string last = nested ? "data 6" : "data 5";
            rig.onData = [&] {
                if (rig.count(last) == 1) {
                    destroy ? rig.client.reset() : rig.client->close();
                    return;
                }
                peer->write("second");
                peer->disconnectFromHost();
                pumpUntil([&] { return rig.count(last) > 0; });
            };
            peer->write("first");
            if (!nested) peer->disconnectFromHost();
            ASSERT_TRUE(rig.waitFor(last));
            settle();
            EXPECT_EQ(rig.events,
                      nested ? (Events{"connected", "data 5", "data 6"}) : (Events{"connected", "data 5"}));
            EXPECT_EQ(rig.client == nullptr, destroy);
            if (!destroy) {
                EXPECT_EQ(rig.client->read(), "");
            }
        }
    }
}

TEST(QtTcpClientOwnerEnd, CloseWhileReplyArrivesEndsTheConnection) {
    Rig rig;
    QTcpSocket* peer = rig.connectAndAccept();
    ASSERT_NE(peer, nullptr);
    rig.onData = [&] { rig.client->close(); };
    peer->write("part one");
    ASSERT_TRUE(rig.waitFor("data 8"));
    peer->write("part two");
    EXPECT_TRUE(waitForPeerToSeeClose(peer));
    settle();
    EXPECT_EQ(rig.events, (Events{"connected", "data 8"}));
}

TEST(QtTcpClientOwnerEnd, ReconnectOrDestroyFromTheClosedHandler) {
    Rig rig;
    rig.onClosed = [&] {
        if (rig.count("closed") == 1)
            rig.connect();
        else
            rig.client.reset();
    };
    QTcpSocket* first = rig.connectAndAccept();
    ASSERT_NE(first, nullptr);
    first->disconnectFromHost();

    QTcpSocket* second = rig.peer(2);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(rig.waitFor("connected", 2));
    second->write("again");
    ASSERT_TRUE(rig.waitFor("data 5"));
    EXPECT_EQ(rig.client->read(), "again");
    second->disconnectFromHost();
    ASSERT_TRUE(rig.waitFor("closed", 2));
    settle();
    EXPECT_EQ(rig.events, (Events{"connected", "closed", "connected", "data 5", "closed"}));
    EXPECT_EQ(rig.client, nullptr);
    EXPECT_EQ(rig.peers.size(), 2u);
}

TEST(QtTcpClientOwnerEnd, ConnectAgainDropsTheOldConnection) {
    Rig rig;
    QTcpSocket* first = rig.connectAndAccept();
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(rig.waitFor("connected"));
    rig.connect();
    QTcpSocket* second = rig.peer(2);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(rig.waitFor("connected", 2));

    first->write("stale");
    EXPECT_TRUE(waitForPeerToSeeClose(first));
    second->write("fresh");
    ASSERT_TRUE(rig.waitFor("data 5"));
    settle();
    EXPECT_EQ(rig.events, (Events{"connected", "connected", "data 5"}));
    EXPECT_EQ(rig.client->read(), "fresh");
}

}  // namespace
