#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "support/LiveMainWindow.h"

namespace quillmark {
namespace {

using Manner = testing::LocalWhoisServer::Manner;

// Thirty seconds of batch pass in one and a half; a "drip" byte every 50 ms comes once
// a second of the window's time.
constexpr int kTimeScale = 20;

// "name=outcome ..." as each name's ".com" with its outcome; "stem*3=outcome" stands for
// stema0, stemb1 and stemc2.
std::map<std::string, std::string> outcomesOf(std::string_view written) {
    std::map<std::string, std::string> names;
    for (const auto item : text::split(written, ' ')) {
        const auto name = text::split(item.substr(0, item.find('=')), '*');
        const std::string stem(name[0]), outcome(item.substr(item.find('=') + 1));
        if (name.size() == 1) names[stem + ".com"] = outcome;
        for (int i = 0; name.size() > 1 && i < std::stoi(std::string(name[1])); ++i)
            names[stem + char('a' + i % 26) + std::to_string(i) + ".com"] = outcome;
    }
    return names;
}

// Whatever the server does, each name gets one outcome, the run stops by itself and no
// slot keeps more than the reply limit.
TEST(HostileServer, EachMisbehaviourGivesEachNameOneOutcome) {
    const struct {
        Manner manner;
        const char* outcomes;
        bool fillsReplies = false;  // some slot's reply reaches the limit
    } rows[] = {
        {Manner::Answer, "freeab=Mid takenab=taken emptyab=server-error piecesab=Low silentab=no-answer"},
        {Manner::Answer, "junkfree=Low junk*2=taken"},
        {Manner::Answer, "drip*3=no-answer"},     // never finished before the retry
        {Manner::Answer, "silent*30=no-answer"},  // more stalled than a batch holds
        {Manner::Refuse, "refused*3=no-answer"},
        {Manner::Flood, "flood*3=no-answer", true},
        {Manner::CloseAtOnce, "closeab=server-error bad\x01name=unjudged"},  // a bad name is not sent
        {Manner::Reset, "reset*3=server-error"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.outcomes);
        const auto outcomes = outcomesOf(row.outcomes);
        testing::LiveMainWindow window({}, row.manner, kTimeScale);
        std::map<std::string, std::string> seen;  // a second outcome shows as "Mid taken"
        const auto see = [&](std::string_view name, const char* outcome) {
            std::string& was = seen[std::string(name)];
            was += (was.empty() ? "" : " ") + std::string(outcome);
        };
        window.hooks.nameListed = [&](std::string_view name, MainWindowHooks::Verdict verdict,
                                      std::string_view) {
            see(name, std::array{"High", "Mid", "Low", "taken"}[static_cast<int>(verdict)]);
        };
        window.hooks.nameUnjudged = [&](std::string_view name) { see(name, "unjudged"); };
        window.hooks.nameUnchecked = [&](std::string_view name, std::string_view reason, std::string_view) {
            see(name, text::replaceAll(reason, " ", "-").c_str());
        };
        window.open();
        std::string lines;
        for (const auto& [name, outcome] : outcomes) lines += name.substr(0, name.size() - 4) + "\r\n";
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

        EXPECT_EQ(seen, outcomes);
        EXPECT_LE(largestReply, whois::kReplyLimit);
        EXPECT_EQ(largestReply == whois::kReplyLimit, row.fillsReplies);
    }
}

}  // namespace
}  // namespace quillmark
