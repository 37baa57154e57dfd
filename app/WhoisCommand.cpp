#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "app/Commands.h"
#include "app/core/HeadlessServices.h"
#include "app/core/ProgramFolderLocation.h"
#include "platform/Text.h"
#include "whois/WhoisLookupWindow.h"

namespace quillmark::app {

namespace {

// The window waits for ever; a script must not.
constexpr std::int64_t kDefaultTimeoutSeconds = 60;
constexpr std::int64_t kLongestTimeoutSeconds = 24 * 60 * 60;

std::optional<std::int64_t> timeoutSeconds(const app::CommandLine& line) {
    const auto option = line.option("--timeout");
    if (!option) return kDefaultTimeoutSeconds;
    const auto seconds = text::parseWholeNumber(*option);
    if (!seconds || *seconds < 1 || *seconds > kLongestTimeoutSeconds) return std::nullopt;
    return seconds;
}

std::string describe(const WhoisServer& server) {
    const bool bracketed = server.host.find(':') != std::string::npos;
    return (bracketed ? "[" + server.host + "]" : server.host) + ":" + std::to_string(server.port);
}

// The reply as the server sent it, whatever its bytes.
void writeReply(const std::string& reply) {
    std::fwrite(reply.data(), 1, reply.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

// Runs the whois window's exchange without the window and prints the reply.
int RunWhois(const app::CommandLine& line) {
    const std::string& name = line.arguments.front();
    const auto serverOption = line.option("--server");
    const auto server = serverOption ? ParseWhoisServer(*serverOption) : FixedWhoisServer();
    if (!server) return Fail("--server needs HOST or HOST:PORT with a port from 1 to 65535");
    const auto timeout = timeoutSeconds(line);
    if (!timeout) return Fail("--timeout needs a whole number of seconds from 1 to 86400");
    if (!WhoisLookupWindow::CanBeSent(name)) return Fail("a name with a control character is never sent");
    if (!PrepareProgramFolder(line)) return 2;

    HeadlessServices services(std::nullopt);
    WhoisLookupWindow form(services, name, server->host, server->port);
    form.setOnFinished([] { QCoreApplication::quit(); });
    QTimer::singleShot(std::chrono::seconds(*timeout), QCoreApplication::instance(), &QCoreApplication::quit);
    QTimer::singleShot(0, QCoreApplication::instance(), [&form] { form.Load(); });
    QCoreApplication::exec();
    form.Unload();
    if (!form.finished()) {
        return Fail("no reply from " + describe(*server) + " within " + std::to_string(*timeout) + " s", 1);
    }
    writeReply(form.replyText.text());
    return 0;
}

}  // namespace quillmark::app
