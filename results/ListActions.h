#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/ListBox.h"

namespace quillmark::results {

// The three buttons under a result list.
struct ListButtons {
    Button copy;
    Button deleteSelected;
    Button clear;
};

// The indices of the selected items, ascending, joined by "|": what a drag
// from a result list carries.
std::string DragText(const ListBox& list);

// The names a dropped drag text points at in the source list. Pieces that are
// not whole numbers or point past the list are skipped.
std::vector<std::string> DroppedNames(std::string_view dragText, const ListBox& source);

// Saved names: the file "\Remembered.txt", one name per line.
void LoadRemembered(const ProgramFolder& folder, ListBox& saved);
void SaveRemembered(const ProgramFolder& folder, const ListBox& saved);

}  // namespace quillmark::results
