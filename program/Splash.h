#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Control.h"
#include "platform/Services.h"
#include "program/ProductIdentity.h"

namespace quillmark::program {

struct SplashHooks {
    // Loads and shows the main window.
    std::function<void()> showMain;
    std::function<void()> hideSplash;
};

// The program's first window: shows the product's name, and after a short
// count of ticks opens the main window and steps aside. It stays loaded,
// hidden, while the program runs.
class Splash {
public:
    static constexpr int kTickMs = 2;
    static constexpr std::int16_t kOpenAt = 150;  // the count after 75 ticks of 2

    Splash(Services& services, const ProductIdentity& constants, bool& MainClosed, SplashHooks hooks = {});
    // The identity is kept by reference: a temporary would be gone by Load().
    Splash(Services&, const ProductIdentity&&, bool&, SplashHooks = {}) = delete;

    void Load();
    void Tick();

    Window window;
    Label productLabel;
    std::unique_ptr<Timer> tickTimer;
    std::int16_t tickCount = 0;

private:
    const ProductIdentity& constants_;
    bool& mainClosed_;
    SplashHooks hooks_;
};

}  // namespace quillmark::program
