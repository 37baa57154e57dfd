#include "program/ui/website/WebsiteOpener.h"

#include "program/ui/website/WebsiteWindowView.h"

namespace quillmark {

WebsiteOpener::WebsiteOpener(const program::ProductIdentity& constants, bool& WebsiteMode, bool& MainClosed,
                             program::WebsiteHooks hooks)
    : constants_(constants), websiteMode_(WebsiteMode), mainClosed_(MainClosed), hooks_(std::move(hooks)) {}

WebsiteOpener::~WebsiteOpener() = default;

void WebsiteOpener::show(std::optional<std::string> navigateTo) {
    bool made = false;
    WebsiteWindowView& view = view_.open(made, constants_, websiteMode_, mainClosed_, hooks_);
    if (made) {
        view.form().Load();
        view.showAsTheWindowSays();
    } else {
        qt::bringToFront(&view);
    }
    if (navigateTo) view.form().page.Navigate(*navigateTo);
}

bool WebsiteOpener::isVisible() const {
    return view_.get() != nullptr && view_.get()->isVisible();
}

}  // namespace quillmark
