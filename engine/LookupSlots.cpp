// The whois exchange of one connection slot and the sorting of judged names.
#include "engine/MainWindow.h"
#include "engine/NameCleaning.h"
#include "platform/Text.h"
#include "results/Overflow.h"
#include "whois/WhoisReply.h"

namespace quillmark {

void MainWindow::WireConnections() {
    for (int i = 0; i < kPoolSize; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        connections[slot]->setEvents({[this, i] { SlotConnected(i); },
                                      [this, i](std::int32_t bytes) { SlotDataArrived(i, bytes); },
                                      [this, i] { SlotClosed(i); }});
        slotTimers[slot]->setOnTick([this, i] { SlotTimerTick(i); });
    }
    batchTimer->setOnTick([this] { BatchTick(); });
}

void MainWindow::StartLookup(std::string name, int index) {
    if (stopRequested) return;
    const auto slot = static_cast<std::size_t>(index);
    // A lookup still in flight on the slot ends here, without a verdict.
    DropLookup(slot);
    if (const auto colon = name.find(':'); colon != std::string::npos) name.erase(0, colon + 1);
    name = names::NameToLookUp(name);
    if (name.find('.') == std::string::npos) name += state_.defaultExtension;
    // A control character would smuggle further lines into the query; such a
    // name is never sent, and an empty server table has nowhere to send it.
    const auto row = whois::GetServerIndex(state_.serverTable, name, state_.useProxy);
    if (text::hasControlCharacter(name) || !row) return FinishLookupAtOnce(name);
    const auto& server = state_.serverTable[static_cast<std::size_t>(*row)];
    slotHost[slot] = server.host;
    slotPort[slot] = server.port;
    slotName[slot] = std::move(name);
    slotReply[slot].clear();
    slotTicks[slot] = 0;
    slotBusy[slot] = true;
    slotTimers[slot]->setInterval(1000);
    slotTimers[slot]->setEnabled(true);
    connections[slot]->close();
    connections[slot]->setLocalPort(0);
    connections[slot]->connect(slotHost[slot], slotPort[slot]);
}

void MainWindow::SlotConnected(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (stopRequested || !slotBusy[slot]) return connections[slot]->close();
    statusBar.setPanelText(3,
                           "connecting(" + std::to_string(index) + "): - Search String: " + slotName[slot]);
    slotTicks[slot] = 0;
    slotTimers[slot]->setEnabled(true);
    connections[slot]->send(slotName[slot] + "\r\n");
}

void MainWindow::SlotDataArrived(int index, std::int32_t /*bytesTotal*/) {
    const auto slot = static_cast<std::size_t>(index);
    if (stopRequested || !slotBusy[slot]) return connections[slot]->close();
    const std::string bytes = connections[slot]->read();
    std::string& reply = slotReply[slot];
    if (reply.size() < kReplyLimit) reply.append(bytes, 0, kReplyLimit - reply.size());
}

void MainWindow::SlotClosed(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (stopRequested || !slotBusy[slot]) return connections[slot]->close();
    slotBusy[slot] = false;
    slotTimers[slot]->setEnabled(false);
    Judge(index);
    CheckOverflow();
    connections[slot]->close();
    LookupFinished();
}

void MainWindow::Judge(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (whois::HoldsFreePhrase(slotReply[slot])) {
        AddFreeName(slotName[slot]);
    } else {
        AddRegisteredName(slotName[slot]);
    }
}

void MainWindow::CheckOverflow() {
    if (!results::ReachedOverflowLimit(lowList, midList, highList)) return;
    results::OverflowLists(state_.programFolder, state_.sessionStamp, lowList, midList, highList);
    ClearResultLists();
    if (hooks_.showOverflowNotice) hooks_.showOverflowNotice();
}

void MainWindow::SlotTimerTick(int index) {
    const auto slot = static_cast<std::size_t>(index);
    ++slotTicks[slot];
    if (stopRequested) return slotTimers[slot]->setEnabled(false);
    if (slotTicks[slot] < kRetrySeconds || !slotBusy[slot]) return;
    // Retry on the port of the first attempt; what arrived so far stays in
    // front of the new reply.
    connections[slot]->close();
    slotTicks[slot] = 0;
    slotTimers[slot]->setEnabled(false);
    slotTimers[slot]->setInterval(1000);
    slotTimers[slot]->setEnabled(true);
    connections[slot]->setLocalPort(0);
    connections[slot]->connect(slotHost[slot], slotPort[slot]);
}

void MainWindow::AddFreeName(std::string_view name) {
    if (whois::IsBareExtension(name)) return ReportUnjudged(name);
    const auto verdict = results::ProfileOf(name);
    struct Target {
        ListBox& list;
        Label& caption;
        std::int32_t& count;
    };
    Target target = verdict == results::Verdict::High  ? Target{highList, highCaption, state_.highCount}
                    : verdict == results::Verdict::Mid ? Target{midList, midCaption, state_.midCount}
                                                       : Target{lowList, lowCaption, state_.lowCount};
    ++target.count;
    target.caption.setCaption(std::string(results::ListTitle(verdict)) + " (" + std::to_string(target.count) +
                              ")");
    target.list.addItem(std::string(name));
    SaveProfileFiles();
    ReportListed(name, verdict);
}

void MainWindow::AddRegisteredName(std::string_view name) {
    if (whois::IsBareExtension(name)) return ReportUnjudged(name);
    if (registeredList.listCount() >= kRegisteredLimit) registeredList.clear();
    ++state_.registeredCount;
    registeredCaption.setCaption(std::string(results::ListTitle(results::Verdict::Taken)) + " (" +
                                 std::to_string(state_.registeredCount) + ")");
    registeredList.addItem(std::string(name));
    ReportListed(name, results::Verdict::Taken);
}

void MainWindow::ReportListed(std::string_view name, results::Verdict verdict) {
    if (hooks_.nameListed) hooks_.nameListed(name, verdict);
}

void MainWindow::SaveProfileFiles() {
    profileFiles_.SaveProfileFiles(state_.programFolder, state_.sessionStamp, lowList, midList, highList);
}

void MainWindow::ClearResultLists() {
    for (ListBox* list : {&lowList, &registeredList, &highList, &midList}) list->clear();
    state_.registeredCount = state_.highCount = state_.midCount = state_.lowCount = 0;
    state_.sessionStamp = results::NewSessionStamp(state_.programFolder, services_.clock().now());
}

}  // namespace quillmark
