#include "program/ui/website/WebsiteWindowView.h"
#include "platform/WebAddress.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "platform/Keys.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/Skin.h"
#include "platform/qt/WidgetSync.h"

namespace quillmark {

namespace {

// Keeping on top is this window's own.
program::WebsiteHooks withViewHooks(program::WebsiteHooks hooks, WebsiteWindowView* view) {
    hooks.setOnTop = [view](bool on) { view->setOnTop(on); };
    return hooks;
}

}  // namespace

WebsiteWindowView::WebsiteWindowView(const program::ProductIdentity& constants, bool& WebsiteMode,
                                     bool& MainClosed, program::WebsiteHooks hooks, QWidget* parent)
    : WindowView(parent),
      page_(new QWebEngineView(this)),
      browser_(page_, AddressWithScheme(constants.WebAddress)),
      form_(browser_, constants, WebsiteMode, MainClosed, withViewHooks(std::move(hooks), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBrowserFrame(), 1);
    auto* status = new QStatusBar(this);
    qt::bind(form_.statusBar, status);
    layout->addWidget(status);
    resize(1000, 700);
    qt::bind(form_.window, this);
}

QGroupBox* WebsiteWindowView::buildBrowserFrame() {
    auto* frame = new QGroupBox(this);
    qt::bind(form_.browserFrame, frame);
    auto* column = new QVBoxLayout(frame);

    auto* addressRow = new QHBoxLayout;
    auto* caption = new QLabel(frame);
    qt::bind(form_.addressLabel, caption);
    addressRow->addWidget(caption);
    auto* address = new QLineEdit(frame);
    qt::bind(form_.addressBox, address);
    qt::bindReturnPressed(address, [this] { form_.AddressKeyPress(key::kEnter); });
    addressRow->addWidget(address, 1);
    addressRow->addWidget(qt::makeButton(form_.goButton, frame, [this] { form_.Go(); }));
    column->addLayout(addressRow);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(qt::makeButton(form_.backButton, frame, [this] { form_.Back(); }));
    buttonRow->addWidget(qt::makeButton(form_.forwardButton, frame, [this] { form_.Forward(); }));
    buttonRow->addWidget(qt::makeButton(form_.stopButton, frame, [this] { form_.StopLoading(); }));
    buttonRow->addWidget(qt::makeButton(form_.refreshButton, frame, [this] { form_.Refresh(); }));
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);

    column->addWidget(page_, 1);
    return frame;
}

// The window state counts when the window is first shown; later the user decides.
void WebsiteWindowView::showAsTheWindowSays() {
    qt::showAs(this, form_.window.windowState());
}

void WebsiteWindowView::setOnTop(bool on) {
    qt::SetOnTop(this, on);
}

void WebsiteWindowView::unload() {
    form_.Unload();
}

}  // namespace quillmark
