#pragma once

#include "engine/UncheckedWindow.h"
#include "platform/qt/WindowView.h"

namespace quillmark {

// Shows the unchecked names in a two-column report with the button that
// looks them up again.
class UncheckedWindowView : public qt::WindowView {
    Q_OBJECT

public:
    explicit UncheckedWindowView(MainWindow& main, QWidget* parent = nullptr);
    ~UncheckedWindowView() override;
    UncheckedWindow& form() { return form_; }

private:
    UncheckedWindow form_;
};

}  // namespace quillmark
