#include "whois/Rdap.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "platform/Text.h"
#include "whois/Json.h"

namespace quillmark::whois {

namespace {

constexpr int kFree = 404;
constexpr int kHeld = 200;
constexpr int kSlowDown = 429;

Verdict Unchecked(std::string_view reason) {
    return {Outcome::Unchecked, reason};
}

std::string_view FailureReason(HttpFailure failure) {
    switch (failure) {
        case HttpFailure::Tls:
            return kReasonTls;
        case HttpFailure::RedirectRefused:
            return kReasonRedirect;
        default:
            return kReasonNoAnswer;
    }
}

bool IsDomainRecord(const HttpReply& reply) {
    if (reply.bodyCut) return false;
    const auto record = json::Parse(reply.body);
    const json::Value* kind = record ? record->Member("objectClassName") : nullptr;
    return kind != nullptr && kind->IsString() && kind->text == "domain";
}

std::optional<int> MonthOf(std::string_view name) {
    static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
    const auto found = std::find(kMonths.begin(), kMonths.end(), text::toLower(name));
    if (found == kMonths.end()) return std::nullopt;
    return static_cast<int>(found - kMonths.begin()) + 1;
}

std::optional<std::time_t> TimeOf(std::int64_t year, std::optional<int> month,
                                  std::optional<std::int64_t> day, std::string_view hour,
                                  std::string_view minute, std::string_view second) {
    using namespace std::chrono;
    const auto h = text::parseWholeNumber(hour), m = text::parseWholeNumber(minute),
               s = text::parseWholeNumber(second);
    if (!month || !day || !h || !m || !s || *h > 23 || *m > 59 || *s > 60 || *h < 0 || *m < 0 || *s < 0)
        return std::nullopt;
    const year_month_day date{std::chrono::year(static_cast<int>(year)),
                              std::chrono::month(static_cast<unsigned>(*month)),
                              std::chrono::day(static_cast<unsigned>(std::clamp<std::int64_t>(*day, 0, 99)))};
    if (!date.ok()) return std::nullopt;
    const auto at = sys_days(date) + hours(*h) + minutes(*m) + seconds(*s);
    return static_cast<std::time_t>(duration_cast<seconds>(at.time_since_epoch()).count());
}

}  // namespace

std::string_view ProtocolName(Protocol protocol) {
    return protocol == Protocol::Rdap ? "rdap" : "whois";
}

std::string RdapBaseFor(const ZoneTable& zones, std::string_view asciiName, bool useProxy, bool whoisOnly) {
    return useProxy || whoisOnly ? std::string() : zones.RdapBaseOf(asciiName);
}

std::string RdapAddress(std::string_view base, std::string_view asciiName) {
    std::string address(base);
    if (!address.ends_with('/')) address += '/';
    return address + "domain/" + std::string(asciiName);
}

RdapVerdict JudgeRdapReply(const HttpReply& reply, std::time_t now) {
    if (reply.status == 0) return {Unchecked(FailureReason(reply.failure)), std::nullopt};
    if (reply.status == kFree) return {{Outcome::Free, {}}, std::nullopt};
    if (reply.status == kSlowDown)
        return {Unchecked(kReasonThrottled), RetryAfterSeconds(reply.retryAfter, reply.date, now)};
    if (reply.status >= 500) return {Unchecked(kReasonServerError), std::nullopt};
    if (reply.status != kHeld) return {Unchecked(kReasonUnexpected), std::nullopt};
    if (IsDomainRecord(reply)) return {{Outcome::Taken, {}}, std::nullopt};
    return {Unchecked(reply.bodyCut ? kReasonTooLarge : kReasonNotRdap), std::nullopt};
}

std::optional<std::int64_t> RetryAfterSeconds(std::string_view retryAfter, std::string_view date,
                                              std::time_t now) {
    auto seconds = text::parseWholeNumber(retryAfter);
    if (seconds) {
    } else if (const auto until = ParseHttpDate(retryAfter)) {
        seconds = static_cast<std::int64_t>(*until - ParseHttpDate(date).value_or(now));
    }
    if (!seconds) return std::nullopt;
    return std::clamp<std::int64_t>(*seconds, 0, kLongestRetryAfter);
}

std::optional<std::time_t> ParseHttpDate(std::string_view text) {
    std::string spaced(text);
    std::replace_if(
        spaced.begin(), spaced.end(), [](char c) { return c == ',' || c == '-' || c == ':'; }, ' ');
    std::vector<std::string_view> t;
    for (const auto word : text::split(spaced, ' ')) {
        if (!word.empty()) t.push_back(word);
    }
    // Sun Nov  6 08:49:37 1994
    if (t.size() == 7) {
        const auto year = text::parseWholeNumber(t[6]);
        if (!year) return std::nullopt;
        return TimeOf(*year, MonthOf(t[1]), text::parseWholeNumber(t[2]), t[3], t[4], t[5]);
    }
    // Sun, 06 Nov 1994 08:49:37 GMT and Sunday, 06-Nov-94 08:49:37 GMT
    if (t.size() != 8 || t[7] != "GMT") return std::nullopt;
    auto year = text::parseWholeNumber(t[3]);
    if (!year) return std::nullopt;
    if (t[3].size() == 2) *year += *year < 70 ? 2000 : 1900;
    return TimeOf(*year, MonthOf(t[2]), text::parseWholeNumber(t[1]), t[4], t[5], t[6]);
}

std::string ReadableRdapReply(const HttpReply& reply) {
    if (reply.status == 0) return std::string(FailureReason(reply.failure)) + ": " + reply.failureText + "\n";
    const auto record = reply.bodyCut ? std::nullopt : json::Parse(reply.body);
    std::string shown = record ? json::Indented(*record) + "\n" : reply.body;
    if (reply.status == kHeld) return shown;
    return "HTTP " + std::to_string(reply.status) + (reply.status == kFree ? " (not registered)" : "") +
           "\n" + shown;
}

std::optional<std::map<std::string, std::string>> ParseRdapServers(std::string_view text) {
    const auto list = json::Parse(text);
    const json::Value* services = list ? list->Member("services") : nullptr;
    if (services == nullptr || services->kind != json::Value::Kind::Array) return std::nullopt;
    std::map<std::string, std::string> bases;
    for (const json::Value& service : services->items) {
        if (service.items.size() < 2) return std::nullopt;
        const json::Value& zones = service.items[0];
        const json::Value& addresses = service.items[1];
        std::string chosen;
        for (const json::Value& address : addresses.items) {
            if (!address.IsString()) return std::nullopt;
            const bool secure = address.text.starts_with("https://");
            if (secure ? !chosen.starts_with("https://")
                       : chosen.empty() && address.text.starts_with("http://"))
                chosen = address.text;
        }
        if (chosen.empty()) continue;
        if (!chosen.ends_with('/')) chosen += '/';
        for (const json::Value& zone : zones.items) {
            if (!zone.IsString() || zone.text.empty()) return std::nullopt;
            bases[text::toLower(zone.text)] = chosen;
        }
    }
    if (bases.empty()) return std::nullopt;
    return bases;
}

}  // namespace quillmark::whois
