// The HTTP host on loopback, with a recording stand-in for the web module:
// what reaches the module, what goes back, and how the host deals with
// bodies too large, clients too slow, ports taken and IPv6.
#include "HttpHost.h"
#include "HttpTestClient.h"
#include "SoapTestClient.h"

#include <Poco/Net/IPAddress.h>
#include <Poco/Net/ServerSocket.h>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

using namespace std::chrono_literals;

namespace {

class HttpHostTest : public ::testing::Test {
protected:
    void start(HttpHostSettings settings = {})
    {
        settings.port = 0;
        host = std::make_unique<THttpHost>(settings, [this](const WebRequest& request) {
            {
                std::lock_guard lock(mutex);
                received.push_back(request);
            }
            return answer ? answer(request) : HttpAnswer {200, "text/plain", "ok"};
        });
        ASSERT_EQ(host->start(), std::nullopt);
        ASSERT_NE(host->port(), 0);
    }

    std::vector<WebRequest> requests()
    {
        std::lock_guard lock(mutex);
        return received;
    }

    std::string ownAddress() const { return "http://127.0.0.1:" + std::to_string(host->port()); }

    // Set before start(): the module's answer.
    std::function<HttpAnswer(const WebRequest&)> answer;
    std::unique_ptr<THttpHost> host;
    std::mutex mutex;
    std::vector<WebRequest> received;
};

TEST_F(HttpHostTest, HandsTheWholeRequestToTheModule)
{
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    struct Case {
        HttpCall call;
        std::string path;
        std::string query;
        std::optional<std::string> soapAction;
    };
    const std::vector<Case> cases = {
        {{"GET", "/"}, "/", "", std::nullopt},
        {{"GET", "/soap/Ivantlo?intf=Ivantlo&types=1"}, "/soap/Ivantlo", "intf=Ivantlo&types=1", std::nullopt},
        {{"POST", "/soap", {{"SOAPAction", "\"urn:vantloIntf-Ivantlo#getroomcount\""}}, "<Envelope/>"}, "/soap", "",
            "\"urn:vantloIntf-Ivantlo#getroomcount\""},
        {{"POST", "/soap/Ivantlo", {{"SOAPAction", ""}}, "<Envelope/>"}, "/soap/Ivantlo", "", ""},
        {{"POST", "/soap/Ivantlo", {}, everyByte}, "/soap/Ivantlo", "", std::nullopt},
        {{"POST", "/soap/Ivantlo", {}, std::string(300000, 'x'), true}, "/soap/Ivantlo", "", std::nullopt},
        {{"PUT", "/wsdl/%49vantlo?a=%20b"}, "/wsdl/Ivantlo", "a=%20b", std::nullopt},
    };
    start();
    Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.call.method + " " + c.call.path);
        EXPECT_EQ(exchange(session, c.call).body, "ok");
        ASSERT_EQ(requests().size(), i + 1);
        const WebRequest seen = requests().back();
        EXPECT_EQ(seen.method, c.call.method);
        EXPECT_EQ(seen.path, c.path);
        EXPECT_EQ(seen.query, c.query);
        EXPECT_EQ(seen.soapAction, c.soapAction);
        EXPECT_EQ(seen.body, c.call.body);
        EXPECT_EQ(seen.baseUrl, ownAddress());
    }
    EXPECT_EQ(host->connections(), 1) << "every request on one kept-alive connection";
}

TEST_F(HttpHostTest, WritesTheModulesAnswerAndTurnsItsFailuresIntoFaults)
{
    answer = [](const WebRequest& request) -> HttpAnswer {
        if (request.path == "/fail")
            throw std::runtime_error("broken <here>");
        return {403, "text/html; charset=\"utf-8\"", "<h1>Forbidden (403)</h1>"};
    };
    start();
    Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
    const HttpReply forbidden = exchange(session, {"GET", "/wsdl/admin"});
    EXPECT_EQ(forbidden.status, 403);
    EXPECT_EQ(forbidden.contentType, "text/html; charset=\"utf-8\"");
    EXPECT_EQ(forbidden.body, "<h1>Forbidden (403)</h1>");

    const HttpReply failed = exchange(session, {"POST", "/fail", {}, "x"});
    EXPECT_EQ(failed.status, 500);
    const SoapAnswer fault = readAnswer({failed.status, failed.contentType, failed.body});
    EXPECT_TRUE(fault.fault);
    EXPECT_EQ(fault.faultstring, "broken <here>");
    EXPECT_EQ(exchange(session, {"GET", "/"}).status, 403) << "the connection goes on";
}

TEST_F(HttpHostTest, BaseUrlIsTheHostTheClientNamed)
{
    start();
    const std::string own = ownAddress();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"zolvo.example:8080", "http://zolvo.example:8080"},
        {"192.168.1.20:8080", "http://192.168.1.20:8080"},
        {"[2001:db8::7]:8080", "http://[2001:db8::7]:8080"},
        {"zolvo.example", "http://zolvo.example"},
        {"\"><script>", own},
        {"", own},
    };
    for (const auto& [hostHeader, baseUrl] : cases) {
        SCOPED_TRACE(hostHeader);
        RawClient client(host->port());
        client.send("GET /wsdl/Ivantlo HTTP/1.1\r\nHost: " + hostHeader + "\r\nConnection: close\r\n\r\n");
        ASSERT_TRUE(client.readUntilClosed());
        EXPECT_EQ(requests().back().baseUrl, baseUrl);
    }
    RawClient oldClient(host->port());
    oldClient.send("GET / HTTP/1.0\r\n\r\n");
    ASSERT_TRUE(oldClient.readUntilClosed());
    EXPECT_EQ(requests().back().baseUrl, own) << "no Host header at all";
}

