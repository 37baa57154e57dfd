#include "harvest/ui/HarvestWindows.h"

#include "harvest/ui/Form3View.h"
#include "harvest/ui/Form5View.h"

namespace quillmark {

namespace {

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// A closed window is done with. It goes on a later turn of the event loop,
// as it may still be inside one of its own handlers.
template <typename View>
void dropWhenClosed(std::unique_ptr<View>& slot) {
    View* view = slot.get();
    QObject::connect(view, &View::closed, view, [&slot, view] {
        if (slot.get() == view) static_cast<void>(slot.release());
        view->deleteLater();
    });
}

}  // namespace

HarvestWindows::HarvestWindows(Services& services, Form1& main, harvest::SearchSites sites)
    : services_(services), main_(main), sites_(std::move(sites)) {}

HarvestWindows::~HarvestWindows() = default;

void HarvestWindows::showListBuilder() {
    if (listBuilder_) return bringToFront(listBuilder_.get());
    listBuilder_ = std::make_unique<Form3View>(services_, main_, sites_);
    dropWhenClosed(listBuilder_);
    listBuilder_->show();
    listBuilder_->form().Form_Load();
}

void HarvestWindows::showBrowseWindow() {
    if (browseWindow_) return bringToFront(browseWindow_.get());
    browseWindow_ = std::make_unique<Form5View>(services_, main_, sites_);
    dropWhenClosed(browseWindow_);
    browseWindow_->show();
    browseWindow_->form().Form_Load();
}

void HarvestWindows::closeAll() {
    if (listBuilder_) listBuilder_->close();
    if (browseWindow_) browseWindow_->close();
}

}  // namespace quillmark
