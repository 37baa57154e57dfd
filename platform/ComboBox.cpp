#include "ComboBox.h"

namespace quillmark {

void ComboBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify();
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    notify();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return;
    listIndex_ = index;
    text_ = index < 0 ? std::string() : item(index);
    notify();
}

void ComboBox::setText(std::string text) {
    listIndex_ = -1;
    for (int i = 0; i < listCount() && listIndex_ < 0; ++i) {
        if (item(i) == text) listIndex_ = i;
    }
    text_ = std::move(text);
    notify();
}

}  // namespace quillmark
