#include "FuzzTargets.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "engine/NameCleaning.h"
#include "engine/NameListReader.h"
#include "harvest/PageExtraction.h"
#include "platform/Files.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"
#include "results/Profile.h"
#include "whois/ServerTable.h"
#include "whois/WhoisReply.h"

namespace quillmark::fuzz {

namespace {

// Aborts so the fuzzer keeps the input; the message says which promise broke.
void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// One folder per process for the files the targets write, made on first use
// and removed at exit.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() / ("quillmark-fuzz-" + std::to_string(::getpid()))) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_ / "servers");
        std::filesystem::create_directories(path_ / "defaults");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

// The table the program writes on first start, loaded the way it loads it.
const whois::ServerTable& defaultTable() {
    static const whois::ServerTable table = [] {
        const ProgramFolder folder(scratch().path() / "defaults");
        whois::WriteDefaultServers(folder, true);
        whois::ServerTable loaded;
        whois::LoadServers(folder, loaded);
        require(!loaded.empty(), "the default server table loads");
        return loaded;
    }();
    return table;
}

bool hasLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool isSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return true;
}

// A names text must be `count` names, each followed by CR LF, none holding a
// line end, a tab or markup brackets.
void checkNamesText(std::string_view names, std::int64_t count) {
    require(count >= 0, "name count is not negative");
    std::size_t at = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::size_t end = names.find("\r\n", at);
        require(end != std::string_view::npos, "every counted name is followed by CR LF");
        const std::string_view name = names.substr(at, end - at);
        require(!name.empty(), "an accepted name is not empty");
        require(name.find_first_of("\r\n\t<>") == std::string_view::npos,
                "an accepted name holds no CR, LF, tab, < or >");
        at = end + 2;
    }
    require(at == names.size(), "the names text holds the counted names and nothing else");
}

}  // namespace

void FuzzCorrectName(std::string_view input) {
    const std::string decoded = names::UrlDecode(input);
    require(decoded.size() <= input.size(), "decoding never lengthens the text");
    if (input.find('%') == std::string_view::npos)
        require(decoded == input, "text without codes stays as it is");

    const std::string name = names::CorrectName(decoded);
    require(name.find('?') == std::string::npos, "a corrected name holds no question mark");

    const std::string_view decodedView(decoded);
    const std::size_t stop = decodedView.find('.');
    const std::string_view body = decodedView.substr(0, stop);
    std::string suffix(stop == std::string_view::npos ? std::string_view() : decodedView.substr(stop));
    std::erase(suffix, '?');
    require(
        name.size() >= suffix.size() && std::string_view(name).substr(name.size() - suffix.size()) == suffix,
        "the suffix is kept but for its question marks");
    const std::string_view cleanedBody = std::string_view(name).substr(0, name.size() - suffix.size());
    require(isSubsequence(cleanedBody, body), "the body only loses characters, none change");
    const bool plain = std::all_of(body.begin(), body.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    });
    if (plain) require(cleanedBody == body, "a body of letters, digits and hyphens stays as it is");
}

void FuzzListNames(std::string_view input) {
    const auto& table = defaultTable();
    harvest::ListBuilderNames names;
    std::vector<std::string> frames;
    int lines = 0;
    harvest::ExtractionHooks hooks;
    hooks.followFrame = [&](std::string_view address) { frames.emplace_back(address); };
    // The window lets events run after each line; one of them may be another
    // extraction into the same names.
    hooks.afterEachLine = [&] {
        if (lines++ != 0) return;
        harvest::ExtractListNames(input.substr(input.size() / 2), table, names);
    };
    harvest::ExtractListNames(input, table, names, {}, hooks);
    require(frames.empty(), "the list builder follows no frames");
    checkNamesText(names.FoundNames, names.FoundCount);

    // A second page with the same text adds to what was found.
    const std::int32_t before = names.FoundCount;
    harvest::ExtractListNames(input, table, names);
    require(names.PageFoundCount == names.FoundCount - before, "the page count is this page's names");
    checkNamesText(names.FoundNames, names.FoundCount);
}

void FuzzPageNames(std::string_view input) {
    const auto& table = defaultTable();
    harvest::BrowseNames names;
    std::vector<std::string> frames;
    std::int64_t statuses = 0;
    int lines = 0;
    harvest::ExtractionHooks hooks;
    hooks.followFrame = [&](std::string_view address) { frames.emplace_back(address); };
    hooks.showStatus = [&](std::string_view) { ++statuses; };
    hooks.afterEachLine = [&] {
        if (lines++ != 0) return;
        harvest::ExtractPageNames(input.substr(input.size() / 2), table, names);
    };
    harvest::ExtractPageNames(input, table, names, {}, hooks);
    checkNamesText(names.PageNames, names.BrowsePageCount);
    checkNamesText(names.SessionNames, names.BrowseFoundCount);
    require(names.PageNames == names.SessionNames, "a first page's names are the session's names");

    // The next page starts its own page list; the session keeps growing.
    names.PageNames.clear();
    names.BrowsePageCount = 0;
    const std::int32_t before = names.BrowseFoundCount;
    harvest::ExtractPageNames(input, table, names, {}, hooks);
    checkNamesText(names.PageNames, names.BrowsePageCount);
    checkNamesText(names.SessionNames, names.BrowseFoundCount);
    require(names.BrowsePageCount == names.BrowseFoundCount - before, "the page count is this page's names");
    require(statuses >= 0, "statuses are counted");
}

