#include "harvest/ui/HarvestWindows.h"

namespace quillmark {

namespace {

// Loads and shows the window, or brings the open one to the front.
template <typename View>
void openOnce(qt::WindowSlot<View>& slot, Services& services, Form1& main,
              const harvest::SearchSites& sites) {
    bool made = false;
    View& view = slot.open(made, services, main, sites);
    if (!made) return qt::bringToFront(&view);
    view.show();
    view.form().Form_Load();
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
    listBuilder_.close();
    browseWindow_.close();
}

}  // namespace quillmark
