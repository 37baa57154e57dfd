#include <cstdio>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "app/core/ProgramFolderLocation.h"
#include "harvest/PageExtraction.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "whois/ServerTable.h"

namespace quillmark::app {

namespace {

// The table the windows would use: the folder's registrars.txt, written with
// the default rows when missing.
whois::ServerTable serverTable(const ProgramFolder& folder) {
    whois::ServerTable table;
    whois::WriteDefaultServers(folder, false);
    whois::LoadServers(folder, table);
    return table;
}

// Accepted names are each followed by CR LF and never hold a line end.
void printNames(std::string_view names) {
    for (const auto name : text::splitLines(names)) {
        std::fwrite(name.data(), 1, name.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}

}  // namespace

// Runs the list builder's pass (or the browse window's, with --browse) over a
// saved page. Frames would need a browser to load them, so they are skipped.
int RunExtract(const app::CommandLine& line) {
    const std::string& file = line.arguments.front();
    const auto page = FileExists(file) ? ReadWholeFile(file) : std::nullopt;
    if (!page) return Fail("cannot read the page " + file);
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    const whois::ServerTable table = serverTable(ProgramFolder(*folder));
    if (line.has("--browse")) {
        harvest::BrowseNames names;
        harvest::ExtractPageNames(*page, table, names);
        printNames(names.PageNames);
    } else {
        harvest::ListBuilderNames names;
        harvest::ExtractListNames(*page, table, names);
        printNames(names.FoundNames);
    }
    return std::ferror(stdout) ? 1 : 0;
}

}  // namespace quillmark::app
