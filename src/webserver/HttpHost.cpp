#include "HttpHost.h"

#include "HostConnection.h"

#include <Poco/Exception.h>
#include <Poco/Net/IPAddress.h>
#include <Poco/Net/ServerSocket.h>
#include <Poco/Net/SocketAddress.h>
#include <Poco/Net/TCPServer.h>
#include <Poco/ThreadPool.h>

#include <cerrno>
#include <thread>
#include <variant>
#include <vector>

using Poco::Net::IPAddress;
using Poco::Net::ServerSocket;
using Poco::Net::SocketAddress;

namespace {

constexpr int listenBacklog = 64;
// Threads per listener beyond the connections served: those answering 503.
constexpr int overflowThreads = 16;
// With port 0, how often to try again when the free IPv4 port is taken on IPv6.
constexpr int anyPortAttempts = 5;

std::string bindErrorText(const Poco::Exception& error)
{
    if (error.code() == EADDRINUSE)
        return portInUseText;
    return "Could not bind socket. " + error.displayText();
}

struct PortTaken { };
using Ipv6Listening = std::variant<std::monostate, ServerSocket, PortTaken>;

// Every IPv6 address on `port`, apart from IPv4 so that both can bind;
// nothing when the system has no IPv6.
Ipv6Listening listenIpv6(std::uint16_t port)
{
    try {
        ServerSocket socket;
        socket.bind6(SocketAddress(IPAddress::wildcard(IPAddress::IPv6), port), true, false, true);
        socket.listen(listenBacklog);
        return socket;
    } catch (const Poco::Exception& error) {
        if (error.code() == EADDRINUSE)
            return PortTaken {};
        return std::monostate {};
    }
}

// The listening sockets, or the error text.
std::variant<std::vector<ServerSocket>, std::string> listenOn(std::uint16_t port)
{
    for (int attempt = 0; attempt < (port == 0 ? anyPortAttempts : 1); ++attempt) {
        ServerSocket ipv4;
        // Reusing the address lets a restart bind while connections of the
        // last run linger; a socket that listens on the port still refuses it.
        try {
            ipv4.bind(SocketAddress(IPAddress::wildcard(IPAddress::IPv4), port), true, false);
            ipv4.listen(listenBacklog);
        } catch (const Poco::Exception& error) {
            return bindErrorText(error);
        }
        Ipv6Listening ipv6 = listenIpv6(ipv4.address().port());
        if (std::holds_alternative<PortTaken>(ipv6))
            continue;
        std::vector<ServerSocket> sockets {ipv4};
        if (auto* socket = std::get_if<ServerSocket>(&ipv6))
            sockets.push_back(*socket);
        return sockets;
    }
    return std::string(portInUseText);
}

} // namespace

struct THttpHost::Running {
    std::shared_ptr<HostContext> context;
    // Before the servers, so that it outlives them.
    std::unique_ptr<Poco::ThreadPool> pool;
    std::vector<std::unique_ptr<Poco::Net::TCPServer>> servers;
    std::uint16_t port = 0;
    bool ipv6 = false;
};

THttpHost::THttpHost(HttpHostSettings settings, WebHandler handler)
    : _settings(std::move(settings))
    , _handler(std::move(handler))
{
}

THttpHost::~THttpHost()
{
    stop();
}

std::optional<std::string> THttpHost::start()
{
    if (_running)
        return std::nullopt;
    auto listening = listenOn(_settings.port);
    if (auto* error = std::get_if<std::string>(&listening))
        return *error;
    const auto& sockets = std::get<std::vector<ServerSocket>>(listening);

    const int threadsPerListener = _settings.maxConnections + overflowThreads;
    Poco::Net::HTTPServerParams::Ptr params = new Poco::Net::HTTPServerParams;
    params->setMaxThreads(threadsPerListener);
    params->setMaxQueued(listenBacklog);
    params->setThreadIdleTime(Poco::Timespan(10, 0));
    params->setTimeout(toTimespan(_settings.ioTimeout));
    params->setKeepAlive(true);
    params->setKeepAliveTimeout(toTimespan(_settings.keepAliveTimeout));
    params->setMaxKeepAliveRequests(0); // no limit

    auto running = std::make_unique<Running>();
    running->context = std::make_shared<HostContext>(_settings, _handler);
    running->pool = std::make_unique<Poco::ThreadPool>(2, threadsPerListener * static_cast<int>(sockets.size()), 60);
    running->port = sockets.front().address().port();
    running->ipv6 = sockets.size() > 1;
    const Poco::Net::TCPServerConnectionFactory::Ptr factory(new HostConnectionFactory(running->context, params));
    for (const ServerSocket& socket : sockets) {
        running->servers.push_back(std::make_unique<Poco::Net::TCPServer>(factory, *running->pool, socket, params));
        running->servers.back()->start();
    }
    _running = std::move(running);
    return std::nullopt;
}

void THttpHost::stop()
{
    if (!_running)
        return;
    // Each listener notices the stop within its poll interval: wait for all at once.
    std::vector<std::thread> stopping;
    for (auto& server : _running->servers)
        stopping.emplace_back([&server] { server->stop(); });
    for (auto& thread : stopping)
        thread.join();
    _running->context->registry.closeAll();
    _running->pool->joinAll();
    _running.reset();
}

bool THttpHost::running() const
{
    return _running != nullptr;
}

std::uint16_t THttpHost::port() const
{
    return _running ? _running->port : 0;
}

bool THttpHost::listensOnIpv6() const
{
    return _running && _running->ipv6;
}

int THttpHost::connections() const
{
    return _running ? _running->context->registry.count() : 0;
}
