#include "program/ui/OverflowNoticeView.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"
#include "platform/qt/Skin.h"

namespace quillmark {

OverflowNoticeView::OverflowNoticeView(QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    qt::bind(form_.window, this);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    text->setWordWrap(true);
    qt::bind(form_.message, text);
    layout->addWidget(text);
    auto* ok = new QPushButton(this);
    qt::bind(form_.okButton, ok, [this] { close(); });
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

void OverflowNoticeView::ShowNotice(QWidget* parent) {
    auto* notice = new OverflowNoticeView(parent);
    qt::ApplySkin(notice);
    notice->setModal(false);
    notice->show();
}

}  // namespace quillmark
