#include "generator/ui/GeneratorWindow.h"

#include "generator/ui/frmMakeView.h"

namespace quillmark {

GeneratorWindow::GeneratorWindow(Services& services, const ProgramFolder& folder,
                                 const shell::StartupConstants& constants, generator::GeneratorHooks hooks)
    : services_(services), folder_(folder), constants_(constants), hooks_(std::move(hooks)) {}

GeneratorWindow::~GeneratorWindow() = default;

void GeneratorWindow::show() {
    if (view_) {
        view_->setWindowState(view_->windowState() & ~Qt::WindowMinimized);
        view_->show();
        view_->raise();
        view_->activateWindow();
        return;
    }
    view_ = std::make_unique<frmMakeView>(services_, folder_, constants_, hooks_);
    // It goes on a later turn of the event loop: a run may still be inside it.
    frmMakeView* view = view_.get();
    QObject::connect(view, &frmMakeView::closed, view, [this, view] {
        if (view_.get() == view) static_cast<void>(view_.release());
        view->deleteLater();
    });
    view_->form().Form_Load();
    view_->show();
}

void GeneratorWindow::close() {
    if (view_) view_->close();
}

}  // namespace quillmark
