#include "platform/qt/WindowView.h"

#include <QCloseEvent>

namespace quillmark::qt {

WindowView::WindowView(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void WindowView::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    emit closed();
}

}  // namespace quillmark::qt
