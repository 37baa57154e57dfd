#pragma once

#include <functional>
#include <string>
#include <utility>

namespace quillmark {

// State shared by every control: what a window shows, not how it is drawn.
// One observer (the view) hears about every change.
class Control {
public:
    using Observer = std::function<void()>;

    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    void setObserver(Observer observer) { observer_ = std::move(observer); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(enabled_, enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string tip) { assign(toolTip_, std::move(tip)); }

protected:
    void notify() const {
        if (observer_) observer_();
    }
    template <typename T, typename U>
    void assign(T& field, U&& value) {
        if (field == value) return;
        field = std::forward<U>(value);
        notify();
    }

private:
    Observer observer_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
};

// A control whose one text is its caption: labels, buttons, frames, windows.
class CaptionControl : public Control {
public:
    explicit CaptionControl(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { assign(caption_, std::move(caption)); }

private:
    std::string caption_;
};

class Label : public CaptionControl {
    using CaptionControl::CaptionControl;
};

class Button : public CaptionControl {
    using CaptionControl::CaptionControl;
};

class Frame : public CaptionControl {
    using CaptionControl::CaptionControl;
};

class TextBox : public Control {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text) { assign(text_, std::move(text)); }

private:
    std::string text_;
};

class CheckBox : public CaptionControl {
public:
    using CaptionControl::CaptionControl;
    // 0 unchecked, 1 checked, 2 greyed.
    int value() const { return value_; }
    void setValue(int value) { assign(value_, value); }
    bool checked() const { return value_ == 1; }

private:
    int value_ = 0;
};

// A bar filled to value out of maximum, with a text over it.
class ProgressBar : public Control {
public:
    int value() const { return value_; }
    int maximum() const { return maximum_; }
    const std::string& text() const { return text_; }
    void setProgress(int value, int maximum, std::string text) {
        if (value == value_ && maximum == maximum_ && text == text_) return;
        value_ = value, maximum_ = maximum, text_ = std::move(text);
        notify();
    }

private:
    int value_ = 0;
    int maximum_ = 0;
    std::string text_;
};

}  // namespace quillmark

namespace quillmark {

// A top-level window: its caption and how it is shown.
class Window : public CaptionControl {
public:
    enum class State { Normal, Minimized, Maximized };
    using CaptionControl::CaptionControl;
    State windowState() const { return state_; }
    void setWindowState(State state) { assign(state_, state); }

private:
    State state_ = State::Normal;
};

}  // namespace quillmark
