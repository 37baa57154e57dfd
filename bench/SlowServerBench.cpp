// The run against a whois server that answers every 25th name after five
// seconds, beside the same list all answered at once: a slow lookup should
// hold back no other name, so the two runs differ by little more than one
// slow answer.
//
//   qm_slow_server_bench [NAMES]   (1000 by default)

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <string>

#include "support/LiveMainWindow.h"

using quillmark::testing::LiveMainWindow;
using Server = quillmark::testing::LocalWhoisServer;

namespace {

constexpr int kSlowMs = 5000;

// "slow…" names get half their reply at once and the rest after kSlowMs.
Server::Reply answer(const std::string& query) {
    const std::string text = "No match for \"" + query + "\".\r\n";
    if (!query.starts_with("slow")) return {text};
    return {text, (text.size() + 1) / 2, kSlowMs};
}

// Milliseconds until the run stops by itself, or -1.
qint64 timeRun(int names, int slowEvery) {
    LiveMainWindow window(answer);
    window.open();
    std::string lines;
    for (int i = 1; i <= names; ++i)
        lines += (slowEvery > 0 && i % slowEvery == 0 ? "slow" : "fast") + std::to_string(i) + "\r\n";
    QElapsedTimer clock;
    clock.start();
    window.runGeneratedNames(lines);
    const bool stopped = window.waitForStop(600'000);
    return stopped && window.form->wentThrough ? clock.elapsed() : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int names = argc > 1 ? std::stoi(argv[1]) : 1000;
    const qint64 fast = timeRun(names, 0);
    const qint64 mixed = timeRun(names, 25);
    std::printf("names: %d\nall fast ms: %lld\nevery 25th slow (%d ms) ms: %lld\n", names,
                static_cast<long long>(fast), kSlowMs, static_cast<long long>(mixed));
    const bool met = fast >= 0 && mixed >= 0 && mixed - fast <= 15'000;
    std::printf("difference ms: %lld (target <= 15000: %s)\n", static_cast<long long>(mixed - fast),
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
