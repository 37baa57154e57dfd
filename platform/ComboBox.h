#pragma once

#include <string>
#include <vector>

#include "Control.h"

namespace quillmark {

// A drop-down list with an edit text. Picking an item sets the text to it.
class ComboBox : public Control {
public:
    void addItem(std::string item);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& items() const { return items_; }

    // -1 when no item is chosen.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    const std::string& text() const { return text_; }
    void setText(std::string text);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

}  // namespace quillmark
