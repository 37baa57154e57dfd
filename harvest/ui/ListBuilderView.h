#pragma once

#include "harvest/ListBuilder.h"
#include "platform/qt/WindowView.h"
#include "platform/qt/browser/QtBrowser.h"

class QWebEngineView;

namespace quillmark {

// The list builder's widgets: its progress text over the result page.
class ListBuilderView : public qt::WindowView {
    Q_OBJECT

public:
    ListBuilderView(Services& services, MainWindow& main, const harvest::SearchSites& sites,
                    QWidget* parent = nullptr);

    harvest::ListBuilder& form() { return form_; }

private:
    void unload() override;

    // The widget tree owns the page area and outlives the browser, which
    // outlives the logic.
    QWebEngineView* page_;
    qt::QtBrowser browser_;
    harvest::ListBuilder form_;
};

}  // namespace quillmark
