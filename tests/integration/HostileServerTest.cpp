#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/HostileWhoisServer.h"
#include "support/MainWindowRig.h"

namespace quillmark {
namespace {

using testing::HostileWhoisServer;
using testing::MainWindowRig;
using Manner = HostileWhoisServer::Manner;

// Thirty seconds of batch pass in one and a half.
constexpr int kTimeScale = 20;
constexpr int kWatchMs = 50;

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

// Ticks beside a run: the longest the event loop was kept from it, and the
// most any slot or the whole process held meanwhile.
class LoopWatch {
public:
    explicit LoopWatch(const MainWindow& form) : form_(form), baselineKiB_(residentKiB()) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
        clock_.start();
        timer_.start(kWatchMs);
    }

    void stop() {
        timer_.stop();
        tick();
    }

    qint64 elapsedMs() const { return clock_.elapsed(); }
    int ticks() const { return ticks_; }
    qint64 longestGapMs() const { return longestGapMs_; }
    std::size_t largestReply() const { return largestReply_; }
    long growthKiB() const { return peakKiB_ - baselineKiB_; }

private:
    void tick() {
        ++ticks_;
        const qint64 now = clock_.elapsed();
        longestGapMs_ = std::max(longestGapMs_, now - lastMs_);
        lastMs_ = now;
        for (const MainWindow::LookupSlot& slot : form_.lookupSlots)
            largestReply_ = std::max(largestReply_, slot.exchange.reply().size());
        peakKiB_ = std::max(peakKiB_, residentKiB());
    }

