#include "program/Splash.h"

namespace quillmark::program {

Splash::Splash(Services& services, ProductIdentity& constants, bool& MainClosed, SplashHooks hooks)
    : Timer2(services.makeTimer()), constants_(constants), mainClosed_(MainClosed), hooks_(std::move(hooks)) {
    Timer2->setInterval(kTickMs);
    Timer2->setEnabled(false);
    Timer2->setOnTick([this] { Timer2_Timer(); });
}

void Splash::Form_Load() {
    mainClosed_ = false;
    SetProductIdentity(constants_);
    Me.setCaption(constants_.ProductName);
    lblProduct.setCaption(constants_.ProductName);
    if (constants_.SkinEnabled && hooks_.applySkin) hooks_.applySkin();
    Timer2->setEnabled(true);
}

void Splash::Timer2_Timer() {
    TickCount = static_cast<std::int16_t>(TickCount + kTickMs);
    if (TickCount != kOpenAt) return;
    Timer2->setEnabled(false);
    if (hooks_.showMain) hooks_.showMain();
    if (hooks_.hideSplash) hooks_.hideSplash();
}

}  // namespace quillmark::program
