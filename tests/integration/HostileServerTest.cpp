#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/LiveMainWindow.h"

namespace quillmark {
namespace {

using Server = testing::LocalWhoisServer;
using Manner = Server::Manner;
using Verdict = MainWindowHooks::Verdict;

// Thirty seconds of batch pass in one and a half.
constexpr int kTimeScale = 20;

struct Hostile {
    const char* name;
    Manner manner;
    Server::Rule rule;
    const char* outcomes;       // "name=outcome ...", "stem*3=outcome" for stema0, stemb1, stemc2
    bool fillsReplies = false;  // some slot's reply reaches the limit
    int minPeakOpen = 0;
    std::string retried = {};  // a name asked again after the retry time
};

std::map<std::string, std::string> outcomesOf(std::string_view written) {
    std::map<std::string, std::string> names;
    for (const auto item : text::split(written, ' ')) {
        const auto name = text::split(item.substr(0, item.find('=')), '*');
        const std::string stem(name[0]), outcome(item.substr(item.find('=') + 1));
        if (name.size() == 1) names[stem] = outcome;
        for (int i = 0; name.size() > 1 && i < std::stoi(std::string(name[1])); ++i)
            names[stem + char('a' + i % 26) + std::to_string(i)] = outcome;
    }
    return names;
}

// Whatever the server does, each name gets one outcome, the run stops by itself, no
// slot keeps more than the reply limit and the profile files hold exactly the names
// judged free.
TEST(HostileServer, EachMisbehaviourGivesEachNameOneOutcome) {
    const std::vector<Hostile> rows{
        {"plain replies; silence is asked again", Manner::Answer, nullptr,
         "freeab=Mid takenab=taken emptyab=taken piecesab=Low silentab=unjudged", false, 0, "silentab"},
        {"refused", Manner::Refuse, nullptr, "refused*3=unjudged"},
        {"flood never closing", Manner::Flood, nullptr, "flood*3=unjudged", true},
        {"binary garbage with NULs", Manner::Answer, Server::garbage(),
         "freeab=Mid freeabcdefg=Low garbage1=taken garbage2=taken"},
        {"close at once; a bad name is not sent", Manner::CloseAtOnce, nullptr,
         "closeab=taken bad\x01name=unjudged closecd=taken"},
        {"reset on the query", Manner::Reset, nullptr, "reset*3=taken"},
        // One byte per second of the window's time never finishes before the retry.
        {"trickle", Manner::Answer, Server::trickle(1000 / kTimeScale), "drip*3=unjudged"},
        {"stall more than a batch", Manner::Answer, nullptr, "silent*30=unjudged", false,
         MainWindow::kPoolSize},
    };
    for (const Hostile& row : rows) {
        SCOPED_TRACE(row.name);
        const auto outcomes = outcomesOf(row.outcomes);
        testing::LiveMainWindow window(row.rule, row.manner, kTimeScale);
        std::map<std::string, std::vector<std::string>> seen;
        window.hooks.nameListed = [&](std::string_view name, Verdict verdict) {
            seen[std::string(name)].push_back(verdict == Verdict::High  ? "High"
                                              : verdict == Verdict::Mid ? "Mid"
                                              : verdict == Verdict::Low ? "Low"
                                                                        : "taken");
        };
        window.hooks.nameUnjudged = [&](std::string_view name) {
            seen[std::string(name)].push_back("unjudged");
        };
        window.open();
        std::string lines;
        for (const auto& [name, outcome] : outcomes) lines += name + "\r\n";
        window.runGeneratedNames(lines);
        std::size_t largestReply = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (const MainWindow::LookupSlot& slot : window.form->lookupSlots)
                largestReply = std::max(largestReply, slot.exchange.reply().size());
        });
        watch.start(20);
        EXPECT_TRUE(window.waitForStop(20'000)) << "the run did not stop by itself";
        watch.stop();

        EXPECT_EQ(seen.size(), outcomes.size());
        std::map<std::string, std::vector<std::string>> saved;  // outcome -> names
        for (const auto& [name, outcome] : outcomes) {
            EXPECT_EQ(seen[name + ".com"], std::vector<std::string>{outcome}) << name;
            if (outcome != "taken" && outcome != "unjudged") saved[outcome].push_back(name + ".com");
        }
        EXPECT_LE(largestReply, whois::kReplyLimit);
        EXPECT_EQ(largestReply == whois::kReplyLimit, row.fillsReplies);
        EXPECT_GE(window.server.peakOpen(), row.minPeakOpen);
        if (!row.retried.empty()) {
            EXPECT_GE(window.server.queries().at(row.retried + ".com"), 2);
        }
        for (const auto& [file, profile] : {std::pair{"SuperHighProfile.txt", "High"},
                                            {"HighProfile.txt", "Mid"},
                                            {"LowProfile.txt", "Low"},
                                            {"Remembered.txt", "none"}}) {
            std::vector<std::string> names;
            const std::string bytes = ReadWholeFile(window.folder / file).value_or("");
            for (auto line : text::splitLines(bytes))
                if (!line.empty()) names.emplace_back(line);
            std::sort(names.begin(), names.end());
            EXPECT_EQ(names, saved[profile]) << file;
        }
    }
}

}  // namespace
}  // namespace quillmark
