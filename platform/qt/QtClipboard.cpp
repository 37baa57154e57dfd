#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quillmark::qt {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string QtClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace quillmark::qt
