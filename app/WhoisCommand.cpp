#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "app/Commands.h"
#include "app/core/HeadlessServices.h"
#include "app/core/ProgramFolderLocation.h"
#include "platform/SettingsKeys.h"
#include "platform/Text.h"
#include "whois/AsciiName.h"
#include "whois/Rdap.h"
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

// The registry's RDAP base when the name is to be asked by RDAP: with --rdap
// whenever there is one, by default as the settings say; never with --whois
// or a server of the user's.
std::optional<std::string> rdapBase(const app::CommandLine& line, const std::filesystem::path& folder,
                                    Services& services, std::string_view name) {
    if (line.has("--whois") || line.option("--server")) return std::nullopt;
    const auto zones = whois::LoadZones(ProgramFolder(folder));
    const Settings settings(services.settings());
    const bool forced = line.has("--rdap");
    std::string base = whois::RdapBaseFor(zones, whois::AsciiName(name),
                                          !forced && settings.number(SettingKey::chkProxy) != 0,
                                          !forced && settings.number(SettingKey::WhoisOnly) != 0);
    if (base.empty()) return std::nullopt;
    return base;
}

// The window's server: the proxy row when the proxy is on, as in the window.
WhoisServer windowServer(const std::filesystem::path& folder, Services& services) {
    whois::ServerTable table;
    whois::LoadServers(ProgramFolder(folder), table);
    return WhoisWindowServer(table, Settings(services.settings()).number(SettingKey::chkProxy) != 0);
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
    if (serverOption && !ParseWhoisServer(*serverOption))
        return Fail("--server needs HOST or HOST:PORT with a port from 1 to 65535");
    const auto timeout = timeoutSeconds(line);
    if (!timeout) return Fail("--timeout needs a whole number of seconds from 1 to 86400");
    if (!WhoisLookupWindow::CanBeSent(name)) return Fail("a name with a control character is never sent");
    if (line.has("--whois") && line.has("--rdap")) return Fail("--whois and --rdap exclude each other");
    if (line.has("--rdap") && serverOption)
        return Fail("--server names a whois server; it cannot go with --rdap");
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    HeadlessServices services(std::nullopt);
    const auto server = serverOption ? ParseWhoisServer(*serverOption) : windowServer(*folder, services);
    const auto base = rdapBase(line, *folder, services, name);
    if (line.has("--rdap") && !base) return Fail("no RDAP server is known for " + name, 1);
    WhoisLookupWindow form(services, name, server->host, server->port, base.value_or(""));
    form.setOnFinished([] { QCoreApplication::quit(); });
    QTimer::singleShot(std::chrono::seconds(*timeout), QCoreApplication::instance(), &QCoreApplication::quit);
    QTimer::singleShot(0, QCoreApplication::instance(), [&form] { form.Load(); });
    QCoreApplication::exec();
    form.Unload();
    const std::string asked = base ? whois::RdapAddress(*base, whois::AsciiName(name)) : describe(*server);
    if (!form.finished()) {
        return Fail("no reply from " + asked + " within " + std::to_string(*timeout) + " s", 1);
    }
    if (!form.answered()) return Fail(asked + ": " + text::replaceAll(form.replyText.text(), "\n", ""), 1);
    writeReply(form.replyText.text());
    return 0;
}

}  // namespace quillmark::app
