// The result lists: delete, clear, copy, keys, drag and drop, saved names.
#include "engine/MainWindow.h"
#include "results/ListActions.h"

namespace quillmark {

namespace {

// The caption of each list without a count, by list number.
constexpr std::array<std::string_view, 6> kListTitles = {
    "", "Low Profile", "Registered", "High Profile", "Mid Profile", "Saved Domains"};

bool validList(int n) {
    return n >= 1 && n <= 5;
}

}  // namespace

std::int32_t* MainWindow::ResultCounter(int n) {
    switch (n) {
        case 1:
            return &state_.LowCount;
        case 2:
            return &state_.RegisteredCount;
        case 3:
            return &state_.HighCount;
        case 4:
            return &state_.MidCount;
        default:
            return nullptr;
    }
}

void MainWindow::ShowCount(int n) {
    const std::int32_t* counter = ResultCounter(n);
    if (counter == nullptr) return;
    ResultCaption(n).setCaption(std::string(kListTitles[static_cast<std::size_t>(n)]) + " (" +
                                std::to_string(*counter) + ")");
}

void MainWindow::cmdClear_Click(int index) {
    if (!validList(index)) return;
    ListBox& list = ResultList(index);
    if (list.listIndex() < 0) return;
    list.removeItem(list.listIndex());
    if (std::int32_t* counter = ResultCounter(index)) {
        --*counter;
        ShowCount(index);
    }
    // Saved names stay deleted across a restart.
    if (index == 5) SaveRemembered();
}

void MainWindow::cmdClear2_Click(int index) {
    if (!validList(index)) return;
    ResultList(index).clear();
    if (std::int32_t* counter = ResultCounter(index)) {
        *counter = 0;
        ResultCaption(index).setCaption(std::string(kListTitles[static_cast<std::size_t>(index)]));
    }
    if (index == 5) SaveRemembered();
}

void MainWindow::cmdCopy_Click(int index) {
    if (!validList(index)) return;
    services_.clipboard().clear();
    services_.clipboard().setText(results::CopyText(ResultList(index)));
}

void MainWindow::List_Click(int list) {
    if (list >= 1 && list <= 4) LastList = static_cast<std::int16_t>(list);
}

void MainWindow::List_KeyDown(int list, int keyCode, int shift) {
    if (keyCode != kKeyDelete) return;
    if (shift == kShiftMask) {
        cmdClear2_Click(list);
    } else {
        cmdClear_Click(list);
    }
}

std::string MainWindow::List_OLEStartDrag(int list) {
    if (list < 1 || list > 4) return {};
    return results::DragText(ResultList(list));
}

void MainWindow::List5_OLEDragDrop(std::string_view dragText) {
    if (LastList >= 1 && LastList <= 4) {
        for (auto& name : results::DroppedNames(dragText, ResultList(LastList)))
            List5.addItem(std::move(name));
    }
    SaveRemembered();
}

void MainWindow::LoadRemembered() {
    results::LoadRemembered(state_.ProgramFolder, List5);
}

void MainWindow::SaveRemembered() {
    results::SaveRemembered(state_.ProgramFolder, List5);
}

const std::array<const char*, 10>& MainWindow::EditMenuCaptions() {
    static const std::array<const char*, 10> captions = {
        "Clear High/Mid/Low", "Clear High", "Clear Mid", "Clear Low", "Clear Registered",
        "Clear Saved",        "Copy High",  "Copy Mid",  "Copy Low",  "Copy Saved"};
    return captions;
}

void MainWindow::mnuEditItem_Click(int index) {
    switch (index) {
        case 0:
            cmdClear2_Click(1);
            cmdClear2_Click(3);
            cmdClear2_Click(4);
            break;
        case 1:
            return cmdClear2_Click(3);
        case 2:
            return cmdClear2_Click(4);
        case 3:
            return cmdClear2_Click(1);
        case 4:
            return cmdClear2_Click(2);
        case 5:
            return cmdClear2_Click(5);
        case 6:
            return cmdCopy_Click(3);
        case 7:
            return cmdCopy_Click(4);
        case 8:
            return cmdCopy_Click(1);
        case 9:
            return cmdCopy_Click(5);
        default:
            break;
    }
}

}  // namespace quillmark
