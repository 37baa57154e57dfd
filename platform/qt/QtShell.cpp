#include "QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillmark::qt {

bool QtShell::openWithDefaultApplication(std::string_view path) {
    const QString file = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace quillmark::qt
