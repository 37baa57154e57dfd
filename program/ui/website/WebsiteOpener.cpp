#include "program/ui/website/WebsiteOpener.h"

#include "program/ui/website/WebsiteWindowView.h"

namespace quillmark {

WebsiteOpener::WebsiteOpener(const program::ProductIdentity& constants, bool& WebsiteMode, bool& MainClosed,
                             program::WebsiteHooks hooks)
    : constants_(constants), websiteMode_(WebsiteMode), mainClosed_(MainClosed), hooks_(std::move(hooks)) {}

WebsiteOpener::~WebsiteOpener() = default;

void WebsiteOpener::show(std::optional<std::string> navigateTo) {
    WebsiteWindowView& view = view_.openOrRaise(
        [](WebsiteWindowView& made) {
            made.form().Load();
            made.showAsTheWindowSays();
        },
        constants_, websiteMode_, mainClosed_, hooks_);
    if (navigateTo) view.form().page.Navigate(*navigateTo);
}

bool WebsiteOpener::isVisible() const {
    return view_.get() != nullptr && view_.get()->isVisible();
}

}  // namespace quillmark
