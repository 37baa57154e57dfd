#pragma once

#include "harvest/BrowseWindow.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/WindowView.h"
#include "platform/qt/browser/QtBrowser.h"

class QWebEngineView;

namespace quillmark {

// The browse window's widgets: address bar, site buttons, the page, the two
// result lists and the status bar. Frames found in pages load in a second,
// hidden page.
class BrowseWindowView : public qt::WindowView {
    Q_OBJECT

public:
    BrowseWindowView(Services& services, MainWindow& main, const harvest::SearchSites& sites,
                     QWidget* parent = nullptr);
    ~BrowseWindowView() override;

    harvest::BrowseWindow& form() { return form_; }

private:
    void unload() override;
    QWidget* buildNavigation();
    QWidget* buildLists();
    QWidget* buildListColumn(harvest::BrowseList list);

    QWebEngineView* page_;
    QWebEngineView* framePage_;
    qt::QtBrowser browser_;
    qt::QtBrowser frameBrowser_;
    harvest::BrowseWindow form_;
};

}  // namespace quillmark
