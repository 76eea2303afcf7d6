// Which handler answers which request, how SOAPAction and path select the
// interface, and the dispatch errors with their texts and statuses.
#include "SoapTestClient.h"
#include "WebStoreTest.h"

#include "Cp1252.h"

#include <cctype>

namespace {

// Test names from the cases' descriptions.
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& testCase)
{
    std::string name;
    for (const char* p = testCase.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

enum class Kind { SoapResponse, SoapFault, ServicePage, Listing, Wsdl, NotFound, Forbidden };

struct RouteCase {
    const char* what;
    std::string method;
    std::string path;
    std::optional<std::string> action;
    Kind kind;
    int status;
    std::string text = {}; // faultstring or a text the page holds
};

void PrintTo(const RouteCase& c, std::ostream* os)
{
    *os << c.what;
}

class Routing : public WebStoreTest, public ::testing::WithParamInterface<RouteCase> { };

const std::string htmlType = "text/html; charset=\"utf-8\"";
const std::string soapType = "text/xml; charset=\"utf-8\"";

TEST_P(Routing, AnswersWithTheRightHandler)
{
    const RouteCase& c = GetParam();
    WebRequest request = soapPost(callEnvelope("getscenecount"), c.action, c.path);
    request.method = c.method;
    const HttpAnswer answer = handleWebRequest(request);
    EXPECT_EQ(answer.status, c.status);
    const SoapAnswer soap = readAnswer(answer);
    switch (c.kind) {
    case Kind::SoapResponse:
        EXPECT_EQ(answer.contentType, soapType);
        EXPECT_FALSE(soap.fault) << soap.faultstring.toStdString();
        EXPECT_EQ(soap.response, "0");
        break;
    case Kind::SoapFault:
        EXPECT_EQ(answer.contentType, soapType);
        EXPECT_TRUE(soap.fault);
        EXPECT_EQ(soap.faultcode, "SOAP-ENV:Server");
        EXPECT_EQ(soap.faultstring.toStdString(), c.text);
        break;
    case Kind::ServicePage:
        EXPECT_EQ(answer.contentType, htmlType);
        EXPECT_NE(answer.body.find("Service Info Page"), std::string::npos);
        break;
    case Kind::Listing:
        EXPECT_EQ(answer.contentType, htmlType);
        EXPECT_NE(answer.body.find("WebService Listing"), std::string::npos);
        EXPECT_NE(answer.body.find("href=\"/wsdl/Ivantlo\""), std::string::npos);
        break;
    case Kind::Wsdl:
        EXPECT_EQ(answer.contentType, "text/xml");
        EXPECT_NE(answer.body.find("Ivantloservice"), std::string::npos);
        break;
    case Kind::NotFound:
        EXPECT_EQ(answer.contentType, htmlType);
        EXPECT_EQ(
            answer.body, "<html><head></head><body><h1>Error Encountered</h1><P>" + c.text + "</P></body></html>");
        break;
    case Kind::Forbidden:
        EXPECT_EQ(answer.contentType, htmlType);
        EXPECT_EQ(
            answer.body, "<html><head></head><body><h1>Forbidden (403)</h1><P>Access Forbidden</P></body></html>");
        break;
    }
}

const std::string action = "urn:vantloIntf-Ivantlo#getscenecount";

INSTANTIATE_TEST_SUITE_P(Requests, Routing,
    ::testing::Values(
        // The interface from the action, whatever the path says.
        RouteCase {"action on /soap", "POST", "/soap", action, Kind::SoapResponse, 200},
        RouteCase {"quoted action", "POST", "/soap/Ivantlo", "\"" + action + "\"", Kind::SoapResponse, 200},
        RouteCase {"action on another path", "POST", "/soap/Other", action, Kind::SoapResponse, 200},
        RouteCase {"action without operation", "POST", "/soap", "urn:vantloIntf-Ivantlo", Kind::SoapResponse, 200},
        // No action, an empty one or a bare pair of quotes: from the path.
        RouteCase {"no action", "POST", "/soap/Ivantlo", std::nullopt, Kind::SoapResponse, 200},
        RouteCase {"empty action", "POST", "/soap/Ivantlo", "", Kind::SoapResponse, 200},
        RouteCase {"quotes only", "POST", "/soap/Ivantlo", "\"\"", Kind::SoapResponse, 200},
        RouteCase {"path in other case", "POST", "/SOAP/ivantlo", std::nullopt, Kind::SoapResponse, 200},
        RouteCase {"deeper path", "POST", "/soapx/a/Ivantlo", std::nullopt, Kind::SoapResponse, 200},
        // Dispatch errors: status 500, fixed document; the path is not tried.
        RouteCase {"foreign action", "POST", "/soap/Ivantlo", "urn:other-Ivantlo#getscenecount", Kind::SoapFault, 500,
            "No interface  registered for soap action 'urn:other-Ivantlo#getscenecount'"},
        RouteCase {"quoted foreign action", "POST", "/soap/Ivantlo", "\"urn:x#y\"", Kind::SoapFault, 500,
            "No interface  registered for soap action 'urn:x#y'"},
        RouteCase {"action in other case", "POST", "/soap/Ivantlo", "URN:VANTLOINTF-IVANTLO#getscenecount",
            Kind::SoapFault, 500, "No interface  registered for soap action 'URN:VANTLOINTF-IVANTLO#getscenecount'"},
        RouteCase {"no action on /soap", "POST", "/soap", std::nullopt, Kind::SoapFault, 500,
            "No interface  registered for URL '/soap'"},
        RouteCase {"no action, other interface", "POST", "/soap/IOther", "", Kind::SoapFault, 500,
            "No interface  registered for URL '/soap/IOther'"},
        RouteCase {"trailing slash", "POST", "/soap/Ivantlo/", std::nullopt, Kind::SoapFault, 500,
            "No interface  registered for URL '/soap/Ivantlo/'"},
        // Only POST reaches the endpoint.
        RouteCase {"GET of the endpoint", "GET", "/soap/Ivantlo", action, Kind::ServicePage, 200},
        RouteCase {"PUT of the endpoint", "PUT", "/soap/Ivantlo", action, Kind::ServicePage, 200},
        RouteCase {"lower-case method", "post", "/soap/Ivantlo", action, Kind::ServicePage, 200},
        RouteCase {"root", "GET", "/", std::nullopt, Kind::ServicePage, 200},
        RouteCase {"other path", "GET", "/index.html", std::nullopt, Kind::ServicePage, 200},
        RouteCase {"soap not at the start", "POST", "/x/soap/Ivantlo", std::nullopt, Kind::ServicePage, 200},
        RouteCase {"empty path", "GET", "", std::nullopt, Kind::ServicePage, 200},
        // The WSDL publisher, for any method.
        RouteCase {"listing", "GET", "/wsdl", std::nullopt, Kind::Listing, 200},
        RouteCase {"listing with slash", "GET", "/wsdl/", std::nullopt, Kind::Listing, 200},
        RouteCase {"wsdl", "GET", "/wsdl/Ivantlo", std::nullopt, Kind::Wsdl, 200},
        RouteCase {"wsdl by POST", "POST", "/WSDL/ivantlo", action, Kind::Wsdl, 200},
        RouteCase {"admin", "GET", "/wsdl/admin", std::nullopt, Kind::Forbidden, 403},
        RouteCase {
            "unknown interface", "GET", "/wsdl/IFoo", std::nullopt, Kind::NotFound, 200, "Interface IFoo not found"},
        RouteCase {"name is escaped", "GET", "/wsdl/<b>&", std::nullopt, Kind::NotFound, 200,
            "Interface &lt;b&gt;&amp; not found"}),
    caseName<RouteCase>);

// Failures inside the call: status 200 and a fault envelope.
struct FaultCase {
    const char* what;
    std::string body;
    std::string faultstring; // empty: any parser message
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.what;
}

class CallFaults : public WebStoreTest, public ::testing::WithParamInterface<FaultCase> { };

TEST_P(CallFaults, AnswerAFaultEnvelope)
{
    const FaultCase& c = GetParam();
    const HttpAnswer answer = handleWebRequest(soapPost(c.body));
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.contentType, soapType);
    const SoapAnswer soap = readAnswer(answer);
    ASSERT_TRUE(soap.wellFormed) << answer.body;
    EXPECT_TRUE(soap.fault);
    EXPECT_EQ(soap.faultcode, "SOAP-ENV:Server");
    if (c.faultstring.empty())
        EXPECT_FALSE(soap.faultstring.isEmpty());
    else
        EXPECT_EQ(soap.faultstring.toStdString(), c.faultstring);
}

std::string envelope(const std::string& inner)
{
    return "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\">" + inner + "</e:Envelope>";
}

std::string callOf(const std::string& inner)
{
    return envelope("<e:Body><m:getappcount xmlns:m=\"urn:vantloIntf-Ivantlo\">" + inner + "</m:getappcount></e:Body>");
}

const char* const doctypeRefused = "A SOAP message must not contain a document type declaration";

const std::string billionLaughs = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
                                  "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
                                  "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
                                  "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
                                  "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">"
                                  "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">"
                                  "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">"
                                  "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">"
                                  "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">"
                                  "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">]>" +
    callOf("<aRoom>&lol9;</aRoom>");

