#pragma once

#include <QDialog>

#include "program/AboutBox.h"

namespace quillmark {

// The about window: shown without waiting, deletes itself when closed.
class AboutBoxView : public QDialog {
    Q_OBJECT

public:
    AboutBoxView(const program::ProductIdentity& constants, QWidget* parent = nullptr);
    static void ShowAbout(const program::ProductIdentity& constants, QWidget* parent);

    program::AboutBox& form() { return form_; }

private:
    program::AboutBox form_;
};

}  // namespace quillmark
