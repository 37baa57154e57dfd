#pragma once

namespace quillmark {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
    // A blocking pause; the window does not repaint meanwhile.
    virtual void sleep(int milliseconds) = 0;
};

}  // namespace quillmark
