#pragma once

#include <QWidget>

#include "shell/frmSplash.h"

namespace quillmark {

// The splash window: the product's mark and name on a plain card.
class frmSplashView : public QWidget {
    Q_OBJECT

public:
    frmSplashView(Services& services, shell::StartupConstants& constants, bool& MainClosed,
                  shell::SplashHooks hooks, QWidget* parent = nullptr);

    shell::frmSplash& form() { return form_; }

private:
    shell::frmSplash form_;
};

}  // namespace quillmark
