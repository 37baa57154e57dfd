#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"

namespace {

using quillmark::testing::LocalWhoisServer;
using Events = std::vector<std::string>;

constexpr int kWaitMs = 5000;

// A server on 127.0.0.1 moved by hand, and a client whose events are logged as
// "connected", "data N", "closed", with data events in a row summed: how bytes split
// into arrivals is the network's business. Hooks act from inside a handler.
struct Rig {
    Rig() {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* peer = server.nextPendingConnection()) peers.push_back(peer);
        });
        server.listen(QHostAddress::LocalHost, 0);
        client->setEvents({[this] { events.push_back("connected"); },
                           [this](std::int32_t bytes) {
                               ++arrivals;
                               if (!events.empty() && events.back().starts_with("data "))
                                   bytes += std::stoi(events.back().substr(5)), events.pop_back();
                               events.push_back("data " + std::to_string(bytes));
                               onData();
                           },
                           [this] { events.push_back("closed"), onClosed(); }});
    }

    void connect() { client->connect("127.0.0.1", server.serverPort()); }
    // The n-th connection accepted (from 1), or null when it does not come.
    QTcpSocket* peer(std::size_t n = 1) {
        return QTest::qWaitFor([&] { return peers.size() >= n; }, kWaitMs) ? peers[n - 1] : nullptr;
    }
    bool waitFor(const std::string& event, long times = 1) const {
        return QTest::qWaitFor([&] { return std::count(events.begin(), events.end(), event) >= times; },
                               kWaitMs);
    }

    QTcpServer server;
    std::vector<QTcpSocket*> peers;  // children of server
    std::unique_ptr<quillmark::qt::QtTcpClient> client = std::make_unique<quillmark::qt::QtTcpClient>();
    Events events;
    int arrivals = 0;
    std::function<void()> onData = [] {}, onClosed = [] {};
};

// Only a connection that can be made is heard of, and every byte sent goes out as it
// is; a client closed before any connection works as new.
TEST(QtTcpClientTest, ConnectsByNameFromItsLocalPortElseStaysSilent) {
    const std::uint16_t local = LocalWhoisServer::refusedPort();
    const struct {
        const char* host;
        std::uint16_t port;  // 0: the rig's server
        int localPort;       // -1: the rig's server port, so taken
    } attempts[] = {
        {"localhost", 0, local},
        {"127.0.0.1", 0, -1},
        {"127.0.0.1", LocalWhoisServer::refusedPort(), 0},
        {"no-such-host.invalid", 43, 0},  // looked up on the side, perhaps still when destroyed
    };
    std::vector<std::unique_ptr<Rig>> rigs;
    for (const auto& attempt : attempts) {
        Rig& rig = *rigs.emplace_back(std::make_unique<Rig>());
        rig.client->close();
        rig.client->setLocalPort(attempt.localPort < 0 ? rig.server.serverPort() : attempt.localPort);
        rig.client->connect(attempt.host, attempt.port == 0 ? rig.server.serverPort() : attempt.port);
    }
    QTest::qWait(1500);
    for (std::size_t n = 0; n < rigs.size(); ++n)
        EXPECT_EQ(rigs[n]->events, n == 0 ? Events{"connected"} : Events{}) << n;
    QTcpSocket* peer = rigs[0]->peer();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->peerPort(), local);
    const std::string query("ex\0\xff\xc3\xa9.com\r\n", 12);
    rigs[0]->client->send(query);
    QByteArray received;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (received += peer->readAll()).size() >= 12; }, kWaitMs));
    EXPECT_EQ(received.toStdString(), query);
}

enum class Then { Nothing, Close, Drop };
using Act = std::function<void(Rig&, QTcpSocket* peer)>;

