// The lookup engine against whois servers that misbehave: for each manner of
// misbehaving, the longest the event loop was kept from a 50 ms ticker and how
// far the process's resident memory grew over the run.
//
//   qm_hostile_bench

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "support/LiveMainWindow.h"

using quillmark::testing::LiveMainWindow;
using Server = quillmark::testing::LocalWhoisServer;

namespace {

constexpr int kTimeScale = 20;

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

struct Behaviour {
    const char* name;
    Server::Manner manner;
    Server::Rule rule;
    int names;
    const char* stem = "free";
};

}  // namespace

int main(int argc, char** argv) {
    // The window is shown, but nobody needs to see it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const Behaviour behaviours[] = {
        {"flood", Server::Manner::Flood, {}, 3},
        {"garbage", Server::Manner::Answer, {}, 4, "junk"},
        {"close-at-once", Server::Manner::CloseAtOnce, {}, 3},
        {"reset", Server::Manner::Reset, {}, 3},
        {"trickle", Server::Manner::Answer, {}, 3, "drip"},
        {"stall", Server::Manner::Answer, {}, 30, "silent"},
    };
    std::printf("%-14s %8s %14s %14s %8s\n", "behaviour", "run ms", "longest gap ms", "RSS growth KiB",
                "stopped");
    bool allStopped = true;
    for (const Behaviour& behaviour : behaviours) {
        LiveMainWindow window(behaviour.rule, behaviour.manner, kTimeScale);
        window.open();
        std::string lines;
        for (int i = 0; i < behaviour.names; ++i) lines += behaviour.stem + std::to_string(i) + "x\r\n";
        window.runGeneratedNames(lines);

        const long baseline = residentKiB();
        long peak = baseline;
        qint64 last = 0, longestGap = 0;
        QElapsedTimer clock;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
            peak = std::max(peak, residentKiB());
        });
        clock.start();
        ticker.start(50);
        const bool stopped = window.waitForStop(60'000);
        ticker.stop();
        allStopped = allStopped && stopped;
        std::printf("%-14s %8lld %14lld %14ld %8s\n", behaviour.name, static_cast<long long>(clock.elapsed()),
                    static_cast<long long>(longestGap), peak - baseline, stopped ? "yes" : "no");
    }
    return allStopped ? 0 : 1;
}
