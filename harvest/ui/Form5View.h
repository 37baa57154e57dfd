#pragma once

#include <QWidget>

#include "harvest/Form5.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/browser/QtBrowser.h"

class QCloseEvent;
class QWebEngineView;

namespace quillmark {

// The browse window's widgets: address bar, site buttons, the page, the two
// result lists and the status bar. Frames found in pages load in a second,
// hidden page.
class Form5View : public QWidget {
    Q_OBJECT

public:
    Form5View(Services& services, Form1& main, const harvest::SearchSites& sites, QWidget* parent = nullptr);
    ~Form5View() override;

    harvest::Form5& form() { return form_; }

signals:
    // The window has closed and unloaded; it may be dropped.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildNavigation();
    QWidget* buildLists();
    QWidget* buildListColumn(int index);

    QWebEngineView* page_;
    QWebEngineView* framePage_;
    qt::QtBrowser browser_;
    qt::QtBrowser frameBrowser_;
    harvest::Form5 form_;
};

}  // namespace quillmark
