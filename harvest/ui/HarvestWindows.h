#pragma once

#include "harvest/SearchSites.h"
#include "harvest/ui/Form3View.h"
#include "harvest/ui/Form5View.h"
#include "platform/qt/WindowSlot.h"

namespace quillmark {

// Opens the list builder and the browse window for the main window: one of
// each at a time, loaded when opened and dropped when closed.
class HarvestWindows {
public:
    HarvestWindows(Services& services, Form1& main, harvest::SearchSites sites);
    HarvestWindows(const HarvestWindows&) = delete;
    HarvestWindows& operator=(const HarvestWindows&) = delete;
    ~HarvestWindows();

    // Each brings an open window to the front instead of opening another.
    void showListBuilder();
    void showBrowseWindow();
    void closeAll();

    Form3View* listBuilder() const { return listBuilder_.get(); }
    Form5View* browseWindow() const { return browseWindow_.get(); }

private:
    Services& services_;
    Form1& main_;
    harvest::SearchSites sites_;
    qt::WindowSlot<Form3View> listBuilder_;
    qt::WindowSlot<Form5View> browseWindow_;
};

}  // namespace quillmark
