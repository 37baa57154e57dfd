#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/HttpClient.h"
#include "whois/ReplyRules.h"
#include "whois/Zones.h"

// Lookups by RDAP: a registry answers GET {base}domain/{name} with 404 for a
// name nobody holds and with the name's record, as JSON, for one that is held.
namespace quillmark::whois {

enum class Protocol { Whois, Rdap };
std::string_view ProtocolName(Protocol protocol);

inline constexpr std::string_view kRdapAccept = "application/rdap+json";
// The bootstrap list of every registry's RDAP server.
inline constexpr std::string_view kRdapServersAddress = "https://data.iana.org/rdap/dns.json";

inline constexpr std::string_view kReasonTls = "TLS error";
inline constexpr std::string_view kReasonNotRdap = "not an RDAP reply";
inline constexpr std::string_view kReasonTooLarge = "reply too large";
inline constexpr std::string_view kReasonRedirect = "redirect refused";
inline constexpr std::string_view kReasonUnexpected = "unexpected HTTP status";

// A server asking for a longer wait than this gets this one: its names are
// still asked within the run.
inline constexpr std::int64_t kLongestRetryAfter = 600;

// The RDAP base to ask about a name (in its ASCII form) first: its zone's,
// unless every lookup goes to the proxy or by whois. Empty for whois.
std::string RdapBaseFor(const ZoneTable& zones, std::string_view asciiName, bool useProxy, bool whoisOnly);

// The address that holds a name's record; base is the registry's RDAP base.
std::string RdapAddress(std::string_view base, std::string_view asciiName);

struct RdapVerdict {
    Verdict verdict;
    // For a throttled name: the wait the server asked for, in seconds.
    std::optional<std::int64_t> retryAfter;
};

// 404 free, 200 with a domain object taken, 429 throttled; anything else
// unchecked with the reason. now is the local time, used when the server
// sends no date of its own to count a Retry-After date from.
RdapVerdict JudgeRdapReply(const HttpReply& reply, std::time_t now);

// Retry-After as seconds or as an HTTP date, counted from the server's own
// Date when it sent one; never below 0, never above kLongestRetryAfter.
std::optional<std::int64_t> RetryAfterSeconds(std::string_view retryAfter, std::string_view date,
                                              std::time_t now);
// The three forms HTTP allows: "Sun, 06 Nov 1994 08:49:37 GMT",
// "Sunday, 06-Nov-94 08:49:37 GMT" and "Sun Nov  6 08:49:37 1994".
std::optional<std::time_t> ParseHttpDate(std::string_view text);

// A reply as a person reads it: the JSON indented, a status line unless it
// is 200, the reason when nothing came.
std::string ReadableRdapReply(const HttpReply& reply);

// Zone -> RDAP base address, from the registries' bootstrap list: an object
// whose "services" array holds [[zones], [addresses]] pairs, an HTTPS address
// chosen before a plain one. Nothing when the text is not such a list or names
// no server at all.
std::optional<std::map<std::string, std::string>> ParseRdapServers(std::string_view text);

}  // namespace quillmark::whois
