#include "shell/ui/website/WebsiteWindow.h"

#include "shell/ui/website/frmWebsiteView.h"

namespace quillmark {

WebsiteWindow::WebsiteWindow(const shell::StartupConstants& constants, std::string& WebsiteMode,
                             bool& MainClosed, shell::WebsiteHooks hooks)
    : constants_(constants), websiteMode_(WebsiteMode), mainClosed_(MainClosed), hooks_(std::move(hooks)) {}

WebsiteWindow::~WebsiteWindow() = default;

void WebsiteWindow::show(std::optional<std::string> navigateTo) {
    bool made = false;
    frmWebsiteView& view = view_.open(made, constants_, websiteMode_, mainClosed_, hooks_);
    if (made) {
        view.form().Form_Load();
        view.showAsTheWindowSays();
    } else {
        qt::bringToFront(&view);
    }
    if (navigateTo) view.form().WebBrowser1.Navigate(*navigateTo);
}

bool WebsiteWindow::isVisible() const {
    return view_.get() != nullptr && view_.get()->isVisible();
}

}  // namespace quillmark