INSTANTIATE_TEST_SUITE_P(Bodies, CallFaults,
    ::testing::Values(
        FaultCase {"unknown operation", envelope("<e:Body><m:getfoo xmlns:m=\"urn:vantloIntf-Ivantlo\"/></e:Body>"),
            "No method named 'getfoo' is supported by interface 'Ivantlo'"},
        FaultCase {"operation name in other case",
            envelope("<e:Body><m:GetRoomCount xmlns:m=\"urn:vantloIntf-Ivantlo\"/></e:Body>"),
            "No method named 'GetRoomCount' is supported by interface 'Ivantlo'"},
        FaultCase {"operation in another namespace", envelope("<e:Body><m:getroomcount xmlns:m=\"urn:x\"/></e:Body>"),
            "Operation getroomcount is not in namespace 'urn:vantloIntf-Ivantlo' of interface 'Ivantlo'"},
        FaultCase {"SOAP 1.2 envelope",
            "<e:Envelope xmlns:e=\"http://www.w3.org/2003/05/soap-envelope\"><e:Body>"
            "<m:getroomcount xmlns:m=\"urn:vantloIntf-Ivantlo\"/></e:Body></e:Envelope>",
            "Invalid SOAP request"},
        FaultCase {
            "Envelope without namespace", "<Envelope><Body><getroomcount/></Body></Envelope>", "Invalid SOAP request"},
        FaultCase {
            "other document element", "<getroomcount xmlns=\"urn:vantloIntf-Ivantlo\"/>", "Invalid SOAP request"},
        FaultCase {"no Body", envelope("<e:Header/>"), "Invalid SOAP request"},
        FaultCase {"empty Body", envelope("<e:Body/>"), "Invalid SOAP request"},
        FaultCase {"two Bodies",
            envelope("<e:Body><m:getroomcount xmlns:m=\"urn:vantloIntf-Ivantlo\"/></e:Body><e:Body/>"),
            "Multiple body elements not supported"},
        FaultCase {"missing parameter", callOf(""), "Missing parameter aRoom of operation getappcount"},
        FaultCase {"parameter deeper down", callOf("<x><aRoom>1</aRoom></x>"),
            "Missing parameter aRoom of operation getappcount"},
        FaultCase {
            "not an integer", callOf("<aRoom>abc</aRoom>"), "'abc' is not a valid integer value for parameter aRoom"},
        FaultCase {"empty integer", callOf("<aRoom/>"), "'' is not a valid integer value for parameter aRoom"},
        FaultCase {"fraction", callOf("<aRoom>1.5</aRoom>"), "'1.5' is not a valid integer value for parameter aRoom"},
        FaultCase {"beyond 32 bits", callOf("<aRoom>4294967296</aRoom>"),
            "'4294967296' is not a valid integer value for parameter aRoom"},
        FaultCase {"long text is cut", callOf("<aRoom>" + std::string(100, 'x') + "</aRoom>"),
            "'" + std::string(40, 'x') + "...' is not a valid integer value for parameter aRoom"},
        FaultCase {"document type", "<!DOCTYPE e:Envelope>" + callOf("<aRoom>1</aRoom>"), doctypeRefused},
        FaultCase {"internal entity", "<!DOCTYPE e:Envelope [<!ENTITY one \"1\">]>" + callOf("<aRoom>&one;</aRoom>"),
            doctypeRefused},
        FaultCase {"external entity",
            "<!DOCTYPE e:Envelope [<!ENTITY pw SYSTEM \"file:///etc/passwd\">]>" + callOf("<aRoom>&pw;</aRoom>"),
            doctypeRefused},
        FaultCase {"external DTD",
            "<!DOCTYPE e:Envelope SYSTEM \"http://example.invalid/x.dtd\">" + callOf("<aRoom>1</aRoom>"),
            doctypeRefused},
        FaultCase {"billion laughs", billionLaughs, doctypeRefused},
        FaultCase {"undeclared entity", callOf("<aRoom>&one;</aRoom>"), ""},
        FaultCase {"not closed", callOf("<aRoom>1</aRoom>").substr(0, 60), ""}, FaultCase {"not XML", "hello", ""},
        FaultCase {"empty body", "", ""}, FaultCase {"unbound prefix", "<x:Envelope><x:Body/></x:Envelope>", ""},
        FaultCase {"invalid UTF-8", callOf("<aRoom>\xff\xfe</aRoom>"), ""},
        FaultCase {"NUL byte", callOf(std::string("<aRoom>1\0</aRoom>", 17)), ""}),
    caseName<FaultCase>);

