#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quillmark {

// A body is kept up to this size; a longer one ends the request.
inline constexpr std::size_t kHttpBodyLimit = 1024 * 1024;

// Why a request got no HTTP status.
enum class HttpFailure { None, NoAnswer, Tls, RedirectRefused };

// What came back from one request.
struct HttpReply {
    int status = 0;  // 0 when no reply came: failure says why
    HttpFailure failure = HttpFailure::None;
    std::string failureText;  // the platform's own words for the failure
    std::string body;         // at most kHttpBodyLimit bytes
    bool bodyCut = false;     // the body went on past the limit
    std::string retryAfter;   // headers as sent, empty when missing
    std::string date;
};

// One GET at a time. Redirects are followed within the address's scheme.
class HttpClient {
public:
    using Done = std::function<void(const HttpReply& reply)>;

    virtual ~HttpClient() = default;
    // Starts the request and returns at once; done is called once, later,
    // unless the request is dropped first. A request in flight is dropped.
    virtual void get(std::string_view address, std::string_view accept, Done done) = 0;
    // Drops the request in flight, if any: its done is never called.
    virtual void abort() = 0;
};

}  // namespace quillmark
