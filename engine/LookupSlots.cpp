// The whois exchange of one connection slot and the sorting of judged names.
#include "engine/MainWindow.h"
#include "engine/NameCleaning.h"
#include "results/Overflow.h"
#include "whois/AsciiName.h"
#include "whois/ReplyRules.h"
#include "whois/WhoisReply.h"

namespace quillmark {

void MainWindow::WireConnections() {
    for (int i = 0; i < kPoolSize; ++i) {
        LookupSlot& slot = lookupSlots[static_cast<std::size_t>(i)];
        slot.exchange.connection().setEvents({[this, i] { SlotConnected(i); },
                                              [this, i](std::int32_t bytes) { SlotDataArrived(i, bytes); },
                                              [this, i] { SlotClosed(i); }, [this, i] { SlotFailed(i); }});
        slot.timer->setOnTick([this, i] { SlotTimerTick(i); });
    }
    runTimer->setOnTick([this] { RunTick(); });
}

void MainWindow::StartLookup(std::string name, int index, const WaitingName* resumed) {
    if (stopRequested) return;
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    // A lookup still in flight on the slot ends here, without a verdict.
    DropLookup(slot, true);
    if (const auto colon = name.find(':'); colon != std::string::npos) name.erase(0, colon + 1);
    name = names::NameToLookUp(name);
    if (name.find('.') == std::string::npos) name += state_.defaultExtension;
    // The exchange refuses a name that would smuggle further lines into the
    // query; a name no server answers for is never asked of another one.
    if (!whois::CanBeSent(name)) return FinishLookupAtOnce(index, name);
    const std::string ascii = whois::AsciiName(name);
    slot.whoisServer = whois::ServerFor(state_.serverTable, state_.zones, ascii, state_.useProxy);
    slot.rdapBase = whois::RdapBaseFor(state_.zones, ascii, state_.useProxy, state_.whoisOnly);
    if (!slot.whoisServer && slot.rdapBase.empty())
        return FinishLookupAtOnce(index, name, whois::kReasonNoServer);
    slot.name = std::move(name);
    if (!resumed) {
        slot.otherTried = false;
        // While the RDAP server holds names back, the whois server goes first.
        const bool rdapFirst = !slot.rdapBase.empty() && !(slot.whoisServer && ServerPaused(slot.rdapBase));
        return AskServer(index, rdapFirst ? whois::Protocol::Rdap : whois::Protocol::Whois);
    }
    slot.otherTried = resumed->otherTried;
    AskServer(index, *resumed->protocol);
}

void MainWindow::SlotConnected(int index) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    if (stopRequested || !slot.busy) return slot.exchange.Close();
    statusBar.setPanelText(3, "connecting(" + std::to_string(index) + "): - Search String: " + slot.name);
    slot.ticks = 0;
    slot.timer->setEnabled(true);
    slot.exchange.SendQuery();
}

void MainWindow::SlotDataArrived(int index, std::int32_t /*bytesTotal*/) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    if (stopRequested || !slot.busy) return slot.exchange.Close();
    slot.exchange.ReadReply();
}

void MainWindow::SlotClosed(int index) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    if (stopRequested || !slot.busy) return slot.exchange.Close();
    slot.exchange.Close();
    Conclude(index, whois::JudgeReply(state_.replyRules, slot.name, slot.exchange.reply()), std::nullopt);
}

// A refused connection ends its lookup at once.
void MainWindow::SlotFailed(int index) {
    if (stopRequested || !lookupSlots[static_cast<std::size_t>(index)].busy) return;
    EndUnanswered(index, " refused the connection");
}

// The status bar names the server; the zone's other server is asked, else
// the lookup is unchecked (no answer) and the slot goes on.
void MainWindow::EndUnanswered(int index, std::string_view why) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    statusBar.setPanelText(3, slot.server + std::string(why));
    slot.exchange.Close();
    slot.http->abort();
    if (TryOtherProtocol(index)) return FillSlots();
    DropLookup(slot, true);
    LookupEnded(index);
}

