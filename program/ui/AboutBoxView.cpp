#include "program/ui/AboutBoxView.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"
#include "platform/qt/ProductMark.h"
#include "platform/qt/Skin.h"

namespace quillmark {

AboutBoxView::AboutBoxView(const program::ProductIdentity& constants, QWidget* parent)
    : QDialog(parent), form_(constants) {
    setAttribute(Qt::WA_DeleteOnClose);
    form_.Load();
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture1 = new QLabel(this);
    picture1->setPixmap(qt::ProductMark(96));
    top->addWidget(picture1, 0, Qt::AlignTop);

    auto* details = new QGridLayout;
    QLabel* title = qt::makeLabel(form_.productLabel, this);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    title->setFont(large);
    details->addWidget(title, 0, 0, 1, 2);
    int row = 1;
    for (auto [caption, value] : {std::pair{&form_.versionCaption, &form_.version},
                                  std::pair{&form_.publisherCaption, &form_.publisher},
                                  std::pair{&form_.websiteCaption, &form_.website}}) {
        details->addWidget(qt::makeLabel(*caption, this), row, 0);
        QLabel* shown = qt::makeLabel(*value, this);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->addWidget(shown, row, 1);
        ++row;
    }
    details->setColumnStretch(1, 1);
    top->addLayout(details, 1);
    layout->addLayout(top);

    QLabel* notice = qt::makeLabel(form_.notice, this);
    notice->setWordWrap(true);
    layout->addWidget(notice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    qt::bind(form_.window, this);
}

void AboutBoxView::ShowAbout(const program::ProductIdentity& constants, QWidget* parent) {
    auto* about = new AboutBoxView(constants, parent);
    qt::ApplySkin(about);
    about->setModal(false);
    about->show();
}

}  // namespace quillmark
