#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Control.h"

namespace quillmark {

// What changed in a list box, so that a view can update only those rows.
struct ListBoxChange {
    enum class Kind { Inserted, Removed, Reset, Selection };
    Kind kind = Kind::Reset;
    int first = 0;
    int count = 0;
};

// A list of text items with a current item and, in multi-select mode, any
// number of selected items.
class ListBox : public Control {
public:
    using ListObserver = std::function<void(const ListBoxChange&)>;

    void setListObserver(ListObserver observer) { listObserver_ = std::move(observer); }

    void addItem(std::string item);
    // Adds the items at the end in one change.
    void addItems(std::vector<std::string> items);
    void insertItem(int index, std::string item);
    void removeItem(int index);
    void clear();
    // Replaces every item at once (one reset for the view).
    void setItems(std::vector<std::string> items);

    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& items() const { return items_; }

    // -1 when there is no current item.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    bool multiSelect() const { return multiSelect_; }
    void setMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    int selCount() const;
    std::vector<int> selectedIndices() const;

    // The text of the current item, empty without one.
    std::string text() const;

    // Counts every change of the items other than an item added at the end,
    // so a writer can tell that appending the new items is enough.
    std::uint64_t rewriteRevision() const { return rewriteRevision_; }

private:
    void tell(ListBoxChange::Kind kind, int first, int count) const;

    ListObserver listObserver_;
    std::vector<std::string> items_;
    std::vector<char> selected_;
    int listIndex_ = -1;
    bool multiSelect_ = false;
    std::uint64_t rewriteRevision_ = 0;
};

}  // namespace quillmark
