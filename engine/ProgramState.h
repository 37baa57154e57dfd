#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "program/ProductIdentity.h"
#include "whois/ServerTable.h"

namespace quillmark {

// The values that live as long as the program, shared by its windows.
struct ProgramState {
    explicit ProgramState(std::filesystem::path folder) : ProgramFolder(std::move(folder)) {}

    quillmark::ProgramFolder ProgramFolder;
    program::ProductIdentity Constants;

    whois::ServerTable ServerTable;
    bool UseProxy = false;
    std::string DefaultExtension = ".com";

    std::int32_t HighCount = 0;
    std::int32_t MidCount = 0;
    std::int32_t LowCount = 0;
    std::int32_t RegisteredCount = 0;
    std::string SessionStamp;
    std::string SelectedName;
    bool MainClosed = false;
    std::string WebsiteMode;
};

}  // namespace quillmark
