#include "FakeServices.h"

#include <algorithm>

namespace quillmark::testing {

void FakeClock::advance(std::int64_t milliseconds) {
    const std::int64_t target = nowMs + milliseconds;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : timers) {
            if (timer->enabled_ && timer->interval_ > 0 && timer->due <= target &&
                (next == nullptr || timer->due < next->due)) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        nowMs = std::max(nowMs, next->due);
        next->due += next->interval_;
        raise(next->onTick);
    }
    nowMs = target;
}

}  // namespace quillmark::testing
