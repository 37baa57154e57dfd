#include "engine/ui/UncheckedWindowView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"

namespace quillmark {

UncheckedWindowView::UncheckedWindowView(MainWindow& main, QWidget* parent)
    : WindowView(parent), form_(main) {
    auto* layout = new QVBoxLayout(this);
    auto* list = new QTreeView(this);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    qt::bind(form_.names, list, {});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(qt::makeButton(form_.lookUpAgainButton, this, [this] { form_.LookUpAgain(); }));
    auto* close = new QPushButton("Close", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    qt::bind(form_.window, this);
    resize(480, 360);
}

// The widgets go first: they read the window's state until they are gone.
UncheckedWindowView::~UncheckedWindowView() {
    qt::releaseWidgets(this);
}

}  // namespace quillmark
