#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "platform/HttpClient.h"

namespace quillmark::whois {

// Downloads the registries' RDAP server list and keeps it in the program
// folder, where it replaces the RDAP addresses that ship with the program.
// A download that fails or is no such list leaves the kept one as it was.
class RdapServersUpdate {
public:
    struct Result {
        bool updated = false;
        std::string message;  // for the user, in a sentence or two
    };
    using Done = std::function<void(const Result& result)>;

    RdapServersUpdate(std::unique_ptr<HttpClient> client, const ProgramFolder& folder)
        : client_(std::move(client)), folder_(folder) {}

    // Starts the download; done is called once, later. An update in flight is dropped.
    void Start(std::string_view address, Done done);
    bool running() const { return running_; }

private:
    Result Keep(std::string_view address, const HttpReply& reply) const;

    std::unique_ptr<HttpClient> client_;
    const ProgramFolder& folder_;
    bool running_ = false;
};

}  // namespace quillmark::whois
