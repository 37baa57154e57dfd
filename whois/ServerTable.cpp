#include "whois/ServerTable.h"

#include <array>
#include <filesystem>

#include "QuillmarkConfig.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::whois {

namespace {

constexpr std::string_view kEnabled = "Enabled";
constexpr std::string_view kDisabled = "Disabled";
constexpr std::string_view kProxyExtension = "proxy";
constexpr std::array<std::string_view, 5> kAddressRegistries = {
    "whois.ripe.net", "whois.apnic.net", "whois.arin.net", "whois.lacnic.net", "whois.afrinic.net"};
constexpr std::size_t kFieldCount = 4;

bool isBlankLine(std::string_view line) {
    return line.empty() || line == " ";
}

std::vector<std::string_view> nonBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (const auto line : text::splitLines(text)) {
        if (!isBlankLine(line)) lines.push_back(line);
    }
    return lines;
}

std::optional<ServerRow> parseRow(std::string_view line) {
    const auto fields = text::split(line, '|');
    // An empty extension would make every full stop of a page end a name.
    if (fields.size() < kFieldCount || fields[0].empty()) return std::nullopt;
    const auto port = ParsePort(fields[2]);
    if (!port) return std::nullopt;
    return ServerRow{text::toLower(fields[0]), text::toLower(fields[1]), *port, fields[3] == kEnabled};
}

std::string rowLine(std::string_view extension, std::string_view server, std::string_view port,
                    std::string_view status) {
    std::string line = text::toLower(extension);
    for (const auto field : {server, port, status}) {
        line += '|';
        line += field;
    }
    return line;
}

std::string_view firstField(std::string_view line) {
    return line.substr(0, line.find('|'));
}

std::string_view lastLabel(std::string_view name) {
    const auto lastStop = name.rfind('.');
    return lastStop == std::string_view::npos ? name : name.substr(lastStop + 1);
}

// A hand-edited file may lack its final line end; a row appended to it must
// still start on a line of its own.
bool endsInLineEnd(std::string_view bytes) {
    return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
}

}  // namespace

std::optional<std::uint16_t> ParsePort(std::string_view text) {
    const auto number = text::parseWholeNumber(text);
    if (!number || *number < 1 || *number > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*number);
}

void WriteDefaultServers(const ProgramFolder& folder, bool overwrite) {
    const auto path = folder.file(files::kServers);
    if (!overwrite && FileExists(path)) return;
    std::string defaults;
    for (const auto line : nonBlankLines(config::kDefaultServers)) {
        defaults += line;
        defaults += text::kCrLf;
    }
    defaults += text::kCrLf;
    // Replacing in one step rather than deleting first: a failed write keeps
    // the old table instead of leaving none.
    WriteFileReplacing(path, defaults);
}

void LoadServers(const ProgramFolder& folder, ServerTable& table) {
    const auto bytes = ReadWholeFile(folder.file(files::kServers));
    if (!bytes) return;
    ServerTable loaded;
    for (const auto line : nonBlankLines(*bytes)) {
        if (auto row = parseRow(line)) loaded.push_back(std::move(*row));
    }
    if (!loaded.empty()) table = std::move(loaded);
}

bool IsAddressRegistry(std::string_view host) {
    for (const std::string_view registry : kAddressRegistries) {
        if (text::equalsIgnoreCase(host, registry)) return true;
    }
    return false;
}

std::vector<std::string> AddressRegistryRows(const ServerTable& table) {
    std::vector<std::string> extensions;
    for (const ServerRow& row : table) {
        if (IsAddressRegistry(row.host)) extensions.push_back(row.extension);
    }
    return extensions;
}

std::optional<ServerRow> ServerFor(const ServerTable& table, const ZoneTable& zones, std::string_view name,
                                   bool useProxy) {
    const auto rowOf = [&table](std::string_view extension) -> const ServerRow* {
        // A row without a server names nobody to ask.
        for (const ServerRow& row : table) {
            if (row.extension == extension && !row.host.empty()) return &row;
        }
        return nullptr;
    };
    if (const ServerRow* proxy = useProxy ? rowOf(kProxyExtension) : nullptr) return *proxy;
    const std::string extension = text::toLower(lastLabel(name));
    if (const ServerRow* row = rowOf(extension); row && !IsAddressRegistry(row->host)) return *row;
    if (const Zone* zone = zones.WhoisZoneOf(name)) return ServerRow{extension, zone->whoisHost, 43, true};
    return std::nullopt;
}

void UpdateServer(const ProgramFolder& folder, std::string_view extension, std::string_view server,
                  std::string_view port, bool enabled) {
    const auto path = folder.file(files::kServers);
    std::optional<std::string> bytes = FileExists(path) ? ReadWholeFile(path) : std::string();
    if (!bytes) return;  // unreadable: leave the file as it is

    const std::string newRow = rowLine(extension, server, port, enabled ? kEnabled : kDisabled);
    const std::string key = text::toLower(extension);
    bool matched = false;
    std::string rewritten(text::kCrLf);
    for (const auto line : nonBlankLines(*bytes)) {
        const bool replace = firstField(line) == key;
        matched = matched || replace;
        rewritten += replace ? std::string_view(newRow) : line;
        rewritten += text::kCrLf;
    }
    rewritten += text::kCrLf;
    // A new extension goes after everything else, as an appended row would;
    // one write keeps the file whole if anything fails.
    if (!matched) {
        rewritten += newRow;
        rewritten += text::kCrLf;
    }
    WriteFileReplacing(path, rewritten);
}

void AddServer(const ProgramFolder& folder, std::string_view extension, std::string_view server,
               std::string_view port, std::string_view status) {
    const auto path = folder.file(files::kServers);
    std::string appended;
    if (const auto bytes = ReadWholeFile(path); bytes && !endsInLineEnd(*bytes)) appended += text::kCrLf;
    appended += rowLine(extension, server, port, status);
    appended += text::kCrLf;
    AppendToFile(path, appended);
}

void FillServerList(const ProgramFolder& folder, ListView& view) {
    view.clear();
    const auto bytes = ReadWholeFile(folder.file(files::kServers));
    if (!bytes) return;
    for (const auto line : nonBlankLines(*bytes)) {
        const auto fields = text::split(line, '|');
        const int item = view.addItem(std::string(fields[0]));
        for (std::size_t column = 1; column < kFieldCount; ++column) {
            view.setSubItem(item, static_cast<int>(column),
                            column < fields.size() ? std::string(fields[column]) : std::string());
        }
    }
}

}  // namespace quillmark::whois
