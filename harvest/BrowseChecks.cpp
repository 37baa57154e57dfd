// The browse window's checks: one name at a time over its own connection.
#include "engine/NameCleaning.h"
#include "harvest/BrowseWindow.h"
#include "harvest/HostNames.h"
#include "platform/Text.h"
#include "whois/AsciiName.h"
#include "whois/ReplyRules.h"

namespace quillmark::harvest {

std::string BrowseWindow::ReadBrowseName(std::int32_t n) {
    if (n < 0) return std::string(kEndOfList);
    return reader_.ReadNameAt(n + 1);
}

void BrowseWindow::CheckStep() {
    // A check in flight ends by its reply or its time-out, never by a tick.
    if (checking || checkCursor > found.BrowseFoundCount) return;
    stepTimer->setEnabled(false);
    for (;;) {
        const std::string name = ReadBrowseName(checkCursor);
        if (name == kEndOfList) {
            statusBar.setPanelText(1, "Checked " + std::to_string(checkedCount) + " unique domains.");
            if (found.BrowsePageCount >= 1) statusBar.setPanelText(2, "Finished domains on current page");
            break;
        }
        if (BeginCheck(name)) break;
        // Skipped: the next name at once, without waiting for a tick.
        ++checkCursor;
        exchange.Close();
        if (checkCursor > found.BrowseFoundCount) break;
    }
    if (!closed_) stepTimer->setEnabled(true);
}

void BrowseWindow::StartCheck(const std::string& name) {
    if (BeginCheck(name)) return;
    ++checkCursor;
    exchange.Close();
    CheckStep();
}

// Starts the check of a name; false when the name is not one to send.
bool BrowseWindow::BeginCheck(const std::string& name) {
    const std::string cleaned = names::NameToLookUp(name);
    const ProgramState& state = main_.state();
    // Only a host name under an extension that is on, as the extraction gave it.
    if (KnownExtensions(state.serverTable).RegistrableName(cleaned) != text::toLower(cleaned)) return false;
    const auto server = whois::ServerFor(state.serverTable, whois::ZoneTable::Shipped(),
                                         whois::AsciiName(cleaned), state.useProxy);
    if (!server) return false;
    // The exchange refuses a name that would add lines to the query.
    if (!exchange.Begin(cleaned, server->host, server->port)) return false;
    checkTicks = 0;
    checking = true;
    checkTimer->setEnabled(true);
    statusBar.setPanelText(1, "Checking status of: " + cleaned);
    return true;
}

void BrowseWindow::CheckConnected() {
    if (checking) exchange.SendQuery();
}

void BrowseWindow::CheckDataArrived() {
    if (!checking) return exchange.DropArrived();
    exchange.ReadReply();
}

void BrowseWindow::CheckClosed() {
    if (!checking) return exchange.Close();
    checkTimer->setEnabled(false);
    Judge();
    EndCheck();
}

void BrowseWindow::Judge() {
    const std::string& checkName = exchange.name();
    const auto verdict = whois::JudgeReply(main_.state().replyRules, checkName, exchange.reply());
    const bool free = verdict.outcome == whois::Outcome::Free;
    if (verdict.outcome == whois::Outcome::Unchecked)
        return main_.AddUncheckedName(checkName, verdict.reason);
    ++checkedCount;
    const BrowseList list = free ? BrowseList::Unregistered : BrowseList::Registered;
    if (free) {
        main_.AddFreeName(checkName);
        statusBar.setPanelText(1, "Unregistered: " + checkName);
    } else {
        main_.AddRegisteredName(checkName);
    }
    ListOf(list).addItem(checkName);
    ShowListCount(list);
}

void BrowseWindow::EndCheck() {
    checking = false;
    ++checkCursor;
    exchange.Close();
    CheckStep();
}

void BrowseWindow::CheckTimerTick() {
    if (++checkTicks < kGiveUpTicks) return;
    GiveUpCheck();
}

// Without a judgement: silent for too long, or refused.
void BrowseWindow::GiveUpCheck() {
    if (!checking) return;
    checkTimer->setEnabled(false);
    checkTicks = 0;
    main_.AddUncheckedName(exchange.name(), whois::kReasonNoAnswer);
    EndCheck();
}

void BrowseWindow::StepTimerTick() {
    CheckStep();
}

}  // namespace quillmark::harvest
