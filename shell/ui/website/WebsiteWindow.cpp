#include "shell/ui/website/WebsiteWindow.h"

#include "shell/ui/website/frmWebsiteView.h"

namespace quillmark {

WebsiteWindow::WebsiteWindow(const shell::StartupConstants& constants, std::string& WebsiteMode,
                             bool& MainClosed, shell::WebsiteHooks hooks)
    : constants_(constants), websiteMode_(WebsiteMode), mainClosed_(MainClosed), hooks_(std::move(hooks)) {}

WebsiteWindow::~WebsiteWindow() = default;

void WebsiteWindow::show(std::optional<std::string> navigateTo) {
    if (view_) {
        view_->bringToFront();
    } else {
        view_ = std::make_unique<frmWebsiteView>(constants_, websiteMode_, mainClosed_, hooks_);
        // A closed window is done with: the next opening loads a new one. It
        // goes on the next turn of the event loop, as it is still closing.
        frmWebsiteView* view = view_.get();
        QObject::connect(view, &frmWebsiteView::closed, view, [this, view] {
            if (view_.get() == view) view_.release();
            view->deleteLater();
        });
        view_->form().Form_Load();
        view_->showAsTheWindowSays();
    }
    if (navigateTo) view_->form().WebBrowser1.Navigate(*navigateTo);
}

bool WebsiteWindow::isVisible() const {
    return view_ && view_->isVisible();
}

}  // namespace quillmark
