// The run: every slot takes the next name as soon as its lookup ends.
#include "engine/MainWindow.h"
#include "engine/SearchTypes.h"
#include "platform/Files.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

// "2 min 5 s", "1 h 3 min", "40 s".
std::string DurationText(std::int64_t seconds) {
    if (seconds < 60) return std::to_string(seconds) + " s";
    if (seconds < 3600) return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
}

// A tab ends the name: the unchecked names carry their reason after one.
// StartLookup cleans what is left.
std::string NameOfLine(std::string_view line) {
    return std::string(line.substr(0, line.find('\t')));
}

}  // namespace

void MainWindow::Start() {
    stopRequested = false;
    running = true;
    endOfList = wentThrough = false;
    runCounts = {};
    runSeconds = outcomesUnsaved = 0;
    for (Control* control : std::initializer_list<Control*>{
             &startButton, &stopButton, &searchType, &startNumber, &searchSize, &searchButton, &searchText}) {
        control->setEnabled(false);
    }
    if (const auto type = SearchTypeOf(searchType.text()); type && IsWebSearch(*type)) SetStartNumber("1");
    // Text that is no whole number counts as 1, so the bounds are always defined.
    cursor = WholeNumberOrOne(startNumber.text());
    lastPosition = WholeNumberOrOne(listSize.text());
    waitingNames.clear();
    pausedServers.clear();
    openPositions.clear();
    ResumeOpenNames();
    runDone = 0;
    runTotal = static_cast<std::int32_t>(waitingNames.size()) + std::max(0, CountListEntries() - cursor + 1);
    progress.setVisible(true);
    ShowProgress();
    stopButton.setEnabled(true);
    runTimer->setEnabled(true);
    FillSlots();
}

// A run stopped on this list at this start number goes on where it was: the
// names that had no outcome first, then the list after the last one read.
void MainWindow::ResumeOpenNames() {
    const auto open = StoredOpenNames();
    if (!open || open->positions.front() != cursor) return;
    for (const std::int32_t position : open->positions) {
        std::string line = ReadNameAt(position);
        if (line == kEndOfList) continue;
        openPositions.insert(position);
        waitingNames.push_back({NameOfLine(line), position, 0, {}, {}, false});
    }
    cursor = open->next;
}

std::optional<MainWindow::OpenNames> MainWindow::StoredOpenNames() const {
    const std::string stored = ReadWholeFile(state_.programFolder.file(files::kRunOpen)).value_or("");
    const auto parts = text::split(stored, '|');
    if (parts.size() != 3 || parts[0] != listFile) return std::nullopt;
    OpenNames open;
    for (const auto field : text::split(parts[2], ',')) {
        if (const auto position = text::parseInt32(field); position && *position > 0)
            open.positions.push_back(*position);
    }
    const auto next = text::parseInt32(parts[1]);
    if (open.positions.empty() || !next) return std::nullopt;
    open.next = *next;
    return open;
}

void MainWindow::FillSlots() {
    if (!running) return;
    for (int i = 0; i < kPoolSize && !stopRequested; ++i) {
        // A name that ends at once (no server, cannot be sent) frees the slot again.
        while (!stopRequested && !lookupSlots[static_cast<std::size_t>(i)].busy && StartNext(i)) {
        }
    }
    statusBar.setPanelText(
        2, "Open: " + std::to_string(std::count_if(lookupSlots.begin(), lookupSlots.end(),
                                                   [](const LookupSlot& s) { return s.busy; })));
    if (!stopRequested && RunDrained()) FinishRun();
}

// The slot takes a waiting name whose server may be asked again, else the
// next name of the list. False when there is none for it now.
bool MainWindow::StartNext(int index) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    for (auto waiting = waitingNames.begin(); waiting != waitingNames.end(); ++waiting) {
        if (!waiting->server.empty() && ServerPaused(waiting->server)) continue;
        WaitingName name = std::move(*waiting);
        waitingNames.erase(waiting);
        slot.position = name.position;
        slot.attempts = name.attempts;
        StartLookup(name.name, index, name.protocol ? &name : nullptr);
        return true;
    }
    if (endOfList || waitingNames.size() >= kWaitingLimit) return false;
    const std::string line = ReadNameAt(cursor);
    if (line == kEndOfList) {
        endOfList = true;
        return false;
    }
    slot.position = cursor++;
    slot.attempts = 0;
    openPositions.insert(slot.position);
    if (slot.position <= lastPosition)
        statusBar.setPanelText(1, std::to_string(slot.position) + " of " + std::to_string(lastPosition));
    StoreCursor();
    StartLookup(NameOfLine(line), index);
    return true;
}

// The first position without an outcome is the start number a later run
// begins at; the names after it that have one are not asked again.
void MainWindow::StoreCursor() {
    const std::int32_t first = FirstOpenPosition();
    if (const auto key = ResumeKey()) settings_.save(*key, first);
    settings_.save(SettingKey::wordNumber, first);
}

std::int32_t MainWindow::FirstOpenPosition() const {
    return openPositions.empty() ? cursor : std::min(*openPositions.begin(), cursor);
}

