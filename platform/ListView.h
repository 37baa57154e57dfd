#pragma once

#include <string>
#include <vector>

#include "Control.h"

namespace quillmark {

// A list view in report mode: rows of an item text and its sub-items, one per
// column after the first, sortable by any column.
class ListView : public Control {
public:
    struct Row {
        std::string text;
        std::vector<std::string> subItems;
    };
    enum class SortOrder { Ascending, Descending };

    void setColumns(std::vector<std::string> headers);
    const std::vector<std::string>& columns() const { return columns_; }

    void clear();
    // Adds a row of the item text and empty sub-items; returns its index.
    int addItem(std::string text);
    void setSubItem(int row, int column, std::string text);
    void removeItem(int row);
    int count() const { return static_cast<int>(rows_.size()); }
    const Row& item(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // Column 0 is the item text, columns from 1 its sub-items.
    std::string cell(int row, int column) const;

    // -1 when no row is selected.
    int selectedIndex() const { return selectedIndex_; }
    void setSelectedIndex(int row);

    // Sorts the rows by the text of a column; the order stays in force.
    void sortBy(int column, SortOrder order);
    int sortKey() const { return sortKey_; }
    SortOrder sortOrder() const { return sortOrder_; }

private:
    std::vector<std::string> columns_;
    std::vector<Row> rows_;
    int selectedIndex_ = -1;
    int sortKey_ = 0;
    SortOrder sortOrder_ = SortOrder::Ascending;
};

}  // namespace quillmark
