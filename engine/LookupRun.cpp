// The run: batches of lookups over the connection pool.
#include "engine/MainWindow.h"
#include "engine/NameCleaning.h"

namespace quillmark {

namespace {

struct ResumeKeyOf {
    std::string_view item;
    SettingKey key;
};

constexpr std::array kResumeKeys = {
    ResumeKeyOf{"Full Word List", SettingKey::FullWordNum},
    ResumeKeyOf{"All Two Letter", SettingKey::TwoWordNum},
    ResumeKeyOf{"All Three Letter", SettingKey::ThreeWordNum},
    ResumeKeyOf{"All Four Letter", SettingKey::FourWordNum},
    ResumeKeyOf{"Custom List", SettingKey::CustWordNum},
    ResumeKeyOf{"Yahoo Search", SettingKey::YahooWordNum},
    ResumeKeyOf{"Google Search", SettingKey::GoogleWordNum},
};

bool isSearchSource(std::string_view item) {
    return item == "Yahoo Search" || item == "Google Search";
}

}  // namespace

void MainWindow::cmdDoSearch_Click() {
    StopRequested = false;
    state_.RegisteredCount = state_.HighCount = state_.MidCount = state_.LowCount = 0;
    for (Control* control : std::initializer_list<Control*>{&cmdDoSearch, &Command3, &Combo1, &txtWordNum,
                                                            &Combo2, &cmdCreate, &txtSearch}) {
        control->setEnabled(false);
    }
    if (isSearchSource(Combo1.text())) SetWordNum("1");
    // Text that is no whole number counts as 1, so the bounds are always defined.
    WordNumber = WholeNumberOrOne(txtWordNum.text());
    WordMax = WholeNumberOrOne(txtWordMax.text());
    Command3.setEnabled(true);
    StartBatch();
}

void MainWindow::StartBatch() {
    if (StopRequested) return;
    EndOfList = false;
    ClosedCount = 0;
    BatchTicks = 0;
    BatchLookups = 0;
    BatchOpen = true;
    overall->setEnabled(true);
    for (int i = 0; i < kPoolSize; ++i) {
        if (StopRequested) return;
        const auto slot = static_cast<std::size_t>(i);
        Winsock1[slot]->close();
        DropLookup(slot);
        StatusBar1.setPanelText(2, "Open: " + std::to_string(i));
        const std::string name = names::CorrectName(ReadNameAt(WordNumber));
        ++WordNumber;
        if (WordNumber <= WordMax) {
            StatusBar1.setPanelText(1, std::to_string(WordNumber) + " of " + std::to_string(WordMax));
        }
        StatusBar1.setPanelText(2, WordNumber > WordMax ? std::string("Open: Closing connections...")
                                                        : "Open: " + std::to_string(kPoolSize - ClosedCount));
        if (name == kEndOfList) {
            EndOfList = true;
            break;
        }
        StoreCursor();
        ++BatchLookups;
        StartLookup(name, i);
    }
    // Lookups that finished without a connection may have drained the batch already.
    if (!StopRequested && BatchDrained()) EndBatch();
}

void MainWindow::StoreCursor() {
    if (const auto key = ResumeKey()) settings_.save(*key, WordNumber);
    settings_.save(SettingKey::wordNumber, WordNumber);
}

std::optional<SettingKey> MainWindow::ResumeKey() const {
    for (const ResumeKeyOf& resume : kResumeKeys) {
        if (Combo1.text() == resume.item) return resume.key;
    }
    return std::nullopt;
}

bool MainWindow::BatchDrained() const {
    return ClosedCount >= BatchLookups;
}

void MainWindow::ConnectionDone() {
    if (StopRequested || !BatchOpen) return;
    ++ClosedCount;
    if (BatchDrained()) {
        const bool stopping = EndOfList;
        EndBatch();
        if (stopping) return;
    }
    services_.pump().processPendingEvents();
}

// Counts a lookup that ended before it connected anywhere.
void MainWindow::FinishLookupAtOnce(std::string_view name) {
    ++ClosedCount;
    ReportUnjudged(name);
}

// Ends the slot's lookup without a verdict; a slot with none in flight has
// nothing to report.
void MainWindow::DropLookup(std::size_t slot) {
    if (!ConnBusy[slot]) return;
    ConnBusy[slot] = false;
    ReportUnjudged(ConnName[slot]);
}

void MainWindow::ReportUnjudged(std::string_view name) {
    if (hooks_.nameUnjudged) hooks_.nameUnjudged(name);
}

void MainWindow::EndBatch() {
    BatchOpen = false;
    for (int i = 0; i < kPoolSize; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        timTimeout[slot]->setEnabled(false);
        Winsock1[slot]->close();
        DropLookup(slot);
    }
    overall->setEnabled(false);
    BatchTicks = 0;
    if (EndOfList) {
        Command3_Click();
    } else {
        StartBatch();
    }
}

void MainWindow::overall_Timer() {
    if (StopRequested) {
        overall->setEnabled(false);
        return;
    }
    if (++BatchTicks < kBatchSeconds) return;
    overall->setEnabled(false);
    BatchTicks = 0;
    ClosedCount = kPoolSize;
    ConnectionDone();
}

void MainWindow::Command3_Click() {
    ClosedCount = kPoolSize;
    StopRequested = true;
    BatchOpen = false;
    overall->setEnabled(false);
    for (int i = 0; i < kPoolSize; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        Winsock1[slot]->close();
        timTimeout[slot]->setEnabled(false);
        ConnTicks[slot] = 0;
        DropLookup(slot);
    }
    BatchTicks = 0;
    Combo1.setEnabled(true);
    const std::string& item = Combo1.text();
    if (item == "Custom List" || item == "Generate names") {
        EnableListRun();
        SetWordNum(std::to_string(settings_.number(SettingKey::CustWordNum)));
    } else {
        Combo1_Click();
    }
    StatusBar1.setPanelText(1, "Entry Status");
    StatusBar1.setPanelText(2, "Open Connections");
    StatusBar1.setPanelText(3, "Connection Status");
    services_.settings().flush();
    if (hooks_.runStopped) hooks_.runStopped();
}

}  // namespace quillmark
