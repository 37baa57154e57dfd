#include "ListView.h"

#include <algorithm>

namespace quillmark {

void ListView::setColumns(std::vector<std::string> headers) {
    columns_ = std::move(headers);
    notify();
}

void ListView::clear() {
    rows_.clear();
    selectedIndex_ = -1;
    notify();
}

int ListView::addItem(std::string text) {
    const std::size_t subItems = columns_.empty() ? 0 : columns_.size() - 1;
    rows_.push_back(Row{std::move(text), std::vector<std::string>(subItems)});
    notify();
    return count() - 1;
}

void ListView::setSubItem(int row, int column, std::string text) {
    if (row < 0 || row >= count() || column < 1) return;
    auto& subItems = rows_[static_cast<std::size_t>(row)].subItems;
    if (subItems.size() < static_cast<std::size_t>(column)) subItems.resize(static_cast<std::size_t>(column));
    subItems[static_cast<std::size_t>(column - 1)] = std::move(text);
    notify();
}

void ListView::removeItem(int row) {
    if (row < 0 || row >= count()) return;
    rows_.erase(rows_.begin() + row);
    if (selectedIndex_ == row) {
        selectedIndex_ = -1;
    } else if (selectedIndex_ > row) {
        --selectedIndex_;
    }
    notify();
}

std::string ListView::cell(int row, int column) const {
    if (row < 0 || row >= count() || column < 0) return {};
    const Row& r = item(row);
    if (column == 0) return r.text;
    const auto index = static_cast<std::size_t>(column - 1);
    return index < r.subItems.size() ? r.subItems[index] : std::string();
}

void ListView::setSelectedIndex(int row) {
    if (row < -1 || row >= count()) return;
    assign(selectedIndex_, row);
}

void ListView::sortBy(int column, SortOrder order) {
    sortKey_ = column;
    sortOrder_ = order;
    const int selected = selectedIndex_;
    const Row* selectedRow = selected >= 0 ? &item(selected) : nullptr;
    std::vector<std::size_t> order_(rows_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        const std::string x = cell(static_cast<int>(a), column);
        const std::string y = cell(static_cast<int>(b), column);
        return order == SortOrder::Ascending ? x < y : y < x;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    int newSelected = -1;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (selectedRow == &rows_[order_[i]]) newSelected = static_cast<int>(i);
        sorted.push_back(std::move(rows_[order_[i]]));
    }
    rows_ = std::move(sorted);
    selectedIndex_ = newSelected;
    notify();
}

}  // namespace quillmark
