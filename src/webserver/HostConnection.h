#pragma once

#include "ConnectionRegistry.h"
#include "HttpHost.h"

#include <Poco/Net/HTTPServerParams.h>
#include <Poco/Net/StreamSocket.h>
#include <Poco/Net/TCPServerConnectionFactory.h>
#include <Poco/Timespan.h>

#include <chrono>
#include <memory>

// What all connections of one running host share.
struct HostContext {
    HostContext(HttpHostSettings hostSettings, WebHandler webHandler);

    const HttpHostSettings settings;
    const WebHandler handler;
    ConnectionRegistry registry;
};

// Makes the connection for each accepted socket: an HTTP connection while
// there is a place for it, otherwise one that answers 503 and closes.
class HostConnectionFactory : public Poco::Net::TCPServerConnectionFactory {
public:
    HostConnectionFactory(std::shared_ptr<HostContext> context, Poco::Net::HTTPServerParams::Ptr params);
    Poco::Net::TCPServerConnection* createConnection(const Poco::Net::StreamSocket& socket) override;

private:
    std::shared_ptr<HostContext> _context;
    Poco::Net::HTTPServerParams::Ptr _params;
};

// Ends the sending side after an answer that closes the connection and reads
// away what the client still sends, for at most `wait`: closing with unread
// input would reset the connection and could destroy the answer on its way.
void closeGracefully(Poco::Net::StreamSocket& socket, std::chrono::milliseconds wait);

inline Poco::Timespan toTimespan(std::chrono::milliseconds duration)
{
    return Poco::Timespan(static_cast<Poco::Timespan::TimeDiff>(duration.count()) * 1000);
}
