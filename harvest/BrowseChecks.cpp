// The browse window's checks: one name at a time over its own connection.
#include "engine/NameCleaning.h"
#include "engine/PercentCoding.h"
#include "harvest/BrowseWindow.h"
#include "platform/Text.h"

namespace quillmark::harvest {

namespace {

// Leftovers of quoted links and of the list's end that are no names to keep.
bool NotRecorded(std::string_view name, bool free) {
    if (name == ".net" || name == ".com") return true;
    if (name.find("\".net") != std::string_view::npos || name.find("\".com") != std::string_view::npos)
        return true;
    return free && text::containsIgnoreCase(name, "endoffile");
}

}  // namespace

std::string BrowseWindow::ReadBrowseName(std::int32_t n) {
    if (n < 0) return std::string(kEndOfList);
    return reader_.ReadNameAt(n + 1);
}

void BrowseWindow::CheckStep() {
    // A check in flight ends by its reply or its time-out, never by a tick.
    if (Checking || CheckCursor > Found.BrowseFoundCount) return;
    Timer1->setEnabled(false);
    for (;;) {
        const std::string name = ReadBrowseName(CheckCursor);
        if (name == kEndOfList) {
            const ProgramState& state = main_.state();
            const std::int32_t total =
                state.RegisteredCount + state.HighCount + state.MidCount + state.LowCount;
            StatusBar1.setPanelText(1, "Checked " + std::to_string(total) + " unique domains.");
            if (Found.BrowsePageCount >= 1) StatusBar1.setPanelText(2, "Finished domains on current page");
            break;
        }
        if (BeginCheck(name)) break;
        // Skipped: the next name at once, without waiting for a tick.
        ++CheckCursor;
        Winsock1->close();
        if (CheckCursor > Found.BrowseFoundCount) break;
    }
    if (!closed_) Timer1->setEnabled(true);
}

void BrowseWindow::StartCheck(const std::string& name) {
    if (BeginCheck(name)) return;
    ++CheckCursor;
    Winsock1->close();
    CheckStep();
}

// Starts the check of a name; false when the name is not one to send.
bool BrowseWindow::BeginCheck(const std::string& name) {
    CheckName = names::CorrectName(names::UrlDecode(name));
    const ProgramState& state = main_.state();
    // A control character would add lines to the query.
    if (!HasEnabledExtension(CheckName, state.ServerTable) || text::hasControlCharacter(CheckName))
        return false;
    const auto row = whois::GetServerIndex(state.ServerTable, CheckName, state.UseProxy);
    if (!row) return false;
    const auto& server = state.ServerTable[static_cast<std::size_t>(*row)];
    CheckHost = server.ServerHost;
    CheckReply.clear();
    CheckTicks = 0;
    Checking = true;
    timTimeout->setEnabled(true);
    StatusBar1.setPanelText(1, "Checking status of: " + CheckName);
    Winsock1->close();
    Winsock1->setLocalPort(0);
    Winsock1->connect(CheckHost, server.ServerPort);
    return true;
}

void BrowseWindow::Winsock1_Connect() {
    if (Checking) Winsock1->send(CheckName + "\r\n");
}

void BrowseWindow::Winsock1_DataArrival() {
    const std::string bytes = Winsock1->read();
    if (!Checking) return;
    if (CheckReply.size() < kReplyLimit) CheckReply.append(bytes, 0, kReplyLimit - CheckReply.size());
}

void BrowseWindow::Winsock1_Close() {
    if (!Checking) return Winsock1->close();
    timTimeout->setEnabled(false);
    Judge();
    EndCheck();
}

void BrowseWindow::Judge() {
    const bool free = text::containsIgnoreCase(CheckReply, "No match for");
    if (NotRecorded(CheckName, free)) return;
    ProgramState& state = main_.state();
    if (free) {
        main_.AddFreeName(CheckName);
        Label1.setCaption("Unregistered: (" +
                          std::to_string(state.HighCount + state.MidCount + state.LowCount) + ")");
        List1.addItem(CheckName);
        StatusBar1.setPanelText(1, "Unregistered: " + CheckName);
    } else {
        main_.AddRegisteredName(CheckName);
        Label2.setCaption("Registered: (" + std::to_string(state.RegisteredCount) + ")");
        List2.addItem(CheckName);
    }
}

void BrowseWindow::EndCheck() {
    Checking = false;
    ++CheckCursor;
    Winsock1->close();
    CheckStep();
}

void BrowseWindow::timTimeout_Timer() {
    if (++CheckTicks < kGiveUpTicks) return;
    // Given up without a judgement.
    timTimeout->setEnabled(false);
    CheckTicks = 0;
    EndCheck();
}

void BrowseWindow::Timer1_Timer() {
    CheckStep();
}

}  // namespace quillmark::harvest
