#include "QtTimer.h"

namespace quillmark::qt {

QtTimer::QtTimer() : timer_(new QTimer()) {
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { tick(); });
}

QtTimer::~QtTimer() {
    timer_->stop();
    QObject::disconnect(timer_.get(), &QTimer::timeout, nullptr, nullptr);
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void QtTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    restart();
}

void QtTimer::restart() {
    if (enabled_ && interval_ > 0) {
        timer_->start(interval_);
    } else {
        timer_->stop();
    }
}

void QtTimer::tick() {
    if (!onTick_) return;
    // A copy: the owner may replace or drop its handler from inside it.
    const auto handler = onTick_;
    handler();
}

}  // namespace quillmark::qt
