#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "program/ProductIdentity.h"
#include "whois/ReplyRules.h"
#include "whois/ServerTable.h"
#include "whois/Zones.h"

namespace quillmark {

// The values that live as long as the program, shared by its windows.
struct ProgramState {
    explicit ProgramState(std::filesystem::path folder) : programFolder(std::move(folder)) {}

    quillmark::ProgramFolder programFolder;
    // Set here, once, for the whole run.
    const program::ProductIdentity identity = program::ThisProduct();

    whois::ServerTable serverTable;
    bool useProxy = false;
    // Zone data: whois servers and RDAP bases, the downloaded RDAP list applied.
    whois::ZoneTable zones = whois::ZoneTable::Shipped();
    bool whoisOnly = false;
    // What replies mean, by extension; the main and browse windows judge by them.
    whois::ReplyRules replyRules;
    std::string defaultExtension = ".com";

    std::string sessionStamp;
    std::string selectedName;
    bool mainClosed = false;
    // The website window opens on the web address; until then, its first
    // opening shows the product details.
    bool websiteMode = false;
};

}  // namespace quillmark
