#include "WebRequestHandler.h"

#include "XmlText.h"

#include <Poco/Exception.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPRequestHandler.h>
#include <Poco/Net/HTTPServerRequestImpl.h>
#include <Poco/Net/HTTPServerResponse.h>
#include <Poco/URI.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <istream>

using namespace std::chrono;
using Poco::Net::HTTPResponse;
using Poco::Net::HTTPServerRequest;
using Poco::Net::HTTPServerResponse;

namespace {

constexpr milliseconds lingerAfterRefusal {1000};

// A failure before the web module could answer, in the form of its fixed
// fault document, so that SOAP clients show the text.
HttpAnswer faultAnswer(int status, const std::string& text)
{
    return {status, "text/xml; charset=\"utf-8\"",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
        "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode><faultstring>" +
            htmlEscaped(std::string_view(text)) +
            "</faultstring></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>"};
}

// Sends the answer at once, so that the connection may be closed after it.
void send(const HTTPServerRequest& request, HTTPServerResponse& response, const HttpAnswer& answer)
{
    response.setStatusAndReason(static_cast<HTTPResponse::HTTPStatus>(answer.status));
    if (!answer.contentType.empty())
        response.setContentType(answer.contentType);
    response.setContentLength64(static_cast<Poco::Int64>(answer.body.size()));
    std::ostream& out = response.send();
    if (request.getMethod() != Poco::Net::HTTPRequest::HTTP_HEAD)
        out.write(answer.body.data(), static_cast<std::streamsize>(answer.body.size()));
    out.flush();
}

bool plainHostAndPort(const std::string& host)
{
    return !host.empty() && std::all_of(host.begin(), host.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '.' || c == '-' || c == '_' || c == ':' || c == '[' || c == ']' || c == '%';
    });
}

enum class Body { Whole, TooLarge, Incomplete };

// Reads the body, but never more than `limit` bytes: a declared length
// beyond it is refused before reading.
Body readBody(HTTPServerRequest& request, std::size_t limit, std::string& body)
{
    // A request with neither a length nor chunks has no body; Poco would
    // read until the client closes.
    if (!request.getChunkedTransferEncoding() && !request.hasContentLength())
        return Body::Whole;
    const Poco::Int64 declared = request.getContentLength64();
    if (declared > static_cast<Poco::Int64>(limit))
        return Body::TooLarge;
    if (declared > 0)
        body.reserve(static_cast<std::size_t>(declared));
    std::istream& in = request.stream();
    std::string chunk(64 * 1024, '\0');
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        body.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (body.size() > limit)
            return Body::TooLarge;
    }
    if (in.bad() || (declared >= 0 && body.size() < static_cast<std::size_t>(declared)))
        return Body::Incomplete;
    return Body::Whole;
}

class WebRequestHandler : public Poco::Net::HTTPRequestHandler {
public:
    WebRequestHandler(const HostContext& context, ConnectionRegistry::Ticket& ticket)
        : _context(context)
        , _ticket(ticket)
    {
    }

    void handleRequest(HTTPServerRequest& request, HTTPServerResponse& response) override
    {
        const HttpHostSettings& settings = _context.settings;
        _ticket.setDeadline(steady_clock::now() + settings.requestTimeout);
        handle(request, response);
        _ticket.setDeadline(steady_clock::now() + settings.keepAliveTimeout + settings.requestTimeout);
    }

private:
    void handle(HTTPServerRequest& request, HTTPServerResponse& response)
    {
        if (_ticket.closed()) {
            // Poco takes a head cut short by the shutdown for a whole one.
            response.setKeepAlive(false);
            return;
        }
        WebRequest web;
        web.method = request.getMethod();
        try {
            const Poco::URI uri(request.getURI());
            web.path = uri.getPath().empty() ? "/" : uri.getPath();
            web.query = uri.getRawQuery();
        } catch (const Poco::SyntaxException&) {
            response.setKeepAlive(false);
            send(request, response, {400, "text/plain; charset=utf-8", "Bad request URI"});
            return;
        }
        if (request.has("SOAPAction"))
            web.soapAction = request.get("SOAPAction");
        web.baseUrl = requestBaseUrl(request);

        switch (readBody(request, _context.settings.maxBodyBytes, web.body)) {
        case Body::Whole: break;
        case Body::TooLarge: refuseBody(request, response); return;
        case Body::Incomplete:
            // The client went away or ran out of time: nobody to answer.
            response.setKeepAlive(false);
            return;
        }

        HttpAnswer answer;
        try {
            answer = _context.handler(web);
        } catch (const std::exception& error) {
            answer = faultAnswer(500, error.what());
        } catch (...) {
            answer = faultAnswer(500, "Internal error");
        }
        send(request, response, answer);
    }

    void refuseBody(HTTPServerRequest& request, HTTPServerResponse& response)
    {
        // The rest of the body is not read, so the connection cannot go on.
        response.setKeepAlive(false);
        send(request, response,
            faultAnswer(
                413, "Request body too large (at most " + std::to_string(_context.settings.maxBodyBytes) + " bytes)"));
        if (auto* impl = dynamic_cast<Poco::Net::HTTPServerRequestImpl*>(&request))
            closeGracefully(impl->socket(), lingerAfterRefusal);
    }

    const HostContext& _context;
    ConnectionRegistry::Ticket& _ticket;
};

} // namespace

WebRequestHandlerFactory::WebRequestHandlerFactory(
    std::shared_ptr<HostContext> context, std::unique_ptr<ConnectionRegistry::Ticket> ticket)
    : _context(std::move(context))
    , _ticket(std::move(ticket))
{
}

Poco::Net::HTTPRequestHandler* WebRequestHandlerFactory::createRequestHandler(const HTTPServerRequest&)
{
    return new WebRequestHandler(*_context, *_ticket);
}

std::string requestBaseUrl(const HTTPServerRequest& request)
{
    if (request.has("Host")) {
        std::string host = request.get("Host");
        host.erase(0, host.find_first_not_of(" \t"));
        host.erase(host.find_last_not_of(" \t") + 1);
        if (plainHostAndPort(host))
            return "http://" + host;
    }
    return "http://" + request.serverAddress().toString();
}
