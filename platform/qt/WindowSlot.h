#pragma once

#include <QWidget>

#include <memory>
#include <utility>

namespace quillmark::qt {

// Brings a shown window before the others, restored if minimised.
inline void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Holds the one open window of a kind. A window is made when first opened and
// dropped when it signals closed(); it goes on a later turn of the event loop,
// as it may still be inside one of its own handlers.
template <typename View>
class WindowSlot {
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    // The open window, or a new one made from the arguments; `made` tells which.
    template <typename... Args>
    View& open(bool& made, Args&&... args) {
        made = !view_;
        if (!made) return *view_;
        view_ = std::make_unique<View>(std::forward<Args>(args)...);
        View* view = view_.get();
        QObject::connect(view, &View::closed, view, [this, view] {
            if (view_.get() == view) static_cast<void>(view_.release());
            view->deleteLater();
        });
        return *view;
    }

    void close() {
        if (view_) view_->close();
    }
    View* get() const { return view_.get(); }

private:
    std::unique_ptr<View> view_;
};

}  // namespace quillmark::qt
