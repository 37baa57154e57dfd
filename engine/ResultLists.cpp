// The result lists: delete, clear, undo, copy, keys, drag and drop, saved
// names and export.
#include <algorithm>
#include <utility>

#include "engine/MainWindow.h"
#include "platform/Keys.h"
#include "results/Export.h"
#include "results/ListActions.h"

namespace quillmark {

namespace {

// The caption of each list without a count, and its name in an export, in
// the order of kResultLists.
constexpr std::array<std::string_view, 5> kListTitles = {"Low Profile", "Registered", "High Profile",
                                                         "Mid Profile", "Saved Domains"};
constexpr std::array<std::string_view, 5> kExportNames = {"Low", "Registered", "High", "Mid", "Saved"};

bool validList(ResultList list) {
    const int n = static_cast<int>(list);
    return n >= 1 && n <= 5;
}

// The lists that take judged names: their names drag to Saved.
bool judgedList(ResultList list) {
    return validList(list) && list != ResultList::Saved;
}

bool profileList(ResultList list) {
    return judgedList(list) && list != ResultList::Registered;
}

// Shift+Delete clears the list; Delete alone, or with any other modifiers,
// deletes the selected item.
results::DeleteKey deleteKey(int modifiers) {
    return modifiers == key::kShiftMask ? results::DeleteKey::Clear : results::DeleteKey::DeleteSelected;
}

}  // namespace

void MainWindow::AddListed(ResultList list, std::string_view name) {
    ListBox& box = ListOf(list);
    auto& times = listedAt_[SlotOf(list)];
    if (list == ResultList::Registered && box.listCount() >= kRegisteredLimit) {
        box.clear();
        times.clear();
    }
    box.addItem(std::string(name));
    times.insert_or_assign(std::string(name), services_.clock().now());
    ShowCount(list);
}

std::optional<LocalTime> MainWindow::ListedAt(ResultList list, const std::string& name) const {
    if (!validList(list)) return std::nullopt;
    const auto& times = listedAt_[SlotOf(list)];
    const auto found = times.find(name);
    return found == times.end() ? std::nullopt : std::optional(found->second);
}

// The count always comes from the list itself.
void MainWindow::ShowCount(ResultList list) {
    CaptionOf(list).setCaption(std::string(kListTitles.at(SlotOf(list))) + " (" +
                               std::to_string(ListOf(list).listCount()) + ")");
}

void MainWindow::ListChanged(ResultList list) {
    ShowCount(list);
    if (list == ResultList::Saved) SaveRemembered();
    if (profileList(list)) SaveProfileFiles();
}

// The program emptied the judged lists (an overflow): their times go too.
void MainWindow::ListsEmptied() {
    for (const ResultList list : kResultLists) {
        if (!judgedList(list)) continue;
        listedAt_[SlotOf(list)].clear();
        ShowCount(list);
    }
}

void MainWindow::KeepForUndo(std::vector<TakenNames> taken, std::string_view what) {
    undo_ = std::move(taken);
    undoItem.setCaption("Undo " + std::string(what));
    undoItem.setEnabled(true);
}

void MainWindow::DeleteSelected(ResultList list) {
    if (!validList(list)) return;
    ListBox& box = ListOf(list);
    const int index = box.listIndex();
    if (index < 0 || index >= box.listCount()) return;
    const std::string name = box.list(index);
    results::DeleteSelected(box);
    KeepForUndo({TakenNames{list, static_cast<std::size_t>(index), {name}, {}, box.rewriteRevision()}},
                "Delete " + name);
    ListChanged(list);
}

void MainWindow::ClearList(ResultList list) {
    ClearLists({list});
}

// One undo brings back every list of one clear.
void MainWindow::ClearLists(std::initializer_list<ResultList> lists) {
    std::vector<TakenNames> taken;
    for (const ResultList list : lists) {
        if (!validList(list) || ListOf(list).listCount() == 0) continue;
        ListBox& box = ListOf(list);
        taken.push_back({list, 0, box.items(), std::exchange(listedAt_[SlotOf(list)], {}), 0});
        box.clear();
        taken.back().revision = box.rewriteRevision();
    }
    if (taken.empty()) return;  // nothing gone: the last undo stays
    const std::string what = taken.size() == 1 ? std::string(kListTitles.at(SlotOf(taken[0].list)))
                                               : std::to_string(taken.size()) + " Lists";
    KeepForUndo(std::move(taken), "Clear " + what);
    for (const TakenNames& cleared : undo_) ListChanged(cleared.list);
}

void MainWindow::Undo() {
    for (TakenNames& taken : std::exchange(undo_, {})) {
        ListBox& box = ListOf(taken.list);
        // Saved holds each name once, even one saved again since.
        if (taken.list == ResultList::Saved) taken.names = results::NewNames(box, std::move(taken.names));
        std::vector<std::string> names = box.items();
        // Only appends since: the names go back where they were. A list the
        // program emptied meanwhile gets them before its new names.
        const std::size_t at =
            box.rewriteRevision() == taken.revision ? std::min(taken.position, names.size()) : 0;
        names.insert(names.begin() + static_cast<std::ptrdiff_t>(at),
                     std::make_move_iterator(taken.names.begin()),
                     std::make_move_iterator(taken.names.end()));
        box.setItems(std::move(names));
        listedAt_[SlotOf(taken.list)].merge(taken.times);
        ListChanged(taken.list);
    }
    undoItem.setCaption("Undo");
    undoItem.setEnabled(false);
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

// A name saved twice, in any letter case, is saved once; it keeps the time it
// was judged.
void MainWindow::DropOnSaved(std::string_view dragText) {
    if (!lastClickedList) return;
    auto added = results::NewNames(savedList, results::DroppedNames(dragText, ListOf(*lastClickedList)));
    if (added.empty()) return;
    for (const auto& name : added) {
        if (const auto judged = ListedAt(*lastClickedList, name))
            listedAt_[SlotOf(ResultList::Saved)].insert_or_assign(name, *judged);
    }
    savedList.addItems(std::move(added));
    ListChanged(ResultList::Saved);
}

void MainWindow::LoadRemembered() {
    results::LoadRemembered(state_.programFolder, savedList);
    for (const ResultList list : kResultLists) ShowCount(list);
}

void MainWindow::SaveRemembered() {
    results::SaveRemembered(state_.programFolder, savedList);
}

void MainWindow::ExportLists() {
    FileDialogRequest request{"Export Lists", state_.programFolder.root().string(), "Domains.csv",
                              "CSV files (*.csv)|*.csv|JSON files (*.json)|*.json"};
    const auto path = services_.dialogs().saveFile(request);
    if (!path) return;
    std::vector<results::ListedName> names;
    for (const ResultList list :
         {ResultList::High, ResultList::Mid, ResultList::Low, ResultList::Registered, ResultList::Saved}) {
        for (const auto& name : ListOf(list).items())
            names.push_back({name, kExportNames.at(SlotOf(list)), ListedAt(list, name)});
    }
    const auto format = results::FormatOfPath(*path).value_or(results::ExportFormat::Csv);
    if (!WriteFileReplacing(*path, results::ExportListedNames(format, names))) {
        services_.messages().show("Could not write " + *path, "Export Lists");
        return;
    }
    statusBar.setPanelText(3, "Exported " + std::to_string(names.size()) + " names to " + *path);
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
            return ClearLists({ResultList::Low, ResultList::High, ResultList::Mid});
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
