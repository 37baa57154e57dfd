#pragma once

#include "harvest/SearchSites.h"
#include "harvest/ui/BrowseWindowView.h"
#include "harvest/ui/ListBuilderView.h"
#include "platform/qt/WindowSlot.h"

namespace quillmark {

// Opens the list builder and the browse window for the main window: one of
// each at a time, loaded when opened and dropped when closed.
class HarvestOpener {
public:
    HarvestOpener(Services& services, MainWindow& main, harvest::SearchSites sites);
    HarvestOpener(const HarvestOpener&) = delete;
    HarvestOpener& operator=(const HarvestOpener&) = delete;
    ~HarvestOpener();

    // Each brings an open window to the front instead of opening another.
    void showListBuilder();
    void showBrowseWindow();
    void closeAll();

    ListBuilderView* listBuilder() const { return listBuilder_.get(); }
    BrowseWindowView* browseWindow() const { return browseWindow_.get(); }

private:
    Services& services_;
    MainWindow& main_;
    harvest::SearchSites sites_;
    qt::WindowSlot<ListBuilderView> listBuilder_;
    qt::WindowSlot<BrowseWindowView> browseWindow_;
};

}  // namespace quillmark
