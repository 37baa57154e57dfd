#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Services.h"

namespace quillmark::qt {

// What a message box or file dialog sits on: the active window, else fallback.
QWidget* Owner(QWidget* fallback);

// A modal QMessageBox with OK, or Yes and No.
class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageResult show(std::string_view text, std::string_view title,
                       MessageButtons buttons = MessageButtons::Ok) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace quillmark::qt
