#include "program/ui/website/WebsiteWindowView.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "platform/qt/Bindings.h"
#include "platform/qt/Skin.h"
#include "platform/qt/WidgetSync.h"

namespace quillmark {

namespace {

// Keeping on top and the skin are this window's own.
program::WebsiteHooks withViewHooks(program::WebsiteHooks hooks, WebsiteWindowView* view) {
    hooks.setOnTop = [view](bool on) { view->setOnTop(on); };
    hooks.applySkin = [view, callers = std::move(hooks.applySkin)] {
        qt::ApplySkin(view);
        if (callers) callers();
    };
    return hooks;
}

}  // namespace

WebsiteWindowView::WebsiteWindowView(const program::ProductIdentity& constants, std::string& WebsiteMode,
                               bool& MainClosed, program::WebsiteHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window),
      page_(new QWebEngineView(this)),
      browser_(page_, program::AddressWithScheme(constants.WebAddress)),
      form_(browser_, constants, WebsiteMode, MainClosed, withViewHooks(std::move(hooks), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBrowserFrame(), 1);
    auto* status = new QStatusBar(this);
    qt::bind(form_.StatusBar1, status);
    layout->addWidget(status);
    resize(1000, 700);
    qt::bind(form_.Me, this);
}

QGroupBox* WebsiteWindowView::buildBrowserFrame() {
    auto* frame = new QGroupBox(this);
    qt::bind(form_.browserFrame, frame);
    auto* column = new QVBoxLayout(frame);

    auto* addressRow = new QHBoxLayout;
    auto* caption = new QLabel(frame);
    qt::bind(form_.Label5, caption);
    addressRow->addWidget(caption);
    auto* address = new QLineEdit(frame);
    qt::bind(form_.text1, address);
    qt::bindReturnPressed(address, [this] { form_.text1_KeyPress(program::WebsiteWindow::kEnterKey); });
    addressRow->addWidget(address, 1);
    addressRow->addWidget(qt::makeButton(form_.Command3, frame, [this] { form_.Command3_Click(); }));
    column->addLayout(addressRow);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(qt::makeButton(form_.Command4, frame, [this] { form_.Command4_Click(); }));
    buttonRow->addWidget(qt::makeButton(form_.Command5, frame, [this] { form_.Command5_Click(); }));
    buttonRow->addWidget(qt::makeButton(form_.Command6, frame, [this] { form_.Command6_Click(); }));
    buttonRow->addWidget(qt::makeButton(form_.Command7, frame, [this] { form_.Command7_Click(); }));
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);

    column->addWidget(page_, 1);
    return frame;
}

// The window state counts when the window is first shown; later the user decides.
void WebsiteWindowView::showAsTheWindowSays() {
    qt::showAs(this, form_.Me.windowState());
}

void WebsiteWindowView::setOnTop(bool on) {
    qt::SetOnTop(this, on);
}

void WebsiteWindowView::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    event->accept();
    emit closed();
}

}  // namespace quillmark
