#include "app/core/HeadlessServices.h"

#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtTimer.h"

namespace quillmark::app {

std::unique_ptr<TcpClient> HeadlessServices::makeTcpClient() {
    return std::make_unique<qt::QtTcpClient>();
}

std::unique_ptr<HttpClient> HeadlessServices::makeHttpClient() {
    return std::make_unique<qt::QtHttpClient>(network_);
}

std::unique_ptr<Timer> HeadlessServices::makeTimer() {
    return std::make_unique<qt::QtTimer>();
}

MessageResult HeadlessServices::show(std::string_view text, std::string_view title, MessageButtons buttons) {
    std::cerr << title << ": " << text << '\n';
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
}

}  // namespace quillmark::app
