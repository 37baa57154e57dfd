#include "program/ui/SplashView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"
#include "platform/qt/ProductMark.h"

namespace quillmark {

SplashView::SplashView(Services& services, const program::ProductIdentity& constants, bool& MainClosed,
                       program::SplashHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      form_(services, constants, MainClosed, hooks) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 32, 40, 28);
    auto* image1 = new QLabel(this);
    image1->setPixmap(qt::ProductMark(160));
    image1->setAlignment(Qt::AlignCenter);
    layout->addWidget(image1);
    auto* name = new QLabel(this);
    name->setAlignment(Qt::AlignCenter);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    large.setBold(true);
    name->setFont(large);
    qt::bind(form_.productLabel, name);
    layout->addWidget(name);
    setAutoFillBackground(true);
    qt::bind(form_.window, this);
}

}  // namespace quillmark