TEST_F(HttpHostTest, ServesIpv6Loopback)
{
    start();
    if (!host->listensOnIpv6())
        GTEST_SKIP() << "the system offers no IPv6";
    HttpReply reply;
    try {
        reply = httpCall(host->port(), {"GET", "/"}, "::1");
    } catch (const Poco::Exception& error) {
        GTEST_SKIP() << "no IPv6 loopback: " << error.displayText();
    }
    EXPECT_EQ(reply.body, "ok");
    EXPECT_EQ(requests().back().baseUrl, "http://[::1]:" + std::to_string(host->port()));
}

TEST_F(HttpHostTest, RefusesABodyBeyondTheLimitWithoutReadingIt)
{
    HttpHostSettings settings;
    settings.maxBodyBytes = 1000;
    start(settings);

    EXPECT_EQ(httpCall(host->port(), {"POST", "/soap", {}, std::string(1000, 'a')}).body, "ok") << "at the limit";
    EXPECT_EQ(requests().size(), 1u);

    // Only the head goes out: the answer comes although the body never does.
    RawClient declared(host->port());
    declared.send("POST /soap/Ivantlo HTTP/1.1\r\nHost: x\r\nContent-Length: 100000000\r\n\r\n<SOAP-ENV:Envelope");
    const auto refusal = declared.readUntilClosed();
    ASSERT_TRUE(refusal) << "the connection is closed after the refusal";
    EXPECT_EQ(refusal->rfind("HTTP/1.1 413", 0), 0u) << *refusal;
    EXPECT_NE(refusal->find("<faultstring>Request body too large"), std::string::npos) << *refusal;

    const HttpReply chunked = httpCall(host->port(), {"POST", "/soap", {}, std::string(5000, 'a'), true});
    EXPECT_EQ(chunked.status, 413);
    EXPECT_FALSE(chunked.keepAlive);
    EXPECT_EQ(requests().size(), 1u) << "no refused request reaches the module";
}

TEST_F(HttpHostTest, DropsClientsThatStallOrTrickle)
{
    HttpHostSettings settings;
    settings.ioTimeout = 300ms;
    settings.requestTimeout = 1500ms;
    start(settings);

    // Every place taken by a client that stopped in the middle of its request.
    std::vector<std::unique_ptr<RawClient>> stalled;
    for (int i = 0; i < settings.maxConnections; ++i) {
        stalled.push_back(std::make_unique<RawClient>(host->port()));
        stalled.back()->send("GET / HTTP/1.1\r\nHo");
    }
    for (auto& client : stalled)
        EXPECT_EQ(client->readUntilClosed(), std::string()) << "closed without an answer";

    // One that sends a byte just before each read would time out.
    RawClient trickling(host->port());
    trickling.send("GET / HTTP/1.1\r\nX-Padding: ");
    bool dropped = false;
    for (int i = 0; i < 200 && !dropped; ++i) {
        std::this_thread::sleep_for(100ms);
        dropped = trickling.closedByServer() || !trickling.send("a");
    }
    EXPECT_TRUE(dropped) << "still served after 20 s of trickling";

    EXPECT_EQ(httpCall(host->port(), {"GET", "/"}).status, 200) << "the places are free again";
    EXPECT_EQ(requests().size(), 1u);
}

TEST_F(HttpHostTest, ATakenPortFailsTheStartWithTheBindError)
{
    Poco::Net::ServerSocket ipv4Holder;
    ipv4Holder.bind(Poco::Net::SocketAddress(Poco::Net::IPAddress::wildcard(Poco::Net::IPAddress::IPv4), 0), false);
    ipv4Holder.listen();
    HttpHostSettings settings;
    settings.port = ipv4Holder.address().port();
    THttpHost blocked(settings, [](const WebRequest&) { return HttpAnswer {}; });
    EXPECT_EQ(blocked.start(), std::string("Could not bind socket. Address and port are already in use."));
    EXPECT_FALSE(blocked.running());
    EXPECT_EQ(blocked.port(), 0);

    THttpHost first(HttpHostSettings {.port = 0}, [](const WebRequest&) { return HttpAnswer {}; });
    ASSERT_EQ(first.start(), std::nullopt);
    THttpHost second(HttpHostSettings {.port = first.port()}, [](const WebRequest&) { return HttpAnswer {}; });
    EXPECT_EQ(second.start(), std::string(portInUseText));
    EXPECT_EQ(httpCall(first.port(), {"GET", "/"}).status, 200) << "the first host is untouched";

    if (!first.listensOnIpv6())
        return;
    Poco::Net::ServerSocket ipv6Holder;
    ipv6Holder.bind6(
        Poco::Net::SocketAddress(Poco::Net::IPAddress::wildcard(Poco::Net::IPAddress::IPv6), 0), false, false, true);
    ipv6Holder.listen();
    THttpHost ipv6Blocked(
        HttpHostSettings {.port = ipv6Holder.address().port()}, [](const WebRequest&) { return HttpAnswer {}; });
    EXPECT_EQ(ipv6Blocked.start(), std::string(portInUseText)) << "taken on IPv6 only";
}

TEST_F(HttpHostTest, StopEndsKeptAliveConnectionsAndStartOpensAgain)
{
    start();
    Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
    session.setTimeout(Poco::Timespan(5, 0));
    ASSERT_EQ(exchange(session, {"GET", "/"}).status, 200);
    host->stop();
    EXPECT_FALSE(host->running());
    EXPECT_THROW(exchange(session, {"GET", "/"}), Poco::Exception);

    ASSERT_EQ(host->start(), std::nullopt);
    EXPECT_EQ(httpCall(host->port(), {"GET", "/"}).status, 200);
}

} // namespace
