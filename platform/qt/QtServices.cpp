#include "QtServices.h"

#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtTimer.h"

namespace quillmark::qt {

QtServices::QtServices(QWidget* dialogParent, std::optional<std::string> settingsFolder)
    : settings_(std::move(settingsFolder)), dialogs_(dialogParent), messages_(dialogParent) {}

void QtServices::setDialogParent(QWidget* parent) {
    dialogs_.setParent(parent);
    messages_.setParent(parent);
}

std::unique_ptr<TcpClient> QtServices::makeTcpClient() {
    return std::make_unique<QtTcpClient>();
}

std::unique_ptr<HttpClient> QtServices::makeHttpClient() {
    return std::make_unique<QtHttpClient>(network_);
}

std::unique_ptr<Timer> QtServices::makeTimer() {
    return std::make_unique<QtTimer>();
}

}  // namespace quillmark::qt