// What clients may vary and still be served.
using AcceptedRequests = WebStoreTest;

TEST_F(AcceptedRequests, NamesCaseOrderTypesAndSchemaVersions)
{
    const std::string schemas[] = {
        "http://www.w3.org/1999/XMLSchema", "http://www.w3.org/2000/10/XMLSchema", "http://www.w3.org/2001/XMLSchema"};
    const std::string instances[] = {"http://www.w3.org/1999/XMLSchema-instance",
        "http://www.w3.org/2000/10/XMLSchema-instance", "http://www.w3.org/2001/XMLSchema-instance"};
    std::vector<std::string> bodies;
    for (int i = 0; i < 3; ++i)
        bodies.push_back(
            "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:xsd=\"" +
            schemas[i] + "\" xmlns:xsi=\"" + instances[i] +
            "\"><SOAP-ENV:Body><NS1:getappname xmlns:NS1=\"urn:vantloIntf-Ivantlo\">"
            "<aApp xsi:type=\"xsd:int\">0</aApp><aRoom xsi:type=\"xsd:int\">2</aRoom>"
            "</NS1:getappname></SOAP-ENV:Body></SOAP-ENV:Envelope>");
    setShortString(store->Ruimtes[2].Apparaten[0].Omschrijving, QStringLiteral("Spot"));
    bodies.push_back(envelope("<e:Header><h:x xmlns:h=\"urn:h\" e:mustUnderstand=\"0\"/></e:Header>"
                              "<e:Body><getappname xmlns=\"urn:vantloIntf-Ivantlo\"><AROOM> 2 </AROOM>"
                              "<aapp><![CDATA[0]]></aapp><extra>9</extra></getappname><more/></e:Body>"));
    bodies.push_back("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" +
        envelope("<e:Body><m:getappname xmlns:m=\"urn:vantloIntf-Ivantlo\"><aRoom>2</aRoom><aApp>0</aApp>"
                 "<aRoom>9</aRoom></m:getappname></e:Body>"));
    for (const std::string& body : bodies) {
        const SoapAnswer soap = readAnswer(handleWebRequest(soapPost(body)));
        EXPECT_FALSE(soap.fault) << soap.faultstring.toStdString() << "\n" << body;
        EXPECT_EQ(soap.response, "Spot") << body;
    }
}

