#include "HostConnection.h"

#include "WebRequestHandler.h"

#include <Poco/Exception.h>
#include <Poco/Net/HTTPServerConnection.h>
#include <Poco/Net/TCPServerConnection.h>

#include <algorithm>
#include <string>

using namespace std::chrono;
using Poco::Net::StreamSocket;

namespace {

constexpr std::size_t maxRequestHeadBytes = 16 * 1024;
constexpr std::size_t maxDrainBytes = 1024 * 1024;

std::string tooManyConnectionsAnswer()
{
    const std::string body = tooManyConnectionsText;
    return "HTTP/1.1 503 Service Unavailable\r\n"
           "Content-Type: text/plain; charset=utf-8\r\n"
           "Content-Length: " +
        std::to_string(body.size()) +
        "\r\n"
        "Connection: close\r\n"
        "\r\n" +
        body;
}

// A connection beyond the limit waits a moment for the request head, so that
// the client reads the answer as the answer to its request, gets 503 and is
// closed.
// Hands what arrives within `wait` to `take` until it returns false, the
// time is up or the peer stops sending.
template <class Take> void readFor(StreamSocket& socket, milliseconds wait, Take take)
{
    const auto deadline = steady_clock::now() + wait;
    char buffer[16384];
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds(0) || !socket.poll(toTimespan(left), Poco::Net::Socket::SELECT_READ))
            return;
        const int n = socket.receiveBytes(buffer, sizeof buffer);
        if (n <= 0 || !take(buffer, static_cast<std::size_t>(n)))
            return;
    }
}

void awaitRequestHead(StreamSocket& socket, milliseconds wait)
{
    std::string head;
    readFor(socket, wait, [&head](const char* bytes, std::size_t n) {
        head.append(bytes, n);
        return head.find("\r\n\r\n") == std::string::npos && head.size() < maxRequestHeadBytes;
    });
}

void refuse(StreamSocket& socket, milliseconds wait)
{
    try {
        socket.setSendTimeout(toTimespan(wait));
        awaitRequestHead(socket, wait);
        const std::string answer = tooManyConnectionsAnswer();
        std::size_t sent = 0;
        while (sent < answer.size()) {
            const int n = socket.sendBytes(answer.data() + sent, static_cast<int>(answer.size() - sent));
            if (n <= 0)
                return;
            sent += static_cast<std::size_t>(n);
        }
        closeGracefully(socket, wait);
    } catch (const Poco::Exception&) {
        // The client went away: nothing to tell it.
    }
}

// One accepted connection, on a thread of its own: served as HTTP while it
// holds a place, else refused.
class HostConnection : public Poco::Net::TCPServerConnection {
public:
    HostConnection(
        const StreamSocket& socket, std::shared_ptr<HostContext> context, Poco::Net::HTTPServerParams::Ptr params)
        : TCPServerConnection(socket)
        , _context(std::move(context))
        , _params(std::move(params))
    {
    }

    void run() override
    {
        // Only the connection's own copy of the socket is touched here: the
        // one it was made from belongs to Poco's queue and its threads.
        StreamSocket& s = socket();
        const HttpHostSettings& settings = _context->settings;
        auto ticket = _context->registry.admit(
            s.impl()->sockfd(), steady_clock::now() + settings.ioTimeout + settings.requestTimeout);
        if (!ticket) {
            refuse(s, std::min(settings.ioTimeout, milliseconds(2000)));
            return;
        }
        try {
            // Poco sets the receive timeout itself, not the send timeout.
            s.setSendTimeout(toTimespan(settings.ioTimeout));
        } catch (const Poco::Exception&) {
            return; // already dead
        }
        // The ticket goes with the handler factory, before the socket closes.
        Poco::Net::HTTPServerConnection http(s, _params,
            Poco::Net::HTTPRequestHandlerFactory::Ptr(new WebRequestHandlerFactory(_context, std::move(ticket))));
        http.run();
    }

private:
    std::shared_ptr<HostContext> _context;
    Poco::Net::HTTPServerParams::Ptr _params;
};

} // namespace

HostContext::HostContext(HttpHostSettings hostSettings, WebHandler webHandler)
    : settings(std::move(hostSettings))
    , handler(std::move(webHandler))
    , registry(settings.maxConnections)
{
}

HostConnectionFactory::HostConnectionFactory(
    std::shared_ptr<HostContext> context, Poco::Net::HTTPServerParams::Ptr params)
    : _context(std::move(context))
    , _params(std::move(params))
{
}

Poco::Net::TCPServerConnection* HostConnectionFactory::createConnection(const StreamSocket& socket)
{
    return new HostConnection(socket, _context, _params);
}

void closeGracefully(StreamSocket& socket, milliseconds wait)
{
    try {
        socket.shutdownSend();
        std::size_t drained = 0;
        readFor(socket, wait, [&drained](const char*, std::size_t n) {
            drained += n;
            return drained < maxDrainBytes;
        });
    } catch (const Poco::Exception&) {
        // Reset by the client: it has what it needed or will not read it.
    }
}
