#pragma once

#include <functional>

namespace quillmark {

// A repeating timer: while enabled it ticks every interval.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void setOnTick(std::function<void()> onTick) = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Enabling a disabled timer starts a fresh interval.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

}  // namespace quillmark