TEST_F(AcceptedRequests, ServicePageListsTheInterfaceAndExpandsOnRequest)
{
    setServiceProgramName("zolvo<1>");
    const HttpAnswer plain = handleWebRequest(getRequest("/"));
    const HttpAnswer expanded = handleWebRequest(getRequest("/", "intf=Ivantlo"));
    const HttpAnswer types = handleWebRequest(getRequest("/", "types=1"));
    setServiceProgramName("zolvo");
    for (const HttpAnswer* page : {&plain, &expanded, &types}) {
        EXPECT_EQ(page->status, 200);
        EXPECT_EQ(page->contentType, htmlType);
        EXPECT_NE(page->body.find("<title>zolvo&lt;1&gt;</title>"), std::string::npos);
        EXPECT_NE(page->body.find("zolvo&lt;1&gt; - Service Info Page"), std::string::npos);
        EXPECT_NE(page->body.find("urn:vantloIntf-Ivantlo"), std::string::npos);
        EXPECT_NE(page->body.find("href=\"/wsdl/Ivantlo\""), std::string::npos);
    }
    EXPECT_EQ(plain.body.find("dimstand"), std::string::npos);
    for (const char* operation : {"getroomcount", "dimapp", "isDutch"})
        EXPECT_NE(expanded.body.find(operation), std::string::npos) << operation;
    EXPECT_NE(expanded.body.find("aRoom: int, aApp: int, dimstand: int"), std::string::npos);
    EXPECT_NE(expanded.body.find("aImage: string"), std::string::npos);
    EXPECT_EQ(plain.body.find("Registered types"), std::string::npos);
    EXPECT_NE(types.body.find("Registered types"), std::string::npos);
    EXPECT_NE(types.body.find("urn:vantloIntf<"), std::string::npos);
}

} // namespace
