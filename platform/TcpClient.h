#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillmark {

// A TCP client connection with four events. A connection that cannot be made
// (refused, no such host) raises `failed`; one that is never answered raises
// nothing, and its owner's timers notice the silence.
class TcpClient {
public:
    struct Events {
        std::function<void()> connected;
        std::function<void(std::int32_t bytesTotal)> dataArrival;
        std::function<void()> closed;
        std::function<void()> failed;
    };

    virtual ~TcpClient() = default;

    virtual void setEvents(Events events) = 0;
    // Ends any connection held; harmless when there is none. Events still
    // queued for the closed connection are dropped.
    virtual void close() = 0;
    // 0 binds the next connection to any free local port.
    virtual void setLocalPort(std::uint16_t port) = 0;
    // Starts connecting and returns at once; host names resolve asynchronously.
    virtual void connect(std::string_view host, std::uint16_t port) = 0;
    // Sends the bytes of the text as they are.
    virtual void send(std::string_view data) = 0;
    // All bytes received and not yet read.
    virtual std::string read() = 0;
};

}  // namespace quillmark
