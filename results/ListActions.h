#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/ListBox.h"
#include "platform/Services.h"

namespace quillmark::results {

// The three buttons under a result list.
struct ListButtons {
    Button copy;
    Button deleteSelected;
    Button clear;
};

// What the user does to a result list, for the main window's lists and the
// browse window's alike. Each window adds what follows (counts, captions,
// saved files) and keeps its own key map and caption format.

// Removes the list's current item. False when there is none.
bool DeleteSelected(ListBox& list);

// Puts the list's items on the clipboard in place of what it held, one a
// line (the clipboard gives them the desktop's line ends).
void CopyList(Clipboard& clipboard, const ListBox& list);

// What the Delete key asks of a list.
enum class DeleteKey { Nothing, DeleteSelected, Clear };
// A window's key map: what Delete asks with these modifier bits (platform/Keys.h).
using DeleteKeyMap = DeleteKey (*)(int modifiers);

// A key pressed on a list: Delete runs deleteSelected or clear as the map
// says; any other key runs nothing.
void OnListKey(int keyCode, int modifiers, DeleteKeyMap map, const std::function<void()>& deleteSelected,
               const std::function<void()>& clear);

// The indices of the selected items, ascending, joined by "|": what a drag
// from a result list carries.
std::string DragText(const ListBox& list);

// The names a dropped drag text points at in the source list. Pieces that are
// not whole numbers or point past the list are skipped.
std::vector<std::string> DroppedNames(std::string_view dragText, const ListBox& source);

// The names the list lacks, each once, in their order; names are compared
// without regard to ASCII letter case.
std::vector<std::string> NewNames(const ListBox& list, std::vector<std::string> names);

// Saved names: the file "\Remembered.txt", one name per line. Loading takes
// each name once and rewrites a file that held one twice.
void LoadRemembered(const ProgramFolder& folder, ListBox& saved);
void SaveRemembered(const ProgramFolder& folder, const ListBox& saved);

}  // namespace quillmark::results
