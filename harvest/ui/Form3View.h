#pragma once

#include <QWidget>

#include "harvest/Form3.h"
#include "platform/qt/browser/QtBrowser.h"

class QCloseEvent;
class QWebEngineView;

namespace quillmark {

// The list builder's widgets: its progress text over the result page.
class Form3View : public QWidget {
    Q_OBJECT

public:
    Form3View(Services& services, Form1& main, const harvest::SearchSites& sites, QWidget* parent = nullptr);

    harvest::Form3& form() { return form_; }

signals:
    // The window has closed and unloaded; it may be dropped.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The widget tree owns the page area and outlives the browser, which
    // outlives the logic.
    QWebEngineView* page_;
    qt::QtBrowser browser_;
    harvest::Form3 form_;
};

}  // namespace quillmark
