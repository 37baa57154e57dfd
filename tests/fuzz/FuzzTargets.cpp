#include "FuzzTargets.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "QuillmarkConfig.h"
#include "engine/NameCleaning.h"
#include "engine/NameListReader.h"
#include "harvest/HostNames.h"
#include "harvest/PageExtraction.h"
#include "platform/Files.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"
#include "results/Profile.h"
#include "whois/Json.h"
#include "whois/Rdap.h"
#include "whois/ReplyRules.h"
#include "whois/ServerTable.h"

namespace quillmark::fuzz {
namespace {

// Aborts so the fuzzer keeps the input; the message says which promise broke.
void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken invariant: %s\n", what);  // stderr is unbuffered
    std::abort();
}

// One folder per process for the files the targets write, removed at exit.
const std::filesystem::path& scratch() {
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("quillmark-fuzz-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(path / "servers"); }
        ~Folder() { std::filesystem::remove_all(path, ignored); }
        std::error_code ignored;
    } folder;
    return folder.path;
}

// The table the program writes on first start, loaded the way it loads it.
const whois::ServerTable& defaultTable() {
    static const whois::ServerTable table = [] {
        whois::WriteDefaultServers(ProgramFolder(scratch()), true);
        whois::ServerTable loaded;
        whois::LoadServers(ProgramFolder(scratch()), loaded);
        require(!loaded.empty(), "the default server table loads");
        return loaded;
    }();
    return table;
}

bool hasLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A names text must be `count` different host names, each followed by CR LF.
void checkNamesText(std::string_view names, std::int64_t count) {
    std::int64_t found = 0;
    std::unordered_set<std::string> seen;
    for (std::size_t at = 0, end; at < names.size(); at = end + 2, ++found) {
        end = names.find("\r\n", at);
        require(end != names.npos && harvest::IsHostName(names.substr(at, end - at)),
                "each name: a host name, then CR LF");
        require(seen.insert(text::toLower(names.substr(at, end - at))).second, "each name once");
    }
    require(found == count, "the names text holds the counted names and nothing else");
}

// Extracts the input twice into the same names, as a window does with two
// pages. The window lets events run after each line; the first of them
// starts another extraction of the input's second half into the same names.
template <typename Names, typename Extract, typename Check>
void extractTwice(std::string_view input, Names& names, Extract extract, harvest::ExtractionHooks hooks,
                  Check checkPage) {
    int lines = 0;
    hooks.afterEachLine = [&] {
        if (lines++ == 0) extract(input.substr(input.size() / 2), defaultTable(), names, {}, {});
    };
    for (int page = 0; page < 2; ++page) {
        extract(input, defaultTable(), names, {}, hooks);
        checkPage(page);
    }
}

}  // namespace

void FuzzCorrectName(std::string_view input) {
    const std::string decoded = names::UrlDecode(input);
    require(decoded.size() <= input.size(), "decoding never lengthens the text");
    if (input.find('%') == input.npos) require(decoded == input, "text without codes stays as it is");

    const std::string name = names::CorrectName(decoded);
    require(name.find('?') == std::string::npos, "a corrected name holds no question mark");
    const std::string_view body = std::string_view(decoded).substr(0, decoded.find('.'));
    std::string suffix = decoded.substr(body.size());
    std::erase(suffix, '?');
    require(name.ends_with(suffix), "the suffix is kept but for its question marks");
    const std::string_view cleanedBody = std::string_view(name).substr(0, name.size() - suffix.size());
    // Each kept character is found after the one before; not found, npos + 1 wraps to 0.
    std::size_t at = 0;
    for (const char c : cleanedBody)
        require((at = body.find(c, at) + 1) != 0, "the body only loses characters, none change");
    if (body.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") ==
        body.npos)
        require(cleanedBody == body, "a body of letters, digits and hyphens stays as it is");
}

void FuzzListNames(std::string_view input) {
    harvest::ListBuilderNames names;
    harvest::ExtractionHooks hooks;
    hooks.followFrame = [](std::string_view) { require(false, "the list builder follows no frames"); };
    std::int32_t before = 0;
    extractTwice(input, names, harvest::ExtractListNames, hooks, [&](int page) {
        checkNamesText(names.FoundNames, names.FoundCount);
        if (page == 1) require(names.PageFoundCount == names.FoundCount - before, "page count: this page's");
        before = names.FoundCount;
    });
}

void FuzzPageNames(std::string_view input) {
    harvest::BrowseNames names;
    harvest::ExtractionHooks hooks;
    hooks.followFrame = hooks.showStatus = [](std::string_view) {};
    std::int32_t before = 0;
    extractTwice(input, names, harvest::ExtractPageNames, hooks, [&](int page) {
        checkNamesText(names.PageNames, names.BrowsePageCount);
        checkNamesText(names.SessionNames, names.BrowseFoundCount);
        if (page == 0) require(names.PageNames == names.SessionNames, "a first page's names: the session's");
        require(names.BrowsePageCount == names.BrowseFoundCount - before, "page count: this page's");
        // The next page starts its own page list; the session keeps growing.
        names.PageNames.clear();
        names.BrowsePageCount = 0;
        before = names.BrowseFoundCount;
    });
}

