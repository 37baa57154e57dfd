#include "FakeServices.h"

#include <algorithm>

namespace quillmark::testing {

void FakeClock::advance(std::int64_t milliseconds) {
    const std::int64_t target = nowMs_ + milliseconds;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : timers_) {
            if (timer->enabled_ && timer->interval_ > 0 && timer->due_ <= target &&
                (next == nullptr || timer->due_ < next->due_)) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        nowMs_ = std::max(nowMs_, next->due_);
        next->due_ += next->interval_;
        raise(next->onTick_);
    }
    nowMs_ = target;
}

std::unique_ptr<TcpClient> FakeServices::makeTcpClient() {
    // Leaves `clients` when the program destroys it.
    struct Listed : FakeTcpClient {
        explicit Listed(std::vector<FakeTcpClient*>& list) : list_(list) { list_.push_back(this); }
        ~Listed() override { std::erase(list_, this); }
        std::vector<FakeTcpClient*>& list_;
    };
    return std::make_unique<Listed>(clients);
}

}  // namespace quillmark::testing