// False while the name waits to be asked again or is asked by the other protocol.
bool MainWindow::Settle(int index, whois::Verdict verdict, std::optional<std::int64_t> wait) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    const bool throttled = verdict.reason == whois::kReasonThrottled;
    if (throttled) {
        PauseServer(slot.server, wait);
        if (++slot.attempts < kThrottleAttempts) {
            waitingNames.push_back(
                {slot.name, slot.position, slot.attempts, slot.server, slot.protocol, slot.otherTried});
            return false;
        }
    } else if (const auto pause = pausedServers.find(slot.server); pause != pausedServers.end()) {
        pause->second.seconds = 0;  // the wait it set goes on; the next starts afresh
    }
    if (verdict.outcome == whois::Outcome::Unchecked && !throttled && TryOtherProtocol(index)) return false;
    const std::string_view protocol = whois::ProtocolName(slot.protocol);
    if (verdict.outcome == whois::Outcome::Free) {
        AddFreeName(slot.name, protocol);
    } else if (verdict.outcome == whois::Outcome::Taken) {
        AddRegisteredName(slot.name, protocol);
    } else {
        AddUncheckedName(slot.name, verdict.reason, protocol);
    }
    return true;
}

// The slot's reply has come: its lookup is no longer in flight.
void MainWindow::Conclude(int index, whois::Verdict verdict, std::optional<std::int64_t> wait) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    slot.busy = false;
    slot.timer->setEnabled(false);
    const bool ended = Settle(index, verdict, wait);
    CheckOverflow();
    if (ended) return LookupEnded(index);
    if (!stopRequested) FillSlots();
}

void MainWindow::CheckOverflow() {
    if (!results::ReachedOverflowLimit(lowList, midList, highList)) return;
    results::OverflowLists(state_.programFolder, state_.sessionStamp, lowList, midList, highList);
    ClearResultLists();
    if (hooks_.showOverflowNotice) hooks_.showOverflowNotice();
}

void MainWindow::SlotTimerTick(int index) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    ++slot.ticks;
    ++slot.age;
    if (stopRequested || !slot.busy) return slot.timer->setEnabled(false);
    if (slot.age >= kLookupSeconds) return EndUnanswered(index, " did not answer");
    // An RDAP request is never sent twice: its client keeps the connection.
    if (slot.protocol == whois::Protocol::Rdap || slot.ticks < kRetrySeconds) return;
    // Retry on the port of the first attempt; what arrived so far stays in
    // front of the new reply.
    slot.ticks = 0;
    slot.timer->setEnabled(false);
    slot.timer->setInterval(1000);
    slot.timer->setEnabled(true);
    slot.exchange.Reconnect();
}

void MainWindow::AddFreeName(std::string_view name, std::string_view protocol) {
    if (whois::IsBareExtension(name)) return ReportUnjudged(name);
    const auto verdict = results::ProfileOf(name);
    const bool high = verdict == results::Verdict::High, mid = verdict == results::Verdict::Mid;
    ++runCounts.free;
    AddListed(high ? ResultList::High : mid ? ResultList::Mid : ResultList::Low, name);
    uncheckedNames.Remove(name);
    ShowUncheckedCount();
    SaveProfileFiles();
    ReportListed(name, verdict, protocol);
}

void MainWindow::AddRegisteredName(std::string_view name, std::string_view protocol) {
    if (whois::IsBareExtension(name)) return ReportUnjudged(name);
    ++runCounts.taken;
    AddListed(ResultList::Registered, name);
    uncheckedNames.Remove(name);
    ShowUncheckedCount();
    ReportListed(name, results::Verdict::Taken, protocol);
}

void MainWindow::AddUncheckedName(std::string_view name, std::string_view reason, std::string_view protocol) {
    if (whois::IsBareExtension(name)) return ReportUnjudged(name);
    uncheckedNames.Add(name, reason);
    ++runCounts.unchecked;
    ShowUncheckedCount();
    if (hooks_.nameUnchecked) hooks_.nameUnchecked(name, reason, protocol);
}

void MainWindow::ReportListed(std::string_view name, results::Verdict verdict, std::string_view protocol) {
    if (hooks_.nameListed) hooks_.nameListed(name, verdict, protocol);
}

void MainWindow::SaveProfileFiles() {
    profileFiles_.SaveProfileFiles(state_.programFolder, state_.sessionStamp, lowList, midList, highList);
}

void MainWindow::ClearResultLists() {
    for (ListBox* list : {&lowList, &registeredList, &highList, &midList}) list->clear();
    ListsEmptied();
    state_.sessionStamp = results::NewSessionStamp(state_.programFolder, services_.clock().now());
}

}  // namespace quillmark
