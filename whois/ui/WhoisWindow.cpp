#include "whois/ui/WhoisWindow.h"

namespace quillmark {

WhoisWindow::WhoisWindow(QWidget* parent, WhoisServer server) : parent_(parent), server_(std::move(server)) {}

WhoisWindow::~WhoisWindow() {
    close();
}

void WhoisWindow::open(Services& services, std::string name) {
    close();
    auto form = std::make_unique<frmWhois>(services, std::move(name), server_.host, server_.port);
    frmWhois& logic = *form;
    view_ = new frmWhoisView(std::move(form), parent_);
    view_->setAttribute(Qt::WA_DeleteOnClose);
    logic.Form_Load();
    view_->show();
}

void WhoisWindow::close() {
    // Deleted at once, not later: its connection must not answer into a
    // window that has been replaced.
    delete view_.data();
}

bool WhoisWindow::isOpen() const {
    return view_ && view_->isVisible();
}

}  // namespace quillmark
