// Which server a slot asks, by whois or by RDAP, and the RDAP side of a lookup.
#include <ctime>

#include "engine/MainWindow.h"
#include "whois/AsciiName.h"

namespace quillmark {

// Asks the slot's name of its server by the protocol, unless the server
// holds it back for now: then the name waits.
void MainWindow::AskServer(int index, whois::Protocol protocol) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    slot.protocol = protocol;
    const whois::ServerRow* server = slot.whoisServer ? &*slot.whoisServer : nullptr;
    if (protocol == whois::Protocol::Rdap) {
        slot.server = slot.rdapBase;
    } else if (server->extension == "proxy") {
        // Through the proxy only the extension whose reply was throttled waits.
        slot.server = "proxy ." + slot.name.substr(slot.name.rfind('.') + 1);
    } else {
        slot.server = server->host + ":" + std::to_string(server->port);
    }
    if (ServerPaused(slot.server))
        return waitingNames.push_back(
            {slot.name, slot.position, slot.attempts, slot.server, protocol, slot.otherTried});
    slot.ticks = 0;
    slot.age = 0;
    slot.busy = true;
    slot.timer->setInterval(1000);
    slot.timer->setEnabled(true);
    if (protocol == whois::Protocol::Whois)
        return void(slot.exchange.Begin(slot.name, server->host, server->port));
    slot.http->get(whois::RdapAddress(slot.rdapBase, whois::AsciiName(slot.name)), whois::kRdapAccept,
                   [this, index](const HttpReply& reply) { RdapAnswered(index, reply); });
}

// A lookup without a verdict is asked once more, of the zone's other
// server. False when there is none or it was asked already.
bool MainWindow::TryOtherProtocol(int index) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    const bool rdapNext = slot.protocol == whois::Protocol::Whois;
    const bool available = rdapNext ? !slot.rdapBase.empty() : slot.whoisServer.has_value();
    if (stopRequested || slot.otherTried || !available) return false;
    slot.otherTried = true;
    slot.busy = false;
    AskServer(index, rdapNext ? whois::Protocol::Rdap : whois::Protocol::Whois);
    return true;
}

void MainWindow::RdapAnswered(int index, const HttpReply& reply) {
    LookupSlot& slot = lookupSlots[static_cast<std::size_t>(index)];
    if (stopRequested || !slot.busy) return;
    const auto judged = whois::JudgeRdapReply(reply, std::time(nullptr));
    Conclude(index, judged.verdict, judged.retryAfter);
}

}  // namespace quillmark
