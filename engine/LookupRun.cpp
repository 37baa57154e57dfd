// The run: batches of lookups over the connection pool.
#include "engine/MainWindow.h"
#include "engine/NameCleaning.h"
#include "engine/SearchTypes.h"

namespace quillmark {

void MainWindow::Start() {
    stopRequested = false;
    state_.registeredCount = state_.highCount = state_.midCount = state_.lowCount = 0;
    for (Control* control : std::initializer_list<Control*>{
             &startButton, &stopButton, &searchType, &startNumber, &searchSize, &searchButton, &searchText}) {
        control->setEnabled(false);
    }
    if (const auto type = SearchTypeOf(searchType.text()); type && IsWebSearch(*type)) SetStartNumber("1");
    // Text that is no whole number counts as 1, so the bounds are always defined.
    cursor = WholeNumberOrOne(startNumber.text());
    lastPosition = WholeNumberOrOne(listSize.text());
    stopButton.setEnabled(true);
    StartBatch();
}

void MainWindow::StartBatch() {
    if (stopRequested) return;
    endOfList = false;
    finishedLookups = 0;
    batchTicks = 0;
    batchLookups = 0;
    batchOpen = true;
    batchTimer->setEnabled(true);
    for (int i = 0; i < kPoolSize; ++i) {
        if (stopRequested) return;
        LookupSlot& slot = lookupSlots[static_cast<std::size_t>(i)];
        slot.exchange.Close();
        DropLookup(slot);
        statusBar.setPanelText(2, "Open: " + std::to_string(i));
        // A tab ends the name: the unchecked names carry their reason after one.
        const std::string line = ReadNameAt(cursor);
        const std::string name = names::NameToLookUp(std::string_view(line).substr(0, line.find('\t')));
        ++cursor;
        if (cursor <= lastPosition) {
            statusBar.setPanelText(1, std::to_string(cursor) + " of " + std::to_string(lastPosition));
        }
        statusBar.setPanelText(2, cursor > lastPosition
                                      ? std::string("Open: Closing connections...")
                                      : "Open: " + std::to_string(kPoolSize - finishedLookups));
        if (name == kEndOfList) {
            endOfList = true;
            break;
        }
        StoreCursor();
        ++batchLookups;
        StartLookup(name, i);
    }
    // Lookups that finished without a connection may have drained the batch already.
    if (!stopRequested && BatchDrained()) EndBatch();
}

void MainWindow::StoreCursor() {
    if (const auto key = ResumeKey()) settings_.save(*key, cursor);
    settings_.save(SettingKey::wordNumber, cursor);
}

std::optional<SettingKey> MainWindow::ResumeKey() const {
    const SearchTypeRow* chosen = FindSearchType(searchType.text());
    return chosen != nullptr ? chosen->resumeKey : std::nullopt;
}

bool MainWindow::BatchDrained() const {
    return finishedLookups >= batchLookups;
}

void MainWindow::LookupFinished() {
    if (stopRequested || !batchOpen) return;
    ++finishedLookups;
    if (BatchDrained()) {
        const bool stopping = endOfList;
        EndBatch();
        if (stopping) return;
    }
    services_.pump().processPendingEvents();
}

// Counts a lookup that ended before it connected anywhere.
void MainWindow::FinishLookupAtOnce(std::string_view name, std::string_view uncheckedReason) {
    ++finishedLookups;
    if (uncheckedReason.empty()) return ReportUnjudged(name);
    AddUncheckedName(name, uncheckedReason);
}

// Ends the slot's lookup without a verdict; a slot with none in flight has
// nothing to report.
void MainWindow::DropLookup(LookupSlot& slot) {
    if (!slot.busy) return;
    slot.busy = false;
    AddUncheckedName(slot.exchange.name(), whois::kReasonNoAnswer);
}

void MainWindow::ReportUnjudged(std::string_view name) {
    if (hooks_.nameUnjudged) hooks_.nameUnjudged(name);
}

void MainWindow::EndBatch() {
    batchOpen = false;
    CloseConnections();
    batchTicks = 0;
    if (endOfList) {
        Stop();
    } else {
        StartBatch();
    }
}

void MainWindow::BatchTick() {
    if (stopRequested) {
        batchTimer->setEnabled(false);
        return;
    }
    if (++batchTicks < kBatchSeconds) return;
    batchTimer->setEnabled(false);
    batchTicks = 0;
    finishedLookups = kPoolSize;
    LookupFinished();
}

void MainWindow::Stop() {
    finishedLookups = kPoolSize;
    stopRequested = true;
    batchOpen = false;
    CloseConnections();
    batchTicks = 0;
    searchType.setEnabled(true);
    const auto type = SearchTypeOf(searchType.text());
    if (type == SearchType::CustomList || type == SearchType::Generate) {
        EnableListRun();
        SetStartNumber(std::to_string(settings_.number(SettingKey::CustWordNum)));
    } else {
        ChooseSearchType();
    }
    statusBar.setPanelText(1, "Entry Status");
    statusBar.setPanelText(2, "Open Connections");
    statusBar.setPanelText(3, "Connection Status");
    uncheckedNames.Save();
    services_.settings().flush();
    if (hooks_.runStopped) hooks_.runStopped();
}

}  // namespace quillmark
