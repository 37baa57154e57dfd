#include "whois/ui/WhoisOpener.h"

#include "platform/qt/Skin.h"

namespace quillmark {

WhoisOpener::WhoisOpener(QWidget* parent, WhoisServer server) : parent_(parent), server_(std::move(server)) {}

WhoisOpener::~WhoisOpener() {
    close();
}

void WhoisOpener::open(Services& services, std::string name, std::string rdapBase) {
    close();
    auto form = std::make_unique<WhoisLookupWindow>(services, std::move(name), server_.host, server_.port,
                                                    std::move(rdapBase));
    WhoisLookupWindow& logic = *form;
    view_ = new WhoisLookupWindowView(std::move(form), parent_);
    qt::ApplySkin(view_);
    view_->setAttribute(Qt::WA_DeleteOnClose);
    logic.Load();
    view_->show();
}

void WhoisOpener::close() {
    // Deleted at once, not later: its connection must not answer into a
    // window that has been replaced.
    delete view_.data();
}

bool WhoisOpener::isOpen() const {
    return view_ && view_->isVisible();
}

}  // namespace quillmark
