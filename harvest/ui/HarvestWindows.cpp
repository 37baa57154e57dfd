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

// Loads and shows the window, or brings the open one to the front.
template <typename View>
void openOnce(std::unique_ptr<View>& slot, Services& services, Form1& main,
              const harvest::SearchSites& sites) {
    if (slot) return bringToFront(slot.get());
    slot = std::make_unique<View>(services, main, sites);
    dropWhenClosed(slot);
    slot->show();
    slot->form().Form_Load();
}

}  // namespace

HarvestWindows::HarvestWindows(Services& services, Form1& main, harvest::SearchSites sites)
    : services_(services), main_(main), sites_(std::move(sites)) {}

HarvestWindows::~HarvestWindows() = default;

void HarvestWindows::showListBuilder() {
    openOnce(listBuilder_, services_, main_, sites_);
}

void HarvestWindows::showBrowseWindow() {
    openOnce(browseWindow_, services_, main_, sites_);
}

void HarvestWindows::closeAll() {
    if (listBuilder_) listBuilder_->close();
    if (browseWindow_) browseWindow_->close();
}

}  // namespace quillmark
