#include "whois/RdapServersUpdate.h"

#include "platform/ProgramFiles.h"
#include "whois/Rdap.h"

namespace quillmark::whois {

namespace {

constexpr std::string_view kUnchanged = " The server data is unchanged.";

}  // namespace

void RdapServersUpdate::Start(std::string_view address, Done done) {
    running_ = true;
    client_->get(address, "application/json",
                 [this, address = std::string(address), done = std::move(done)](const HttpReply& reply) {
                     running_ = false;
                     done(Keep(address, reply));
                 });
}

RdapServersUpdate::Result RdapServersUpdate::Keep(std::string_view address, const HttpReply& reply) const {
    const std::string from(address);
    if (reply.status == 0)
        return {false, "Could not reach " + from + " (" + reply.failureText + ")." + std::string(kUnchanged)};
    if (reply.status != 200)
        return {false, from + " answered with HTTP status " + std::to_string(reply.status) + "." +
                           std::string(kUnchanged)};
    const auto servers = reply.bodyCut ? std::nullopt : ParseRdapServers(reply.body);
    if (!servers) return {false, "What " + from + " sent is no RDAP server list." + std::string(kUnchanged)};
    if (!WriteFileReplacing(folder_.file(files::kRdapServers), reply.body))
        return {false, "The RDAP server list could not be saved." + std::string(kUnchanged)};
    return {true, "RDAP servers updated for " + std::to_string(servers->size()) +
                      (servers->size() == 1 ? " extension." : " extensions.")};
}

}  // namespace quillmark::whois
