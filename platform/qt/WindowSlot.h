#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <type_traits>
#include <utility>

#include "platform/qt/Skin.h"
#include "platform/qt/WindowView.h"

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
    static_assert(std::is_base_of_v<WindowView, View>, "a slot holds a WindowView");

public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    // Brings the open window to the front. Without one, makes one from the
    // arguments, skins it and hands it to `firstShow`, which loads and shows
    // it in the order that window needs.
    template <typename FirstShow, typename... Args>
    View& openOrRaise(FirstShow&& firstShow, Args&&... args) {
        if (view_) {
            bringToFront(view_.get());
            return *view_;
        }
        view_ = std::make_unique<View>(std::forward<Args>(args)...);
        View* view = view_.get();
        ApplySkin(view);
        if (centreOn_ != nullptr && centreOn_->isVisible())
            view->move(centreOn_->geometry().center() - QPoint(view->width() / 2, view->height() / 2));
        QObject::connect(view, &WindowView::closed, view, [this, view] {
            if (view_.get() == view) static_cast<void>(view_.release());
            view->deleteLater();
        });
        std::forward<FirstShow>(firstShow)(*view);
        return *view;
    }

    void close() {
        if (view_) view_->close();
    }
    // The open window, or null.
    View* get() const { return view_.get(); }
    // Windows open centred on this one while it shows.
    void centreOn(QWidget* window) { centreOn_ = window; }

private:
    std::unique_ptr<View> view_;
    QPointer<QWidget> centreOn_;
};

}  // namespace quillmark::qt
