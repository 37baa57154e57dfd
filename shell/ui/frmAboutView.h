#pragma once

#include <QDialog>

#include "shell/frmAbout.h"

namespace quillmark {

// The about window: shown without waiting, deletes itself when closed.
class frmAboutView : public QDialog {
    Q_OBJECT

public:
    frmAboutView(const shell::StartupConstants& constants, QWidget* parent = nullptr);
    static void ShowAbout(const shell::StartupConstants& constants, QWidget* parent);

    shell::frmAbout& form() { return form_; }

private:
    shell::frmAbout form_;
};

}  // namespace quillmark
