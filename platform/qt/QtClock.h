#pragma once

#include "platform/Clock.h"

namespace quillmark::qt {

// The local wall clock; sleep blocks the calling (user-interface) thread.
class QtClock final : public Clock {
public:
    LocalTime now() const override;
    void sleep(int milliseconds) override;
};

}  // namespace quillmark::qt
