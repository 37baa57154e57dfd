#include "whois/ui/WhoisLookupWindowView.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"

namespace quillmark {

WhoisLookupWindowView::WhoisLookupWindowView(std::unique_ptr<WhoisLookupWindow> form, QWidget* parent)
    : WindowView(parent), form_(std::move(form)), text1_(new QPlainTextEdit(this)) {
    text1_->setReadOnly(true);
    // Whois records line their fields up in columns.
    text1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_);
    resize(640, 480);

    showReply();
    form_->replyText.setObserver([this] { showReply(); });
    qt::bind(form_->window, this);
}

WhoisLookupWindowView::~WhoisLookupWindowView() = default;

void WhoisLookupWindowView::showReply() {
    const std::string& reply = form_->replyText.text();
    // Plain text: markup in a reply is shown, not interpreted.
    text1_->setPlainText(QString::fromUtf8(reply.data(), static_cast<qsizetype>(reply.size())));
}

void WhoisLookupWindowView::unload() {
    form_->Unload();
}

}  // namespace quillmark
