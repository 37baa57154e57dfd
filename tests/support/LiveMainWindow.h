#pragma once

#include "support/LocalWhoisServer.h"
#include "support/MainWindowRig.h"

namespace quillmark::testing {

// Holds the server so that it is listening before the rig needs its port.
struct LocalServerHolder {
    explicit LocalServerHolder(LocalWhoisServer::Rule rule) : server(std::move(rule)) {}
    LocalWhoisServer server;
};

// The main window with the real services, in a fresh program folder whose
// proxy row sends every lookup to a whois server inside this process.
class LiveMainWindow : public LocalServerHolder, public MainWindowRig {
public:
    explicit LiveMainWindow(LocalWhoisServer::Rule rule = {})
        : LocalServerHolder(std::move(rule)), MainWindowRig(server.port()) {}
};

}  // namespace quillmark::testing
