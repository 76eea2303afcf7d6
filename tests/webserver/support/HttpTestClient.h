#pragma once

// HTTP over loopback for the tests of the web service: calls through Poco's
// client, and raw connections for clients that misbehave.
#include <Poco/Exception.h>
#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/Net/SocketAddress.h>
#include <Poco/Net/StreamSocket.h>
#include <Poco/StreamCopier.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Headers = std::vector<std::pair<std::string, std::string>>;

struct HttpCall {
    std::string method = "GET";
    std::string path = "/";
    Headers headers = {};
    std::string body = {};
    bool chunked = false;
};

struct HttpReply {
    int status = 0;
    std::string contentType;
    std::string body;
    bool keepAlive = false;
};

inline Poco::Timespan testTimespan(std::chrono::milliseconds duration)
{
    return Poco::Timespan(static_cast<Poco::Timespan::TimeDiff>(duration.count()) * 1000);
}

// One exchange on `session`, which asks to keep the connection and stays
// open for the next one when the server does.
inline HttpReply exchange(Poco::Net::HTTPClientSession& session, const HttpCall& call)
{
    session.setKeepAlive(true);
    Poco::Net::HTTPRequest request(call.method, call.path, Poco::Net::HTTPMessage::HTTP_1_1);
    for (const auto& [name, value] : call.headers)
        request.set(name, value);
    if (call.chunked)
        request.setChunkedTransferEncoding(true);
    else if (!call.body.empty() || (call.method != "GET" && call.method != "HEAD"))
        request.setContentLength64(static_cast<Poco::Int64>(call.body.size()));
    std::ostream& out = session.sendRequest(request);
    out.write(call.body.data(), static_cast<std::streamsize>(call.body.size()));
    Poco::Net::HTTPResponse response;
    std::istream& in = session.receiveResponse(response);
    HttpReply reply;
    reply.status = response.getStatus();
    reply.contentType = response.getContentType();
    reply.keepAlive = response.getKeepAlive();
    Poco::StreamCopier::copyToString(in, reply.body);
    return reply;
}

inline HttpReply httpCall(std::uint16_t port, const HttpCall& call, const std::string& host = "127.0.0.1")
{
    Poco::Net::HTTPClientSession session(host, port);
    session.setTimeout(Poco::Timespan(20, 0));
    return exchange(session, call);
}

// A connection of the test's own, written and read byte by byte.
class RawClient {
public:
    explicit RawClient(std::uint16_t port, const std::string& host = "127.0.0.1")
        : _socket(Poco::Net::SocketAddress(host, port))
    {
    }

    // False once the server has closed the connection.
    bool send(const std::string& bytes)
    {
        try {
            return _socket.sendBytes(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
        } catch (const Poco::Exception&) {
            return false;
        }
    }

    // All the server sent until it closed the connection; nullopt when it is
    // still open after `wait`.
    std::optional<std::string> readUntilClosed(std::chrono::milliseconds wait = std::chrono::seconds(10))
    {
        using clock = std::chrono::steady_clock;
        const auto deadline = clock::now() + wait;
        std::string received;
        char buffer[4096];
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now());
            try {
                if (left <= std::chrono::milliseconds(0) ||
                    !_socket.poll(testTimespan(left), Poco::Net::Socket::SELECT_READ))
                    return std::nullopt;
                const int n = _socket.receiveBytes(buffer, sizeof buffer);
                if (n <= 0)
                    return received;
                received.append(buffer, static_cast<std::size_t>(n));
            } catch (const Poco::Exception&) {
                return received; // reset: closed as well
            }
        }
    }

    // Whether the server has closed the connection by now (without waiting).
    bool closedByServer() { return readUntilClosed(std::chrono::milliseconds(1)).has_value(); }

private:
    Poco::Net::StreamSocket _socket;
};
