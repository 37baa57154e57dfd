#include "QtEventPump.h"

#include <QCoreApplication>

namespace quillmark::qt {

void QtEventPump::processPendingEvents() {
    QCoreApplication::processEvents();
}

}  // namespace quillmark::qt