// The peer replies; at the first arrival the data handler runs the program's own event
// pump while the peer sends "second" and closes, and at that second arrival does `then`.
Act nestedReply(Then then) {
    return [=](Rig& rig, QTcpSocket* peer) {
        rig.onData = [&rig, peer, then] {
            if (rig.arrivals == 1) {
                peer->write("second");
                peer->disconnectFromHost();
                quillmark::qt::QtEventPump pump;
                for (const QDeadlineTimer end(kWaitMs); rig.arrivals < 2 && !end.hasExpired();
                     QThread::msleep(1))
                    pump.processPendingEvents();
            } else if (then == Then::Close) {
                rig.client->close();
            } else if (then == Then::Drop) {
                rig.client.reset();
            }
        };
        peer->write("first");
    };
}

Act peerSends(const QByteArray& reply) {
    return [=](Rig&, QTcpSocket* peer) { peer->write(reply), peer->disconnectFromHost(); };
}

// What the client tells of an exchange: closing or dropping it from a handler silences
// it, even with the peer's close already waiting, and data comes before closed.
TEST(QtTcpClientTest, EventsOfAnExchange) {
    const std::string large(200000, 'r');
    const struct {
        Act act;
        Events events;
        std::optional<std::string> unread;  // nothing: the client was dropped
    } exchanges[] = {
        {peerSends(""), {"connected", "closed"}, ""},
        {peerSends(large.c_str()), {"connected", "data 200000", "closed"}, large},
        {nestedReply(Then::Nothing), {"connected", "data 11", "closed"}, "firstsecond"},
        {nestedReply(Then::Close), {"connected", "data 11"}, ""},
        {nestedReply(Then::Drop), {"connected", "data 11"}, std::nullopt},
        {[](Rig& rig, QTcpSocket* peer) {  // closed while the reply arrives
             rig.onData = [&rig] { rig.client->close(); };
             peer->write("part one");
             ASSERT_TRUE(rig.waitFor("data 8"));
             peer->write("part two");
             EXPECT_TRUE(QTest::qWaitFor([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));
         },
         {"connected", "data 8"},
         ""},
        {[](Rig& rig, QTcpSocket* peer) {  // reconnected, then dropped, from the closed handler
             rig.onClosed = [&rig] { rig.events.size() > 2 ? rig.client.reset() : rig.connect(); };
             peer->disconnectFromHost();
             QTcpSocket* second = rig.peer(2);
             ASSERT_TRUE(second && rig.waitFor("connected", 2));
             second->write("again");
             ASSERT_TRUE(rig.waitFor("data 5"));
             EXPECT_EQ(rig.client->read(), "again");
             second->disconnectFromHost();
         },
         {"connected", "closed", "connected", "data 5", "closed"},
         std::nullopt},
        {[](Rig& rig, QTcpSocket* first) {  // connecting again drops the old connection
             rig.connect();
             QTcpSocket* second = rig.peer(2);
             ASSERT_TRUE(second && rig.waitFor("connected", 2));
             first->write("stale");
             EXPECT_TRUE(
                 QTest::qWaitFor([&] { return first->state() == QAbstractSocket::UnconnectedState; }));
             second->write("fresh");
         },
         {"connected", "connected", "data 5"},
         "fresh"},
    };
    for (std::size_t n = 0; n < std::size(exchanges); ++n) {
        SCOPED_TRACE(n);
        Rig rig;
        rig.connect();
        QTcpSocket* peer = rig.peer();
        ASSERT_TRUE(peer && rig.waitFor("connected"));
        exchanges[n].act(rig, peer);
        // Then room for a stray late event.
        QTest::qWait(QTest::qWaitFor([&] { return rig.events == exchanges[n].events; }, kWaitMs) ? 150 : 0);
        EXPECT_EQ(rig.events, exchanges[n].events);
        ASSERT_EQ(rig.client != nullptr, exchanges[n].unread.has_value());
        if (rig.client) {
            EXPECT_EQ(rig.client->read(), *exchanges[n].unread);
            EXPECT_EQ(rig.client->read(), "");
        }
    }
}

}  // namespace
