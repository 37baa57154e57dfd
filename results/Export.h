#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

// Result lists and run outcomes as CSV, JSON or tab-separated text, for
// File > Export... and `quillmark run --format` alike.
namespace quillmark::results {

enum class ExportFormat { Tsv, Csv, Json };

// "tsv", "csv" or "json" in any letter case.
std::optional<ExportFormat> FormatNamed(std::string_view name);
// The format a file's ending asks for: ".csv" or ".json" in any letter case.
std::optional<ExportFormat> FormatOfPath(std::string_view path);

struct ExportColumn {
    std::string_view name;
    bool number = false;  // written bare in JSON
};

// Writes records one at a time, so a run can print each as it comes: Begin()
// first (the CSV header, JSON's opening bracket, nothing for TSV), then each
// record, then End(). CSV follows RFC 4180 (CR LF, quotes where needed); JSON
// is one array of objects; TSV is bare values, one line each.
class RecordWriter {
public:
    RecordWriter(ExportFormat format, std::vector<ExportColumn> columns);
    std::string Begin() const;
    // The values in the order of the columns.
    std::string Record(std::span<const std::string> values);
    std::string End() const;

private:
    ExportFormat format_;
    std::vector<ExportColumn> columns_;
    bool first_ = true;
};

// What a listed name's export row carries beside the name and its list.
// The extension follows the first dot; the length counts the characters
// before it, as the profiles do.
std::string ExtensionOf(std::string_view name);
std::string LengthOf(std::string_view name);
// "2026-12-06T09:30:15" local time; empty without a time.
std::string TimeText(const std::optional<LocalTime>& time);

// A name of a result list: its list's short title ("High", "Saved"…) and the
// time it was judged, when known.
struct ListedName {
    std::string_view name;
    std::string_view list;
    std::optional<LocalTime> judged;
};
// Columns name, list, extension, length, judged.
std::string ExportListedNames(ExportFormat format, std::span<const ListedName> names);

}  // namespace quillmark::results