void FuzzLoadServers(std::string_view input) {
    const ProgramFolder folder(scratch().path() / "servers");
    require(WriteFileReplacing(folder.file(files::kServers), input), "the server file is written");

    const whois::ServerRow sentinel{"sentinel", "whois.sentinel.test", 4343, true};
    whois::ServerTable table{sentinel};
    whois::LoadServers(folder, table);
    require(!table.empty(), "loading never empties the table");
    for (const auto& row : table) {
        require(row.port >= 1, "a loaded port is from 1 to 65535");
        require(!row.extension.empty(), "a loaded row has an extension");
        require(!hasLineEnd(row.extension) && !hasLineEnd(row.host), "a loaded row is one line");
        require(row.extension.find('|') == std::string::npos, "an extension is one field");
        require(text::toLower(row.extension) == row.extension && text::toLower(row.host) == row.host,
                "extension and host are lower case");
    }
    for (const std::string_view name : {"example.com", "example.", "", "x.net", ".", "proxy"}) {
        for (const bool useProxy : {false, true}) {
            const auto index = whois::GetServerIndex(table, name, useProxy);
            require(index && *index >= 0 && static_cast<std::size_t>(*index) < table.size(),
                    "a non-empty table answers for every name");
        }
    }
    // The loaded table drives the extraction; a page over it must come back.
    harvest::ListBuilderNames names;
    harvest::ExtractListNames("<a href=\"http://www.example.com/\">x</a> http://a.net/b", table, names);
    checkNamesText(names.FoundNames, names.FoundCount);
}

namespace {

std::vector<std::string> namesIn(std::string_view bytes) {
    std::vector<std::string> names;
    for (const auto line : text::splitLines(bytes)) {
        if (!line.empty()) names.emplace_back(line);
    }
    return names;
}

// Reads the list through the reader and compares it with the bytes it holds.
void checkList(NameListReader& reader, std::string_view bytes, std::uint8_t seed) {
    const std::vector<std::string> expected = namesIn(bytes);
    const std::int32_t count = reader.CountListEntries();
    require(count >= 0 && static_cast<std::size_t>(count) == expected.size(),
            "the count is the number of non-empty lines");
    auto check = [&](std::int32_t n) {
        const std::string name = reader.ReadNameAt(n);
        if (n >= 1 && n <= count) {
            require(!name.empty() && !hasLineEnd(name), "a name is one non-empty line");
            require(name == expected[static_cast<std::size_t>(n) - 1], "a name is its line, unchanged");
        } else {
            require(name == kEndOfList, "past the list comes the end marker");
        }
    };
    constexpr std::int32_t kFullSweep = 300;
    for (std::int32_t n = 0; n <= std::min(count, kFullSweep) + 1; ++n) check(n);
    for (const std::int32_t n : {-1, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max(), count, count + 1}) {
        check(n);
    }
    for (std::int32_t k = 1; k <= 5; ++k)
        check(static_cast<std::int32_t>((seed * 7919 + k * 104729) % (count + 2)));
}

}  // namespace

void FuzzNameList(std::string_view input) {
    const std::uint8_t mode = input.size() > 0 ? static_cast<std::uint8_t>(input[0]) : 0;
    const std::uint8_t amount = input.size() > 1 ? static_cast<std::uint8_t>(input[1]) : 0;
    const std::string_view content = input.substr(std::min<std::size_t>(2, input.size()));
    const auto path = scratch().path() / "list.txt";
    require(WriteFileReplacing(path, content), "the list is written");

    NameListReader reader;
    reader.setFile(path);
    std::string bytes(content);
    checkList(reader, bytes, amount);

    const std::string_view tail = content.substr(content.size() * amount / 256);
    auto append = [&] {
        require(AppendToFile(path, tail), "the list grows");
        bytes += tail;
    };
    auto truncate = [&] {
        const std::size_t size = bytes.size() * (255 - amount) / 256;
        std::filesystem::resize_file(path, size);
        bytes.resize(size);
    };
    switch (mode % 4) {
        case 1:
            append();
            break;
        case 2:
            truncate();
            break;
        case 3:
            truncate();
            checkList(reader, bytes, amount);
            append();
            break;
        default:
            break;
    }
    checkList(reader, bytes, mode);

    // Gone under the reader: no names, then the list again once it is back.
    std::filesystem::remove(path);
    require(reader.CountListEntries() == 0 && reader.ReadNameAt(1) == kEndOfList,
            "a missing list has no names");
    require(WriteFileReplacing(path, bytes), "the list is written again");
    checkList(reader, bytes, amount);
}

void FuzzWhoisReply(std::string_view input) {
    const bool free = whois::HoldsFreePhrase(input);
    require(whois::HoldsFreePhrase(text::toLower(input)) == free &&
                whois::HoldsFreePhrase(text::toUpper(input)) == free,
            "letter case plays no part in a reply");
    if (free)
        require(whois::HoldsFreePhrase("Reply: " + std::string(input) + "\r\n"),
                "a reply holding a phrase is free");

    const auto verdict = results::ProfileOf(input);
    require(verdict != results::Verdict::Taken, "a profile is High, Mid or Low");
    const std::string_view label = input.substr(0, input.find('.'));
    require(results::ProfileOf(std::string(label) + ".com") == verdict, "only the first label counts");
    const bool ascii = std::all_of(label.begin(), label.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        const auto expected = label.size() < 5    ? results::Verdict::High
                              : label.size() <= 7 ? results::Verdict::Mid
                                                  : results::Verdict::Low;
        require(verdict == expected, "the profile follows the first label's length");
    }
}

}  // namespace quillmark::fuzz
