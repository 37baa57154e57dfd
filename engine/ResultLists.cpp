// The result lists: delete, clear, copy, keys, drag and drop, saved names.
#include "engine/MainWindow.h"
#include "platform/Keys.h"
#include "results/ListActions.h"

namespace quillmark {

namespace {

// The caption of each list without a count, in the order of kResultLists.
constexpr std::array<std::string_view, 5> kListTitles = {"Low Profile", "Registered", "High Profile",
                                                         "Mid Profile", "Saved Domains"};

bool validList(ResultList list) {
    const int n = static_cast<int>(list);
    return n >= 1 && n <= 5;
}

// The lists that take judged names: they count them, and their names drag to Saved.
bool judgedList(ResultList list) {
    return validList(list) && list != ResultList::Saved;
}

// Shift+Delete clears the list; Delete alone, or with any other modifiers,
// deletes the selected item.
results::DeleteKey deleteKey(int modifiers) {
    return modifiers == key::kShiftMask ? results::DeleteKey::Clear : results::DeleteKey::DeleteSelected;
}

std::string_view titleOf(ResultList list) {
    return kListTitles.at(SlotOf(list));
}

}  // namespace

std::int32_t* MainWindow::ResultCounter(ResultList list) {
    switch (list) {
        case ResultList::Low:
            return &state_.lowCount;
        case ResultList::Registered:
            return &state_.registeredCount;
        case ResultList::High:
            return &state_.highCount;
        case ResultList::Mid:
            return &state_.midCount;
        default:
            return nullptr;
    }
}

void MainWindow::ShowCount(ResultList list) {
    const std::int32_t* counter = ResultCounter(list);
    if (counter == nullptr) return;
    CaptionOf(list).setCaption(std::string(titleOf(list)) + " (" + std::to_string(*counter) + ")");
}

void MainWindow::DeleteSelected(ResultList list) {
    if (!validList(list) || !results::DeleteSelected(ListOf(list))) return;
    if (std::int32_t* counter = ResultCounter(list)) {
        --*counter;
        ShowCount(list);
    }
    // Saved names stay deleted across a restart.
    if (list == ResultList::Saved) SaveRemembered();
}

void MainWindow::ClearList(ResultList list) {
    if (!validList(list)) return;
    ListOf(list).clear();
    if (std::int32_t* counter = ResultCounter(list)) {
        *counter = 0;
        CaptionOf(list).setCaption(std::string(titleOf(list)));
    }
    if (list == ResultList::Saved) SaveRemembered();
}

void MainWindow::CopyList(ResultList list) {
    if (!validList(list)) return;
    results::CopyList(services_.clipboard(), ListOf(list));
}

void MainWindow::ListClicked(ResultList list) {
    if (judgedList(list)) lastClickedList = list;
}

void MainWindow::ListKeyDown(ResultList list, int keyCode, int shift) {
    results::OnListKey(
        keyCode, shift, deleteKey, [&] { DeleteSelected(list); }, [&] { ClearList(list); });
}

std::string MainWindow::DragText(ResultList list) {
    if (!judgedList(list)) return {};
    return results::DragText(ListOf(list));
}

void MainWindow::DropOnSaved(std::string_view dragText) {
    if (lastClickedList) {
        for (auto& name : results::DroppedNames(dragText, ListOf(*lastClickedList)))
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
            ClearList(ResultList::Low);
            ClearList(ResultList::High);
            ClearList(ResultList::Mid);
            break;
        case 1:
            return ClearList(ResultList::High);
        case 2:
            return ClearList(ResultList::Mid);
        case 3:
            return ClearList(ResultList::Low);
        case 4:
            return ClearList(ResultList::Registered);
        case 5:
            return ClearList(ResultList::Saved);
        case 6:
            return CopyList(ResultList::High);
        case 7:
            return CopyList(ResultList::Mid);
        case 8:
            return CopyList(ResultList::Low);
        case 9:
            return CopyList(ResultList::Saved);
        default:
            break;
    }
}

}  // namespace quillmark
