// The web service under concurrent clients: the limit of 32 connections
// served at once, and many calls at once on a store that changes meanwhile.
#include "HttpHost.h"
#include "HttpTestClient.h"
#include "ServedStandInTest.h"
#include "SoapTestClient.h"
#include "StoreLock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int servedAtOnce = 32;

HttpAnswer fixedAnswer(const WebRequest&)
{
    return {200, "text/plain", "ok"};
}

std::unique_ptr<Poco::Net::HTTPClientSession> heldSession(std::uint16_t port)
{
    auto session = std::make_unique<Poco::Net::HTTPClientSession>("127.0.0.1", port);
    session->setTimeout(Poco::Timespan(20, 0));
    return session;
}

TEST(WebConnectionLimit, TheConnectionBeyondThirtyTwoIsRefusedUntilOneCloses)
{
    THttpHost host(HttpHostSettings {.port = 0}, fixedAnswer);
    ASSERT_EQ(host.start(), std::nullopt);
    const std::uint16_t port = host.port();
    std::vector<std::unique_ptr<Poco::Net::HTTPClientSession>> held;
    for (int i = 0; i < servedAtOnce; ++i) {
        held.push_back(heldSession(port));
        ASSERT_EQ(exchange(*held.back(), {"GET", "/"}).status, 200);
    }
    EXPECT_EQ(host.connections(), servedAtOnce);

    const HttpReply refused = httpCall(port, {"POST", "/soap/Ivantlo", {}, callEnvelope("getroomcount")});
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(refused.body, "Maximum number of concurrent connections exceeded.  Please try again later");
    EXPECT_FALSE(refused.keepAlive);
    RawClient raw(port);
    raw.send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    const auto whole = raw.readUntilClosed();
    ASSERT_TRUE(whole) << "closed after the answer";
    EXPECT_EQ(whole->rfind("HTTP/1.1 503", 0), 0u);

    held.front()->reset();
    held.erase(held.begin());
    // The host notices the close a moment later.
    bool served = false;
    for (int attempt = 0; attempt < 200 && !served; ++attempt) {
        served = httpCall(port, {"GET", "/"}).status == 200;
        if (!served)
            std::this_thread::sleep_for(25ms);
    }
    EXPECT_TRUE(served);
    for (auto& session : held)
        EXPECT_EQ(exchange(*session, {"GET", "/"}).status, 200) << "the others go on being served";
}

TEST(WebConnectionLimit, OfFortyClientsArrivingTogetherThirtyTwoAreServed)
{
    THttpHost host(HttpHostSettings {.port = 0}, fixedAnswer);
    ASSERT_EQ(host.start(), std::nullopt);
    constexpr int clients = 40;
    std::atomic<int> ok {0}, refused {0}, other {0};
    std::barrier allAnswered(clients);
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i) {
        threads.emplace_back([&] {
            // Each keeps its connection until every client has its answer.
            auto session = heldSession(host.port());
            try {
                const int status = exchange(*session, {"GET", "/"}).status;
                (status == 200 ? ok : status == 503 ? refused : other)++;
            } catch (const Poco::Exception&) {
                other++;
            }
            allAnswered.arrive_and_wait();
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(ok, servedAtOnce);
    EXPECT_EQ(refused, clients - servedAtOnce);
    EXPECT_EQ(other, 0);
}

// Two whole houses the store switches between while the clients call: any
// answer that mixes them was read from a half-changed store.
struct House {
    int rooms;
    const char* lampName;
    int lampCode;
    bool oudModel;
    std::string expectedSwitch; // the first bytes of the Switch report
};
const House houseA {5, "Lamp in the hall", 0x11, false, "005a112305"};
const House houseB {10, "Reading lamp by the window", 0x22, true, "005a222205"};

void furnish(TLoadSave& store, const House& house)
{
    for (int r = 0; r < nrofRuimtes; ++r)
        store.Ruimtes[r].Omschrijving = r < house.rooms ? "Room" : "";
    Apparaat& lamp = store.Ruimtes[0].Apparaten[0];
    lamp.Omschrijving = house.lampName;
    lamp.Code = house.lampCode;
    lamp.OudModel = house.oudModel;
}

using WebServiceUnderLoad = ServedStandInTest;

TEST_F(WebServiceUnderLoad, EveryAnswerAndEveryReportIsWholeWhileTheStoreChanges)
{
    {
        StoreWriteLock lock(storeMutex());
        furnish(*store, houseA);
    }
    device.clearTrace();
    std::atomic<bool> stop {false};
    std::thread editor([&] {
        for (int i = 0; !stop; ++i) {
            {
                StoreWriteLock lock(storeMutex());
                furnish(*store, i % 2 ? houseA : houseB);
            }
            std::this_thread::yield();
        }
    });

    constexpr int rounds = 10;
    std::atomic<int> switchCalls {0};
    std::vector<std::vector<std::string>> mistakes(servedAtOnce);
    std::vector<std::thread> clients;
    for (int c = 0; c < servedAtOnce; ++c) {
        clients.emplace_back([&, c] {
            Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
            session.setTimeout(Poco::Timespan(60, 0));
            auto expectOneOf = [&](const char* what, const QString& got, const QString& a, const QString& b) {
                if (got != a && got != b)
                    mistakes[c].push_back(std::string(what) + ": " + got.toStdString());
            };
            try {
                for (int i = 0; i < rounds; ++i) {
                    expectOneOf("getroomcount", soapCall(session, "getroomcount").response,
                        QString::number(houseA.rooms), QString::number(houseB.rooms));
                    expectOneOf("getappname", soapCall(session, "getappname", roomApp(0, 0)).response,
                        QString::fromLatin1(houseA.lampName), QString::fromLatin1(houseB.lampName));
                    if (const SoapAnswer on = soapCall(session, "apparaatAan", roomApp(0, 0)); on.error != "NOERROR")
                        mistakes[c].push_back("apparaatAan: " + on.error.toStdString());
                    switchCalls++;
                }
            } catch (const Poco::Exception& error) {
                mistakes[c].push_back("the call failed: " + error.displayText());
            }
        });
    }
    for (auto& client : clients)
        client.join();
    stop = true;
    editor.join();

    for (const auto& clientMistakes : mistakes)
        for (const std::string& mistake : clientMistakes)
            ADD_FAILURE() << mistake;
    ASSERT_TRUE(waitForTrace(static_cast<std::size_t>(switchCalls.load())));
    const std::vector<Report> reports = written();
    ASSERT_EQ(reports.size(), static_cast<std::size_t>(switchCalls.load()));
    const std::string restZero(2 * reportSize - 10, '0');
    for (const Report& report : reports) {
        const std::string hex = reportToHex(report);
        EXPECT_TRUE(hex == houseA.expectedSwitch + restZero || hex == houseB.expectedSwitch + restZero) << hex;
    }
}

} // namespace
