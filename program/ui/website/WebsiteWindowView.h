#pragma once

#include "platform/qt/WindowView.h"
#include "platform/qt/browser/QtBrowser.h"
#include "program/WebsiteWindow.h"

class QGroupBox;
class QWebEngineView;

namespace quillmark {

// The website window's widgets, bound to the controls of WebsiteWindow, with
// the page area and the browser over it. Keeping on top is done here; the
// other hooks are the caller's.
class WebsiteWindowView : public qt::WindowView {
    Q_OBJECT

public:
    WebsiteWindowView(const program::ProductIdentity& constants, bool& WebsiteMode, bool& MainClosed,
                      program::WebsiteHooks hooks, QWidget* parent = nullptr);

    program::WebsiteWindow& form() { return form_; }
    // Shows the window as the window state asks (maximised after load).
    void showAsTheWindowSays();
    // Keeps the window above all others, or stops doing so, in place.
    void setOnTop(bool on);

private:
    void unload() override;
    QGroupBox* buildBrowserFrame();

    // Declared in the order of need: the widget tree owns the page area and
    // outlives the browser, which outlives the logic.
    QWebEngineView* page_;
    qt::QtBrowser browser_;
    program::WebsiteWindow form_;
};

}  // namespace quillmark
