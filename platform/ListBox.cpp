#include "ListBox.h"

#include <algorithm>

namespace quillmark {

void ListBox::tell(ListBoxChange::Kind kind, int first, int count) const {
    if (listObserver_) listObserver_(ListBoxChange{kind, first, count});
}

void ListBox::addItem(std::string item) {
    insertItem(listCount(), std::move(item));
}

void ListBox::addItems(std::vector<std::string> items) {
    if (items.empty()) return;
    const int first = listCount();
    const auto count = static_cast<int>(items.size());
    items_.insert(items_.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    selected_.resize(items_.size(), 0);
    tell(ListBoxChange::Kind::Inserted, first, count);
}

void ListBox::insertItem(int index, std::string item) {
    index = std::clamp(index, 0, listCount());
    if (index != listCount()) ++rewriteRevision_;
    items_.insert(items_.begin() + index, std::move(item));
    selected_.insert(selected_.begin() + index, 0);
    if (listIndex_ >= index) ++listIndex_;
    tell(ListBoxChange::Kind::Inserted, index, 1);
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    ++rewriteRevision_;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    tell(ListBoxChange::Kind::Removed, index, 1);
}

void ListBox::clear() {
    setItems({});
}

void ListBox::setItems(std::vector<std::string> items) {
    ++rewriteRevision_;
    items_ = std::move(items);
    selected_.assign(items_.size(), 0);
    listIndex_ = -1;
    tell(ListBoxChange::Kind::Reset, 0, listCount());
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return;
    listIndex_ = index;
    if (!multiSelect_) std::fill(selected_.begin(), selected_.end(), 0);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = 1;
    tell(ListBoxChange::Kind::Selection, 0, listCount());
}

bool ListBox::selected(int index) const {
    if (index < 0 || index >= listCount()) return false;
    return selected_[static_cast<std::size_t>(index)] != 0;
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= listCount()) return;
    if (!multiSelect_ && selected) std::fill(selected_.begin(), selected_.end(), 0);
    selected_[static_cast<std::size_t>(index)] = selected ? 1 : 0;
    tell(ListBoxChange::Kind::Selection, 0, listCount());
}

int ListBox::selCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), 1));
}

std::vector<int> ListBox::selectedIndices() const {
    std::vector<int> indices;
    for (int i = 0; i < listCount(); ++i) {
        if (selected(i)) indices.push_back(i);
    }
    return indices;
}

std::string ListBox::text() const {
    return listIndex_ < 0 ? std::string() : list(listIndex_);
}

}  // namespace quillmark
