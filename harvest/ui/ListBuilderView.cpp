#include "harvest/ui/ListBuilderView.h"

#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "platform/qt/Bindings.h"

namespace quillmark {

ListBuilderView::ListBuilderView(Services& services, MainWindow& main, const harvest::SearchSites& sites,
                                 QWidget* parent)
    : WindowView(parent),
      page_(new QWebEngineView(this)),
      browser_(page_),
      // The run ends inside a handler of this window: it closes on the next turn.
      form_(services, main, browser_, sites, {[this] { QTimer::singleShot(0, this, &QWidget::close); }}) {
    auto* layout = new QVBoxLayout(this);
    auto* progress = new QLineEdit(this);
    progress->setReadOnly(true);
    qt::bind(form_.progressText, progress);
    layout->addWidget(progress);
    page_->setToolTip("Searching for unique domain names.");
    layout->addWidget(page_, 1);
    qt::bind(form_.window, this);
    resize(800, 600);
}

void ListBuilderView::unload() {
    form_.Unload();
}

}  // namespace quillmark
