#include "program/Splash.h"
#include "platform/Hook.h"

namespace quillmark::program {

Splash::Splash(Services& services, const ProductIdentity& constants, bool& MainClosed, SplashHooks hooks)
    : tickTimer(services.makeTimer()),
      constants_(constants),
      mainClosed_(MainClosed),
      hooks_(std::move(hooks)) {
    tickTimer->setInterval(kTickMs);
    tickTimer->setEnabled(false);
    tickTimer->setOnTick([this] { Tick(); });
}

void Splash::Load() {
    mainClosed_ = false;
    window.setCaption(constants_.ProductName);
    productLabel.setCaption(constants_.ProductName);
    tickTimer->setEnabled(true);
}

void Splash::Tick() {
    tickCount = static_cast<std::int16_t>(tickCount + kTickMs);
    if (tickCount != kOpenAt) return;
    tickTimer->setEnabled(false);
    call(hooks_.showMain);
    call(hooks_.hideSplash);
}

}  // namespace quillmark::program