// A file of its own, cheap to replace as often as this is called.
void MainWindow::StoreOpenNames() {
    std::string open;
    for (const std::int32_t position : openPositions)
        open += (open.empty() ? "" : ",") + std::to_string(position);
    WriteFileReplacing(state_.programFolder.file(files::kRunOpen),
                       open.empty() ? std::string() : listFile + "|" + std::to_string(cursor) + "|" + open);
}

std::optional<SettingKey> MainWindow::ResumeKey() const {
    const SearchTypeRow* chosen = FindSearchType(searchType.text());
    return chosen != nullptr ? chosen->resumeKey : std::nullopt;
}

// A lookup has its outcome: its position is done and the slot goes on.
void MainWindow::LookupEnded(int index) {
    PositionDone(lookupSlots[static_cast<std::size_t>(index)].position);
    if (!stopRequested) FillSlots();
}

// Written to disk every kPoolSize outcomes, so a run killed on the way asks
// at most that many names again besides those in flight.
void MainWindow::PositionDone(std::int32_t position) {
    // The bar moves between the ticks too, not for every name.
    if (openPositions.erase(position) != 0 && ++runDone % kPoolSize == 0) ShowProgress();
    StoreCursor();
    if (++outcomesUnsaved < kPoolSize) return;
    outcomesUnsaved = 0;
    StoreOpenNames();
}

// The pace counts whole seconds of the run; time left follows from it.
void MainWindow::ShowProgress() {
    const std::int32_t total = std::max(runTotal, runDone);
    std::string text = std::to_string(runDone) + " of " + std::to_string(total) + " names";
    if (runSeconds > 0 && runDone > 0) {
        const std::int64_t perMinute = std::int64_t{runDone} * 60 / runSeconds;
        const std::int64_t left = std::int64_t{total - runDone} * runSeconds / runDone;
        text += ", " + std::to_string(perMinute) + " names/min";
        if (running) text += ", " + DurationText(left) + " left";
    }
    progress.setProgress(runDone, total, std::move(text));
}

bool MainWindow::RunDrained() const {
    if (!endOfList || !waitingNames.empty()) return false;
    return std::none_of(lookupSlots.begin(), lookupSlots.end(), [](const LookupSlot& s) { return s.busy; });
}

void MainWindow::FinishRun() {
    wentThrough = true;
    Stop();
}

bool MainWindow::ServerPaused(const std::string& server) const {
    const auto pause = pausedServers.find(server);
    return pause != pausedServers.end() && pause->second.until > runSeconds;
}

// Each throttle in a row doubles the wait; a reply with a verdict ends the row.
void MainWindow::PauseServer(const std::string& server, std::optional<std::int64_t> askedSeconds) {
    ServerPause& pause = pausedServers[server];
    // Lookups sent before the wait began say the same thing again: one wait.
    if (pause.until > runSeconds) return;
    if (askedSeconds) {
        pause.seconds = static_cast<std::int32_t>(std::max<std::int64_t>(1, *askedSeconds));
    } else {
        pause.seconds =
            pause.seconds == 0 ? std::max(1, settings_.number(SettingKey::ThrottleWait)) : pause.seconds * 2;
    }
    pause.until = runSeconds + pause.seconds;
    statusBar.setPanelText(3, server + " asks to slow down: waiting " + std::to_string(pause.seconds) + " s");
}

// Counts a lookup that ended before it connected anywhere.
void MainWindow::FinishLookupAtOnce(int index, std::string_view name, std::string_view uncheckedReason) {
    if (uncheckedReason.empty()) {
        ReportUnjudged(name);
    } else {
        AddUncheckedName(name, uncheckedReason, {});
    }
    PositionDone(lookupSlots[static_cast<std::size_t>(index)].position);
}

// Ends the slot's lookup without a verdict. An unanswered name is kept
// unchecked, unless the run is stopping: then it stays open for the next run.
void MainWindow::DropLookup(LookupSlot& slot, bool keepUnanswered) {
    if (!slot.busy) return;
    slot.busy = false;
    slot.timer->setEnabled(false);
    slot.http->abort();
    if (keepUnanswered)
        AddUncheckedName(slot.name, whois::kReasonNoAnswer, whois::ProtocolName(slot.protocol));
}

void MainWindow::ReportUnjudged(std::string_view name) {
    if (hooks_.nameUnjudged) hooks_.nameUnjudged(name);
}

void MainWindow::RunTick() {
    if (stopRequested) return runTimer->setEnabled(false);
    ++runSeconds;
    ShowProgress();
    if (outcomesUnsaved > 0) {
        outcomesUnsaved = 0;
        StoreOpenNames();
        services_.settings().flush();
    }
    if (!waitingNames.empty()) FillSlots();
}

void MainWindow::Stop() {
    stopRequested = true;
    running = false;
    CloseConnections();
    runTimer->setEnabled(false);
    StoreCursor();
    StoreOpenNames();
    ShowProgress();
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
    statusBar.setPanelText(3, (wentThrough ? "Done: " : "Stopped: ") + std::to_string(runCounts.free) +
                                  " free, " + std::to_string(runCounts.taken) + " taken, " +
                                  std::to_string(runCounts.unchecked) + " unchecked in " +
                                  std::to_string(runSeconds) + " s");
    uncheckedNames.Save();
    services_.settings().flush();
    if (hooks_.runStopped) hooks_.runStopped();
}

}  // namespace quillmark
