#pragma once

#include "ConnectionRegistry.h"
#include "HostConnection.h"

#include <Poco/Net/HTTPRequestHandlerFactory.h>
#include <Poco/Net/HTTPServerRequest.h>

#include <memory>
#include <string>

// The requests of one connection, for the web module. Holds the
// connection's place and moves its deadline: a request must be in and
// answered within the request timeout, the next one must begin within the
// keep-alive timeout.
class WebRequestHandlerFactory : public Poco::Net::HTTPRequestHandlerFactory {
public:
    WebRequestHandlerFactory(std::shared_ptr<HostContext> context, std::unique_ptr<ConnectionRegistry::Ticket> ticket);
    Poco::Net::HTTPRequestHandler* createRequestHandler(const Poco::Net::HTTPServerRequest& request) override;

private:
    std::shared_ptr<HostContext> _context;
    std::unique_ptr<ConnectionRegistry::Ticket> _ticket;
};

// "http://" and the host as the client named it in its Host header, or the
// address it reached when the header is missing or not a plain host[:port]
// (IPv6 literals in brackets).
std::string requestBaseUrl(const Poco::Net::HTTPServerRequest& request);
