#pragma once

#include "HttpHost.h"
#include "HttpTestClient.h"
#include "SoapTestClient.h"
#include "StandInZolvo.h"

#include <memory>

// The whole service in one process: a stand-in Zolvo with the device link
// connected, the store of a temporary folder, and the HTTP host with the
// web module on a free port.
class ServedStandInTest : public StandInZolvoTest {
protected:
    void SetUp() override
    {
        StandInZolvoTest::SetUp();
        if (HasFatalFailure())
            return;
        connectLink();
        ASSERT_TRUE(ZolvoConnected);
        host = std::make_unique<THttpHost>(HttpHostSettings {.port = 0});
        ASSERT_EQ(host->start(), std::nullopt);
    }

    void TearDown() override
    {
        host.reset();
        StandInZolvoTest::TearDown();
    }

    // One SOAP call over HTTP, with its SOAPAction.
    SoapAnswer soapCall(Poco::Net::HTTPClientSession& session, const std::string& operation, const Params& params = {})
    {
        const HttpReply reply = exchange(session,
            {"POST", "/soap/Ivantlo", {{"SOAPAction", "\"urn:vantloIntf-Ivantlo#" + operation + "\""}},
                callEnvelope(operation, params)});
        return readAnswer({reply.status, reply.contentType, reply.body});
    }

    std::string ownAddress() const { return "http://127.0.0.1:" + std::to_string(host->port()); }

    std::unique_ptr<THttpHost> host;
};
