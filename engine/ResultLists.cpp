// The result lists: delete, clear, copy, keys, drag and drop, saved names.
#include "engine/MainWindow.h"
#include "platform/Text.h"
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
            return &state_.lowCount;
        case 2:
            return &state_.registeredCount;
        case 3:
            return &state_.highCount;
        case 4:
            return &state_.midCount;
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

void MainWindow::DeleteSelected(int index) {
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

void MainWindow::ClearList(int index) {
    if (!validList(index)) return;
    ResultList(index).clear();
    if (std::int32_t* counter = ResultCounter(index)) {
        *counter = 0;
        ResultCaption(index).setCaption(std::string(kListTitles[static_cast<std::size_t>(index)]));
    }
    if (index == 5) SaveRemembered();
}

void MainWindow::CopyList(int index) {
    if (!validList(index)) return;
    services_.clipboard().clear();
    services_.clipboard().setText(text::joinLines(ResultList(index).items()));
}

void MainWindow::ListClicked(int list) {
    if (list >= 1 && list <= 4) lastClickedList = static_cast<std::int16_t>(list);
}

void MainWindow::ListKeyDown(int list, int keyCode, int shift) {
    if (keyCode != key::kDelete) return;
    if (shift == key::kShiftMask) {
        ClearList(list);
    } else {
        DeleteSelected(list);
    }
}

std::string MainWindow::DragText(int list) {
    if (list < 1 || list > 4) return {};
    return results::DragText(ResultList(list));
}

void MainWindow::DropOnSaved(std::string_view dragText) {
    if (lastClickedList >= 1 && lastClickedList <= 4) {
        for (auto& name : results::DroppedNames(dragText, ResultList(lastClickedList)))
            savedList.addItem(std::move(name));
    }
    SaveRemembered();
}

void MainWindow::LoadRemembered() {
    results::LoadRemembered(state_.programFolder, savedList);
}

void MainWindow::SaveRemembered() {
    results::SaveRemembered(state_.programFolder, savedList);
}

const std::array<const char*, 10>& MainWindow::EditMenuCaptions() {
    static const std::array<const char*, 10> captions = {
        "Clear High/Mid/Low", "Clear High", "Clear Mid", "Clear Low", "Clear Registered",
        "Clear Saved",        "Copy High",  "Copy Mid",  "Copy Low",  "Copy Saved"};
    return captions;
}

void MainWindow::EditMenu(int index) {
    switch (index) {
        case 0:
            ClearList(1);
            ClearList(3);
            ClearList(4);
            break;
        case 1:
            return ClearList(3);
        case 2:
            return ClearList(4);
        case 3:
            return ClearList(1);
        case 4:
            return ClearList(2);
        case 5:
            return ClearList(5);
        case 6:
            return CopyList(3);
        case 7:
            return CopyList(4);
        case 8:
            return CopyList(1);
        case 9:
            return CopyList(5);
        default:
            break;
    }
}

}  // namespace quillmark
