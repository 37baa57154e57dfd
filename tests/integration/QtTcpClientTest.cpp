#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cctype>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"

namespace {

using quillmark::testing::LocalWhoisServer;
using Actions = std::deque<std::string>;  // and events

constexpr int kWaitMs = 5000;

Actions words(std::string_view text) {
    Actions actions;
    for (const auto word : quillmark::text::split(text, ' '))
        if (!word.empty()) actions.emplace_back(word);
    return actions;
}

// A server moved by a script, and a client whose events are logged with data events in a
// row summed: how bytes split into arrivals is the network's business. Each handler call
// takes its next action: "close", "drop" (keeping what was unread), "connect", or "nest":
// the rest of the script runs and the program's own pump turns until another arrival.
struct Rig {
    explicit Rig(std::string_view data = "", std::string_view closed = "")
        : onData(words(data)), onClosed(words(closed)) {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* peer = server.nextPendingConnection()) peers.push_back(peer);
        });
        server.listen(QHostAddress::LocalHost, 0);
        client->setEvents({[this] { events.push_back("connected"); },
                           [this](std::int32_t bytes) {
                               ++arrivals;
                               if (!events.empty() && events.back().starts_with("data:"))
                                   bytes += std::stoi(events.back().substr(5)), events.pop_back();
                               events.push_back("data:" + std::to_string(bytes));
                               act(onData);
                           },
                           [this] { events.push_back("closed"), act(onClosed); },
                           [this] { events.push_back("failed"); }});
    }

    void connect() { client->connect("localhost", port ? port : server.serverPort()); }
    bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kWaitMs); }

    void act(Actions& actions) {
        const std::string action = actions.empty() ? "" : actions.front();
        if (!actions.empty()) actions.pop_front();
        if (action == "close") client->close();
        if (action == "connect") connect();
        if (action == "drop") unread = client->read(), client.reset();
        if (action != "nest") return;
        const int before = arrivals;
        run();
        quillmark::qt::QtEventPump pump;
        for (const QDeadlineTimer end(kWaitMs); arrivals == before && !end.hasExpired(); QThread::msleep(1))
            pump.processPendingEvents();
    }

    // "1>text" peer 1 writes, "1x" it closes, "1-" waits until it is gone, "n" connects
    // again, "cN" waits for the N-th connection, "aN" for N arrivals, "s" sends odd bytes
    // that the last peer must receive as they are.
    void run() {
        while (!script.empty()) {
            const std::string step = script.front();
            script.pop_front();
            QTcpSocket* p = std::isdigit(step[0]) ? peers.at(step[0] - '1') : nullptr;
            const int n = std::isdigit(step.back()) ? step.back() - '0' : 0;
            if (step[1] == '>') p->write(step.substr(2).c_str());
            if (step[1] == 'x') p->disconnectFromHost();
            if (step == "n") connect();
            bool done = true;
            if (step[1] == '-')
                done = waitFor([&] { return p->state() == QAbstractSocket::UnconnectedState; });
            if (step[0] == 'c')
                done = waitFor(
                    [&] { return std::ssize(peers) >= n && std::ranges::count(events, "connected") >= n; });
            if (step[0] == 'a') done = waitFor([&] { return arrivals >= n; });
            EXPECT_TRUE(done) << step;
            if (step != "s") continue;
            const std::string query("ex\0\xff\xc3\xa9.com\r\n", 12);
            client->send(query);
            QByteArray received;
            EXPECT_TRUE(waitFor([&] { return (received += peers.back()->readAll()).size() >= 12; }));
            EXPECT_EQ(received.toStdString(), query);
        }
    }

    QTcpServer server;
    std::vector<QTcpSocket*> peers;  // children of server
    std::unique_ptr<quillmark::qt::QtTcpClient> client = std::make_unique<quillmark::qt::QtTcpClient>();
    Actions events;
    int arrivals = 0;
    std::uint16_t port = 0;  // 0: the rig's own server
    Actions onData, onClosed, script;
    std::string unread;
};

// Closing, dropping or reconnecting from a handler silences the old connection, even
// with the peer's close already waiting; data comes before closed; a connection that
// cannot be made is never heard of, and bytes sent go out as they are.
TEST(QtTcpClientTest, EventsOfAnExchange) {
    const char* nested = "c1 1>first a1 1>second 1x";
    const struct {
        const char *onData, *onClosed, *script;
        const char *events, *unread;
    } rows[] = {
        {"", "", "c1 s 1x", "connected closed", ""},
        {"", "", "refused", "failed", ""},
        {"nest", "", nested, "connected data:11 closed", "firstsecond"},
        {"nest close", "", nested, "connected data:11", ""},
        {"nest drop", "", nested, "connected data:11", "firstsecond"},
        {"close", "", "c1 1>part a1 1>more 1-", "connected data:4", ""},
        {"", "connect drop", "c1 1x c2 2>again a1 2x", "connected closed connected data:5 closed", "again"},
        {"", "", "c1 n c2 1>stale 1- 2>fresh", "connected connected data:5", "fresh"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script + std::string(" ") + row.onData + "/" + row.onClosed);
        Rig rig(row.onData, row.onClosed);
        rig.script = words(row.script);
        rig.client->close();  // before any connection: no harm
        if (rig.script.front() == "refused") rig.port = LocalWhoisServer::refusedPort();
        rig.connect();
        rig.run();
        QTest::qWait(rig.waitFor([&] { return rig.events == words(row.events); }) ? 150 : 0);  // any stray
        EXPECT_EQ(rig.events, words(row.events));
        if (rig.client) rig.unread = rig.client->read() + rig.client->read();
        EXPECT_EQ(rig.unread, row.unread);
    }
}

}  // namespace
