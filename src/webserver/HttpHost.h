#pragma once

#include "HttpAnswer.h"
#include "WebModule.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

using WebHandler = std::function<HttpAnswer(const WebRequest&)>;

struct HttpHostSettings {
    std::uint16_t port = 8080; // 0: any free port, see THttpHost::port()
    int maxConnections = 32; // served at once; a further one is answered 503
    // The longest wait for one read or write on a connection, and for the
    // first request after the connection is accepted.
    std::chrono::milliseconds ioTimeout {10000};
    // How long a connection may stay idle between two requests.
    std::chrono::milliseconds keepAliveTimeout {10000};
    // How long one request may take from its first byte to its last (and the
    // answer to go out), however steadily the client trickles it.
    std::chrono::milliseconds requestTimeout {30000};
    // A body beyond this is refused unread: a 4 MB picture in Base64 fits.
    std::size_t maxBodyBytes = 8 * 1024 * 1024;
};

// The error text of a port that another program holds.
inline constexpr const char* portInUseText = "Could not bind socket. Address and port are already in use.";
// The body of the answer to a connection beyond the limit.
inline constexpr const char* tooManyConnectionsText =
    "Maximum number of concurrent connections exceeded.  Please try again later";

// The HTTP host of the web service: listens on the port on every local IPv4
// address and, where the system offers IPv6, on every IPv6 address, each
// with a listener thread of its own; serves every connection on a thread of
// its own (keep-alive included) and hands each request to the web module.
class THttpHost {
public:
    explicit THttpHost(HttpHostSettings settings = {}, WebHandler handler = handleWebRequest);
    ~THttpHost();
    THttpHost(const THttpHost&) = delete;
    THttpHost& operator=(const THttpHost&) = delete;

    // Opens the listening sockets and starts serving; the error text when
    // that fails (portInUseText for a port in use), with nothing started.
    [[nodiscard]] std::optional<std::string> start();
    // Stops listening, ends the connections being served and waits for
    // their threads. Also done by the destructor.
    void stop();

    bool running() const;
    // The port actually bound (the one asked for unless that was 0).
    std::uint16_t port() const;
    bool listensOnIpv6() const;
    // Connections being served now (not those answered 503).
    int connections() const;

private:
    struct Running;
    HttpHostSettings _settings;
    WebHandler _handler;
    std::unique_ptr<Running> _running;
};
