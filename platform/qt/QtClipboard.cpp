#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quillmark::qt {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

// Qt's line end is LF, which it turns into the desktop's own (CR LF on
// Windows) as the text goes to the clipboard; the program's CR LF would
// arrive elsewhere as a stray CR on every line.
void QtClipboard::setText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n"));
}

std::string QtClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace quillmark::qt