    const MainWindow& form_;
    QTimer timer_;
    QElapsedTimer clock_;
    long baselineKiB_;
    long peakKiB_ = 0;
    int ticks_ = 0;
    qint64 lastMs_ = 0;
    qint64 longestGapMs_ = 0;
    std::size_t largestReply_ = 0;
};

class HostileServer : public ::testing::Test {
protected:
    // Runs the names against the server until the run stops by itself, and
    // checks what must hold whatever the server did.
    void run(const HostileWhoisServer& server, const std::vector<std::string>& names) {
        window = std::make_unique<MainWindowRig>(server.port(), kTimeScale);
        window->hooks.nameListed = [this](std::string_view name, MainWindowHooks::Verdict verdict) {
            outcomes[std::string(name)].push_back(verdictName(verdict));
        };
        window->hooks.nameUnjudged = [this](std::string_view name) {
            outcomes[std::string(name)].push_back("unjudged");
        };
        window->open();
        std::string lines;
        for (const std::string& name : names) lines += name + "\r\n";
        window->runGeneratedNames(lines);

        LoopWatch watch(*window->form);
        EXPECT_TRUE(window->waitForStop(20'000)) << "the run did not stop by itself";
        watch.stop();
        elapsedMs = watch.elapsedMs();
        largestReply = watch.largestReply();
        growthKiB = watch.growthKiB();

        EXPECT_LT(watch.longestGapMs(), 2000) << "the event loop was blocked";
        EXPECT_GE(watch.ticks(), watch.elapsedMs() / kWatchMs / 4);
        EXPECT_LE(largestReply, whois::kReplyLimit);
        EXPECT_LT(growthKiB, 50 * 1024);
        expectFilesHoldOnlyJudgedNames();
    }

    // Each name's outcomes: exactly the one expected.
    void expectEach(const std::vector<std::string>& names, const std::string& outcome) {
        for (const std::string& name : names) {
            EXPECT_EQ(outcomes[name + ".com"], std::vector<std::string>{outcome}) << name;
        }
    }

    void expectFilesHoldOnlyJudgedNames() {
        for (const auto& [file, profile] :
             {std::pair{"SuperHighProfile.txt", "High"}, std::pair{"HighProfile.txt", "Mid"},
              std::pair{"LowProfile.txt", "Low"}}) {
            std::size_t judged = 0;
            for (const auto& [name, seen] : outcomes) judged += seen == std::vector<std::string>{profile};
            const auto lines = linesOf(file);
            EXPECT_EQ(lines.size(), judged) << file;
            for (const std::string& name : lines) {
                EXPECT_EQ(outcomes[name], std::vector<std::string>{profile}) << file << ": " << name;
            }
        }
        EXPECT_TRUE(linesOf("Remembered.txt").empty());
    }

    std::vector<std::string> linesOf(std::string_view file) const {
        const auto bytes = ReadWholeFile(window->folder / file);
        if (!bytes) return {};
        std::vector<std::string> lines;
        for (auto line : text::splitLines(*bytes)) {
            if (!line.empty()) lines.emplace_back(line);
        }
        return lines;
    }

    static std::string verdictName(MainWindowHooks::Verdict verdict) {
        switch (verdict) {
            case MainWindowHooks::Verdict::High:
                return "High";
            case MainWindowHooks::Verdict::Mid:
                return "Mid";
            case MainWindowHooks::Verdict::Low:
                return "Low";
            case MainWindowHooks::Verdict::Taken:
                break;
        }
        return "taken";
    }

    std::unique_ptr<MainWindowRig> window;
    std::map<std::string, std::vector<std::string>> outcomes;
    qint64 elapsedMs = 0;
    std::size_t largestReply = 0;
    long growthKiB = 0;
};

TEST_F(HostileServer, HundredMegabytesNeverClosedKeepOneMebibytePerSlot) {
    HostileWhoisServer server(Manner::Flood);
    const std::vector<std::string> names{"floodab", "floodcd", "floodef"};
    run(server, names);
    expectEach(names, "unjudged");
    // The flood really came: slots filled to the limit and more was sent.
    EXPECT_EQ(largestReply, whois::kReplyLimit);
    EXPECT_GT(server.bytesSent(), static_cast<qint64>(names.size() * whois::kReplyLimit));
}

TEST_F(HostileServer, BinaryGarbageWithNulsIsJudgedByWhatItSays) {
    HostileWhoisServer server(Manner::Garbage);
    run(server, {"freeab", "freeabcdefg", "garbage1", "garbage2"});
    expectEach({"freeab"}, "Mid");
    expectEach({"freeabcdefg"}, "Low");
    expectEach({"garbage1", "garbage2"}, "taken");
}

TEST_F(HostileServer, ServerThatNeverReadsLeavesItsNamesUnjudged) {
    HostileWhoisServer server(Manner::Mute);
    const std::vector<std::string> names{"muteab", "mutecd", "muteef"};
    run(server, names);
    expectEach(names, "unjudged");
    EXPECT_GE(server.connections(), 3);
}

TEST_F(HostileServer, ServerThatClosesAtOnceGivesEmptyRepliesAndBadNamesAreNotSent) {
    HostileWhoisServer server(Manner::CloseAtOnce);
    const std::vector<std::string> names{"closeab", "closecd", "closeef"};
    run(server, {"closeab", "bad\x01name", "closecd", "closeef"});
    expectEach(names, "taken");
    expectEach({"bad\x01name"}, "unjudged");
}

TEST_F(HostileServer, ResetConnectionsGiveEachNameOneOutcome) {
    HostileWhoisServer server(Manner::Reset);
    const std::vector<std::string> names{"resetab", "resetcd", "resetef"};
    run(server, names);
    expectEach(names, "taken");
}

TEST_F(HostileServer, OneBytePerSecondNeverFinishesBeforeTheRetry) {
    // One byte per second of the window's time.
    HostileWhoisServer server(Manner::Drip, 1000 / kTimeScale);
    const std::vector<std::string> names{"dripab", "dripcd", "dripef"};
    run(server, names);
    expectEach(names, "unjudged");
    EXPECT_GT(server.bytesSent(), 0);
}

TEST_F(HostileServer, TwentyFiveStalledConnectionsAtOnceEndBatchAfterBatch) {
    HostileWhoisServer server(Manner::Stall);
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i)
        names.push_back("stall" + std::string(1, static_cast<char>('a' + i % 26)) + std::to_string(i));
    run(server, names);
    expectEach(names, "unjudged");
    EXPECT_GE(server.peakOpen(), MainWindow::kPoolSize);
    EXPECT_EQ(outcomes.size(), names.size());
}

}  // namespace
}  // namespace quillmark
