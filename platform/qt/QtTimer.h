#pragma once

#include <QTimer>
#include <functional>

#include "platform/Timer.h"
#include "platform/qt/DeleteLater.h"

namespace quillmark::qt {

// A repeating Timer over QTimer. An enabled timer with interval 0 does not
// tick, as a zero-interval QTimer would fire on every pass of the event loop.
class QtTimer final : public Timer {
public:
    QtTimer();
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;
    ~QtTimer() override;

    void setOnTick(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

private:
    void restart();
    void tick();

    std::function<void()> onTick_;
    // The owner may drop this timer from inside its own tick.
    LaterPtr<QTimer> timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace quillmark::qt
