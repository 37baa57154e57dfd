#include "results/ListActions.h"

#include <unordered_set>

#include "platform/Keys.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::results {

bool DeleteSelected(ListBox& list) {
    const int current = list.listIndex();
    if (current < 0 || current >= list.listCount()) return false;
    list.removeItem(current);
    return true;
}

void CopyList(Clipboard& clipboard, const ListBox& list) {
    clipboard.clear();
    clipboard.setText(text::joinLines(list.items()));
}

void OnListKey(int keyCode, int modifiers, DeleteKeyMap map, const std::function<void()>& deleteSelected,
               const std::function<void()>& clear) {
    if (keyCode != key::kDelete) return;
    switch (map(modifiers)) {
        case DeleteKey::DeleteSelected:
            return deleteSelected();
        case DeleteKey::Clear:
            return clear();
        case DeleteKey::Nothing:
            return;
    }
}

std::string DragText(const ListBox& list) {
    std::string text;
    for (const int index : list.selectedIndices()) {
        if (!text.empty()) text += '|';
        text += std::to_string(index);
    }
    return text;
}

std::vector<std::string> DroppedNames(std::string_view dragText, const ListBox& source) {
    std::vector<std::string> names;
    if (dragText.empty()) return names;
    for (const auto piece : text::split(dragText, '|')) {
        const auto index = text::parseInt32(piece);
        if (index && *index >= 0 && *index < source.listCount()) names.push_back(source.list(*index));
    }
    return names;
}

std::vector<std::string> NewNames(const ListBox& list, std::vector<std::string> names) {
    std::unordered_set<std::string> seen;
    for (const auto& name : list.items()) seen.insert(text::toLower(name));
    std::erase_if(names,
                  [&seen](const std::string& name) { return !seen.insert(text::toLower(name)).second; });
    return names;
}

void LoadRemembered(const ProgramFolder& folder, ListBox& saved) {
    const auto path = folder.file(files::kRemembered);
    if (!FileExists(path)) return;
    auto names = ReadNameList(path);
    const std::size_t read = names.size();
    names = NewNames(saved, std::move(names));
    const bool repeated = names.size() < read;
    saved.addItems(std::move(names));
    if (repeated) SaveRemembered(folder, saved);
}

void SaveRemembered(const ProgramFolder& folder, const ListBox& saved) {
    WriteFileReplacing(folder.file(files::kRemembered), text::joinLines(saved.items()));
}

}  // namespace quillmark::results
