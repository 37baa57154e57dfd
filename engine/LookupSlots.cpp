// The whois exchange of one connection slot and the sorting of judged names.
#include "engine/MainWindow.h"
#include "engine/WhoisReply.h"
#include "engine/NameCleaning.h"
#include "engine/PercentCoding.h"
#include "platform/Text.h"
#include "results/Overflow.h"

namespace quillmark {

void MainWindow::WireConnections() {
    for (int i = 0; i < kPoolSize; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        Winsock1[slot]->setEvents({[this, i] { Winsock1_Connect(i); },
                                   [this, i](std::int32_t bytes) { Winsock1_DataArrival(i, bytes); },
                                   [this, i] { Winsock1_Close(i); }});
        timTimeout[slot]->setOnTick([this, i] { timTimeout_Timer(i); });
    }
    overall->setOnTick([this] { overall_Timer(); });
}

void MainWindow::StartLookup(std::string name, int index) {
    if (StopRequested) return;
    const auto slot = static_cast<std::size_t>(index);
    // A lookup still in flight on the slot ends here, without a verdict.
    DropLookup(slot);
    if (const auto colon = name.find(':'); colon != std::string::npos) name.erase(0, colon + 1);
    name = names::CorrectName(names::UrlDecode(name));
    if (name.find('.') == std::string::npos) name += state_.DefaultExtension;
    // A control character would smuggle further lines into the query; such a
    // name is never sent, and an empty server table has nowhere to send it.
    const auto row = whois::GetServerIndex(state_.ServerTable, name, state_.UseProxy);
    if (text::hasControlCharacter(name) || !row) return FinishLookupAtOnce(name);
    const auto& server = state_.ServerTable[static_cast<std::size_t>(*row)];
    ConnHost[slot] = server.ServerHost;
    ConnPort[slot] = server.ServerPort;
    ConnName[slot] = std::move(name);
    ConnReply[slot].clear();
    ConnTicks[slot] = 0;
    ConnBusy[slot] = true;
    timTimeout[slot]->setInterval(1000);
    timTimeout[slot]->setEnabled(true);
    Winsock1[slot]->close();
    Winsock1[slot]->setLocalPort(0);
    Winsock1[slot]->connect(ConnHost[slot], ConnPort[slot]);
}

void MainWindow::Winsock1_Connect(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (StopRequested || !ConnBusy[slot]) return Winsock1[slot]->close();
    StatusBar1.setPanelText(3,
                            "connecting(" + std::to_string(index) + "): - Search String: " + ConnName[slot]);
    ConnTicks[slot] = 0;
    timTimeout[slot]->setEnabled(true);
    Winsock1[slot]->send(ConnName[slot] + "\r\n");
}

void MainWindow::Winsock1_DataArrival(int index, std::int32_t /*bytesTotal*/) {
    const auto slot = static_cast<std::size_t>(index);
    if (StopRequested || !ConnBusy[slot]) return Winsock1[slot]->close();
    const std::string bytes = Winsock1[slot]->read();
    std::string& reply = ConnReply[slot];
    if (reply.size() < kReplyLimit) reply.append(bytes, 0, kReplyLimit - reply.size());
}

void MainWindow::Winsock1_Close(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (StopRequested || !ConnBusy[slot]) return Winsock1[slot]->close();
    ConnBusy[slot] = false;
    timTimeout[slot]->setEnabled(false);
    Judge(index);
    CheckOverflow();
    Winsock1[slot]->close();
    ConnectionDone();
}

void MainWindow::Judge(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (IsFreeReply(ConnReply[slot])) {
        AddFreeName(ConnName[slot]);
    } else {
        AddRegisteredName(ConnName[slot]);
    }
}

void MainWindow::CheckOverflow() {
    if (!results::ReachedOverflowLimit(List1, List4, List3)) return;
    results::OverflowLists(state_.ProgramFolder, state_.SessionStamp, List1, List4, List3);
    ClearResultLists();
    if (hooks_.showOverflowNotice) hooks_.showOverflowNotice();
}

void MainWindow::timTimeout_Timer(int index) {
    const auto slot = static_cast<std::size_t>(index);
    ++ConnTicks[slot];
    if (StopRequested) return timTimeout[slot]->setEnabled(false);
    if (ConnTicks[slot] < kRetrySeconds || !ConnBusy[slot]) return;
    // Retry on the port of the first attempt; what arrived so far stays in
    // front of the new reply.
    Winsock1[slot]->close();
    ConnTicks[slot] = 0;
    timTimeout[slot]->setEnabled(false);
    timTimeout[slot]->setInterval(1000);
    timTimeout[slot]->setEnabled(true);
    Winsock1[slot]->setLocalPort(0);
    Winsock1[slot]->connect(ConnHost[slot], ConnPort[slot]);
}

void MainWindow::AddFreeName(std::string_view name) {
    if (name == ".com" || name == ".net") return ReportUnjudged(name);
    const auto verdict = ProfileOf(name);
    struct Target {
        ListBox& list;
        Label& caption;
        std::int32_t& count;
        std::string_view title;
    };
    Target target =
        verdict == MainWindowHooks::Verdict::High  ? Target{List3, Label3, state_.HighCount, "High Profile"}
        : verdict == MainWindowHooks::Verdict::Mid ? Target{List4, Label4, state_.MidCount, "Mid Profile"}
                                              : Target{List1, Label1, state_.LowCount, "Low Profile"};
    ++target.count;
    target.caption.setCaption(std::string(target.title) + " (" + std::to_string(target.count) + ")");
    target.list.addItem(std::string(name));
    SaveProfileFiles();
    ReportListed(name, verdict);
}

void MainWindow::AddRegisteredName(std::string_view name) {
    if (name == ".com" || name == ".net") return ReportUnjudged(name);
    if (List2.listCount() >= kRegisteredLimit) List2.clear();
    ++state_.RegisteredCount;
    Label2.setCaption("Registered (" + std::to_string(state_.RegisteredCount) + ")");
    List2.addItem(std::string(name));
    ReportListed(name, MainWindowHooks::Verdict::Taken);
}

void MainWindow::ReportListed(std::string_view name, MainWindowHooks::Verdict verdict) {
    if (hooks_.nameListed) hooks_.nameListed(name, verdict);
}

void MainWindow::SaveProfileFiles() {
    profileFiles_.SaveProfileFiles(state_.ProgramFolder, state_.SessionStamp, List1, List4, List3);
}

void MainWindow::ClearResultLists() {
    for (ListBox* list : {&List1, &List2, &List3, &List4}) list->clear();
    state_.RegisteredCount = state_.HighCount = state_.MidCount = state_.LowCount = 0;
    state_.SessionStamp = results::NewSessionStamp(state_.ProgramFolder, services_.clock().now());
}

}  // namespace quillmark