void FuzzLoadServers(std::string_view input) {
    const ProgramFolder folder(scratch() / "servers");
    require(WriteFileReplacing(folder.file(files::kServers), input), "the server file is written");
    whois::ServerTable table{{"sentinel", "whois.sentinel.test", 4343, true}};
    whois::LoadServers(folder, table);
    require(!table.empty(), "loading never empties the table");
    for (const auto& row : table) {
        require(row.port >= 1 && !row.extension.empty() && row.extension.find('|') == row.extension.npos,
                "a loaded row has a port from 1 and one non-empty extension field");
        require(!hasLineEnd(row.extension + row.host) &&
                    text::toLower(row.extension + row.host) == row.extension + row.host,
                "a loaded row is one line in lower case");
    }
    for (const std::string_view name : {"example.com", "example.", "", "x.net", ".", "proxy", "x.de"})
        for (const bool useProxy : {false, true}) {
            const auto server = whois::ServerFor(table, whois::ZoneTable::Shipped(), name, useProxy);
            require(!server || (!server->host.empty() && !whois::IsAddressRegistry(server->host)),
                    "a name is never sent to an address registry");
        }
    // The loaded table drives the extraction; a page over it must come back.
    harvest::ListBuilderNames names;
    harvest::ExtractListNames("<a href=\"http://www.example.com/\">x</a> http://a.net/b", table, names);
    checkNamesText(names.FoundNames, names.FoundCount);
}

// The first byte picks what happens to the list between two looks (nothing,
// it grows, it is cut, it is cut and grows); the second how much.
void FuzzNameList(std::string_view input) {
    const std::uint8_t mode = input.size() > 0 ? input[0] : 0, amount = input.size() > 1 ? input[1] : 0;
    const std::string_view content = input.substr(std::min<std::size_t>(2, input.size()));
    const auto path = scratch() / "list.txt";
    NameListReader reader;
    reader.setFile(path);
    std::string bytes(content);
    // Reads the list through the reader and compares it with the bytes it holds.
    const auto check = [&](std::uint8_t seed) {
        std::vector<std::string> expected;
        for (const auto line : text::splitLines(bytes))
            if (!line.empty()) expected.emplace_back(line);
        const std::int32_t count = reader.CountListEntries();
        require(std::cmp_equal(count, expected.size()), "the count is the number of non-empty lines");
        std::vector<std::int32_t> positions = {INT32_MIN, INT32_MAX, count, count + 1};
        for (std::int32_t n = 0; n <= std::min(count, 300); ++n) positions.push_back(n);
        for (std::int32_t k = 1; k <= 5; ++k) positions.push_back((seed * 7919 + k * 104729) % (count + 2));
        for (const std::int32_t n : positions)
            require(reader.ReadNameAt(n) == (n < 1 || n > count ? kEndOfList : expected[n - 1]),
                    "a name is its non-empty line, unchanged; past the list comes the end marker");
    };
    require(WriteFileReplacing(path, bytes), "the list is written");
    check(amount);
    if (mode % 4 >= 2) {
        bytes.resize(bytes.size() * (255 - amount) / 256);
        std::filesystem::resize_file(path, bytes.size());
        if (mode % 4 == 3) check(amount);
    }
    if (mode % 2 == 1) {
        const std::string_view tail = content.substr(content.size() * amount / 256);
        require(AppendToFile(path, tail), "the list grows");
        bytes += tail;
    }
    check(mode);
    // Gone under the reader: no names, then the list again once it is back.
    std::filesystem::remove(path);
    require(reader.CountListEntries() == 0 && reader.ReadNameAt(1) == kEndOfList,
            "a missing list has no names");
    require(WriteFileReplacing(path, bytes), "the list is written again");
    check(amount);
}

void FuzzWhoisReply(std::string_view input) {
    static const whois::ReplyRules rules = whois::ParseReplyRules(config::kShippedReplyRules);
    require(rules.badLines.empty(), "the shipped rules read whole");
    const auto outcome = [&](std::string_view reply) {
        const auto verdict = whois::JudgeReply(rules, "example.com", reply);
        return std::pair(verdict.outcome, verdict.reason);
    };
    require(
        outcome(text::toLower(input)) == outcome(input) && outcome(text::toUpper(input)) == outcome(input),
        "letter case plays no part in a reply");
    require(outcome("Too many requests\r\n" + std::string(input)).first == whois::Outcome::Unchecked,
            "a throttle notice is never taken for a verdict");

    const auto verdict = results::ProfileOf(input);
    require(verdict != results::Verdict::Taken, "a profile is High, Mid or Low");
    const std::string_view label = input.substr(0, input.find('.'));
    require(results::ProfileOf(std::string(label) + ".com") == verdict, "only the first label counts");
    if (std::all_of(label.begin(), label.end(), [](char c) { return (c & 0x80) == 0; })) {
        const auto expected = label.size() < 5    ? results::Verdict::High
                              : label.size() <= 7 ? results::Verdict::Mid
                                                  : results::Verdict::Low;
        require(verdict == expected, "the profile follows the first label's length");
    }
}

void FuzzRdapReply(std::string_view input) {
    if (const auto value = whois::json::Parse(input)) {
        const std::string indented = whois::json::Indented(*value);
        const auto again = whois::json::Parse(indented);
        require(again && whois::json::Indented(*again) == indented, "indented JSON reads back as itself");
    }
    const auto judged =
        whois::JudgeRdapReply({200, HttpFailure::None, "", std::string(input), false, "", ""}, 0);
    require(judged.verdict.outcome != whois::Outcome::Free, "a record is never a free name");
    if (const auto servers = whois::ParseRdapServers(input)) {
        for (const auto& [zone, base] : *servers)
            require(!zone.empty() && base.ends_with('/') && base.starts_with("http"),
                    "a server list row is whole");
    }
    const auto wait = whois::RetryAfterSeconds(input, "", 0);
    require(!wait || (*wait >= 0 && *wait <= whois::kLongestRetryAfter), "a wait is bounded");
}

}  // namespace quillmark::fuzz
