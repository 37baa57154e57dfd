#pragma once

#include <QWidget>

#include "program/Splash.h"

namespace quillmark {

// The splash window: the product's mark and name on a plain card.
class SplashView : public QWidget {
    Q_OBJECT

public:
    SplashView(Services& services, const program::ProductIdentity& constants, bool& MainClosed,
               program::SplashHooks hooks, QWidget* parent = nullptr);

    program::Splash& form() { return form_; }

private:
    program::Splash form_;
};

}  // namespace quillmark
