#include "results/Export.h"

#include <cstdio>
#include <utility>

#include "platform/Text.h"
#include "results/Profile.h"
#include "whois/Json.h"

namespace quillmark::results {

namespace {

namespace json = whois::json;

// RFC 4180: a field holding a comma, a quote or a line end is quoted, its
// quotes doubled.
std::string CsvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
    return '"' + text::replaceAll(value, "\"", "\"\"") + '"';
}

std::string CsvLine(std::span<const std::string> values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) line += (i ? "," : "") + CsvField(values[i]);
    return line + std::string(text::kCrLf);
}

}  // namespace

std::optional<ExportFormat> FormatNamed(std::string_view name) {
    const std::string lower = text::toLower(name);
    if (lower == "tsv") return ExportFormat::Tsv;
    if (lower == "csv") return ExportFormat::Csv;
    if (lower == "json") return ExportFormat::Json;
    return std::nullopt;
}

std::optional<ExportFormat> FormatOfPath(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find_first_of("/\\", dot) != std::string_view::npos)
        return std::nullopt;
    const auto format = FormatNamed(path.substr(dot + 1));
    if (format == ExportFormat::Tsv) return std::nullopt;
    return format;
}

RecordWriter::RecordWriter(ExportFormat format, std::vector<ExportColumn> columns)
    : format_(format), columns_(std::move(columns)) {}

std::string RecordWriter::Begin() const {
    if (format_ == ExportFormat::Json) return "[";
    if (format_ == ExportFormat::Tsv) return {};
    std::vector<std::string> names;
    for (const auto& column : columns_) names.emplace_back(column.name);
    return CsvLine(names);
}

std::string RecordWriter::Record(std::span<const std::string> values) {
    const bool first = std::exchange(first_, false);
    if (format_ == ExportFormat::Csv) return CsvLine(values);
    if (format_ == ExportFormat::Tsv) {
        std::string line;
        for (std::size_t i = 0; i < values.size(); ++i) line += (i ? "\t" : "") + values[i];
        return line + '\n';
    }
    json::Value object{json::Value::Kind::Object, {}, {}, {}};
    for (std::size_t i = 0; i < columns_.size() && i < values.size(); ++i) {
        // A number column without a number is written as an empty string.
        const bool number = columns_[i].number && !values[i].empty();
        object.AddMember(
            std::string(columns_[i].name),
            json::Value{number ? json::Value::Kind::Number : json::Value::Kind::String, values[i], {}, {}});
    }
    // Indented one level, as an item of the array.
    return (first ? "\n  " : ",\n  ") + text::replaceAll(json::Indented(object), "\n", "\n  ");
}

std::string RecordWriter::End() const {
    if (format_ != ExportFormat::Json) return {};
    return first_ ? "]\n" : "\n]\n";
}

std::string ExtensionOf(std::string_view name) {
    const auto dot = name.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string LengthOf(std::string_view name) {
    return std::to_string(FirstLabelLength(name));
}

std::string TimeText(const std::optional<LocalTime>& time) {
    if (!time) return {};
    // Room for any int in each field, so nothing is ever cut.
    char out[96];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:%02d", time->year, time->month, time->day,
                  time->hour, time->minute, time->second);
    return out;
}

std::string ExportListedNames(ExportFormat format, std::span<const ListedName> names) {
    RecordWriter writer(format, {{"name"}, {"list"}, {"extension"}, {"length", true}, {"judged"}});
    std::string out = writer.Begin();
    for (const auto& listed : names) {
        const std::string values[] = {std::string(listed.name), std::string(listed.list),
                                      ExtensionOf(listed.name), LengthOf(listed.name),
                                      TimeText(listed.judged)};
        out += writer.Record(values);
    }
    return out + writer.End();
}

}  // namespace quillmark::results
