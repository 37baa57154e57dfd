#pragma once

#include <QWidget>

#include "harvest/ListBuilder.h"
#include "platform/qt/browser/QtBrowser.h"

class QCloseEvent;
class QWebEngineView;

namespace quillmark {

// The list builder's widgets: its progress text over the result page.
class ListBuilderView : public QWidget {
    Q_OBJECT

public:
    ListBuilderView(Services& services, MainWindow& main, const harvest::SearchSites& sites,
                    QWidget* parent = nullptr);

    harvest::ListBuilder& form() { return form_; }

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
    harvest::ListBuilder form_;
};

}  // namespace quillmark
