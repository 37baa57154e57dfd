#include "harvest/ui/HarvestOpener.h"

namespace quillmark {

namespace {

// Loads and shows the window, or brings the open one to the front.
template <typename View>
void openOnce(qt::WindowSlot<View>& slot, Services& services, MainWindow& main,
              const harvest::SearchSites& sites) {
    bool made = false;
    View& view = slot.open(made, services, main, sites);
    if (!made) return qt::bringToFront(&view);
    view.show();
    view.form().Load();
}

}  // namespace

HarvestOpener::HarvestOpener(Services& services, MainWindow& main, harvest::SearchSites sites)
    : services_(services), main_(main), sites_(std::move(sites)) {}

HarvestOpener::~HarvestOpener() = default;

void HarvestOpener::showListBuilder() {
    openOnce(listBuilder_, services_, main_, sites_);
}

void HarvestOpener::showBrowseWindow() {
    openOnce(browseWindow_, services_, main_, sites_);
}

void HarvestOpener::closeAll() {
    listBuilder_.close();
    browseWindow_.close();
}

}  // namespace quillmark
