#pragma once

#include <string>
#include <vector>

#include "Control.h"

namespace quillmark {

// A status bar of text panels, numbered from 1.
class StatusBar : public Control {
public:
    explicit StatusBar(int panels = 1) : panels_(static_cast<std::size_t>(panels)) {}

    int panelCount() const { return static_cast<int>(panels_.size()); }
    void addPanel() {
        panels_.emplace_back();
        notify();
    }
    // Panels that do not exist read as empty and ignore writes.
    std::string panelText(int panel) const {
        return valid(panel) ? panels_[static_cast<std::size_t>(panel - 1)] : std::string();
    }
    void setPanelText(int panel, std::string text) {
        if (valid(panel)) assign(panels_[static_cast<std::size_t>(panel - 1)], std::move(text));
    }

private:
    bool valid(int panel) const { return panel >= 1 && panel <= panelCount(); }
    std::vector<std::string> panels_;
};

}  // namespace quillmark
