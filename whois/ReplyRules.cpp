#include "whois/ReplyRules.h"

#include <algorithm>
#include <array>
#include <optional>

#include "QuillmarkConfig.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::whois {

namespace {

constexpr std::array<std::pair<std::string_view, ReplyKind>, 4> kKindWords = {{
    {"throttled", ReplyKind::Throttled},
    {"error", ReplyKind::Error},
    {"taken", ReplyKind::Taken},
    {"free", ReplyKind::Free},
}};

std::optional<ReplyKind> kindOf(std::string_view word) {
    for (const auto& [text, kind] : kKindWords) {
        if (text::equalsIgnoreCase(word, text)) return kind;
    }
    return std::nullopt;
}

// Stands in front of every reply, so "^" can hold a text to its start.
constexpr std::string_view kReplyStart = "\x01\n";

std::string withLineEnds(std::string_view text) {
    std::string lower = text::replaceAll(text::toLower(text), "\\n", "\n");
    return lower.starts_with('^') ? std::string(kReplyStart) + lower.substr(1) : lower;
}

std::optional<ReplyRule> parseRule(std::string_view line) {
    const auto fields = text::split(line, '\t');
    if (fields.size() != 3 || fields[0].empty() || fields[2].empty()) return std::nullopt;
    const auto kind = kindOf(fields[1]);
    if (!kind) return std::nullopt;
    std::string extension = text::toLower(fields[0]);
    if (extension.starts_with('.')) extension.erase(0, 1);
    if (extension.empty()) return std::nullopt;
    return ReplyRule{std::move(extension), *kind, withLineEnds(fields[2])};
}

// A rule of "uk" speaks for "name.co.uk" too.
bool speaksFor(const ReplyRule& rule, std::string_view lowerName) {
    if (rule.extension == "*") return true;
    return lowerName.size() > rule.extension.size() && lowerName.ends_with(rule.extension) &&
           lowerName[lowerName.size() - rule.extension.size() - 1] == '.';
}

// One line end throughout and one in front, so a rule can anchor to the
// start of any line, the first included; blank lines at the start do not
// count.
std::string comparable(std::string_view reply) {
    std::string lower =
        text::toLower(reply.substr(std::min(reply.size(), reply.find_first_not_of(" \t\r\n"))));
    lower = text::replaceAll(text::replaceAll(lower, "\r\n", "\n"), "\r", "\n");
    return std::string(kReplyStart) + lower;
}

bool blank(std::string_view reply) {
    return reply.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

constexpr Verdict kFree{Outcome::Free, {}};
constexpr Verdict kTaken{Outcome::Taken, {}};

}  // namespace

ReplyRules ParseReplyRules(std::string_view text) {
    ReplyRules parsed;
    int number = 0;
    for (const auto line : text::splitLines(text)) {
        ++number;
        if (blank(line) || line.starts_with('#')) continue;
        if (auto rule = parseRule(line)) {
            parsed.rules.push_back(std::move(*rule));
        } else {
            parsed.badLines.push_back(number);
        }
    }
    // Throttle and error texts first: a throttle notice may go on to say what a free reply says.
    std::stable_sort(parsed.rules.begin(), parsed.rules.end(),
                     [](const ReplyRule& a, const ReplyRule& b) { return a.kind < b.kind; });
    return parsed;
}

ReplyRules LoadReplyRules(const ProgramFolder& folder) {
    const auto path = folder.file(files::kReplyRules);
    if (!FileExists(path)) WriteFileReplacing(path, config::kShippedReplyRules);
    // A file that cannot be read leaves the shipped rules in force.
    const auto bytes = ReadWholeFile(path);
    return ParseReplyRules(bytes ? std::string_view(*bytes) : std::string_view(config::kShippedReplyRules));
}

Verdict JudgeReply(const ReplyRules& rules, std::string_view name, std::string_view reply) {
    if (blank(reply)) return {Outcome::Unchecked, kReasonServerError};
    const std::string lowerName = text::toLower(name);
    const std::string text = comparable(reply);
    for (const ReplyRule& rule : rules.rules) {
        if (!speaksFor(rule, lowerName) || text.find(rule.text) == std::string::npos) continue;
        switch (rule.kind) {
            case ReplyKind::Throttled:
                return {Outcome::Unchecked, kReasonThrottled};
            case ReplyKind::Error:
                return {Outcome::Unchecked, kReasonServerError};
            case ReplyKind::Taken:
                return kTaken;
            case ReplyKind::Free:
                return kFree;
        }
    }
    return kTaken;
}

}  // namespace quillmark::whois
