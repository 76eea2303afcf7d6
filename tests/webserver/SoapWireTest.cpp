// The exact form of responses and faults on the wire, read back with a
// namespace-aware parser of its own, and one response byte for byte.
#include "SoapEnvelope.h"
#include "SoapTestClient.h"
#include "WebStoreTest.h"

#include "Cp1252.h"

namespace {

using SoapWire = WebStoreTest;

const char* const goldenGetroomcount =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<SOAP-ENV:Envelope xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
    "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
    "<SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
    "<NS1:getroomcountResponse xmlns:NS1=\"urn:vantloIntf-Ivantlo\">"
    "<NS2:TWebserverResponse id=\"1\" xmlns:NS2=\"urn:vantloIntf\" xsi:type=\"NS2:TWebserverResponse\">"
    "<response xsi:type=\"xsd:string\">0</response><error xsi:type=\"xsd:string\"/>"
    "</NS2:TWebserverResponse><return href=\"#1\"/></NS1:getroomcountResponse>"
    "</SOAP-ENV:Body></SOAP-ENV:Envelope>";

TEST_F(SoapWire, GetroomcountOnAnEmptyConfigurationByteForByte)
{
    const HttpAnswer answer =
        handleWebRequest(soapPost(callEnvelope("getroomcount"), "\"urn:vantloIntf-Ivantlo#getroomcount\""));
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.contentType, "text/xml; charset=\"utf-8\"");
    EXPECT_EQ(answer.body, goldenGetroomcount);
}

// Every element checked by namespace and local name, in order.
void expectResponseStructure(
    const std::string& document, const QString& operation, const QString& response, const QString& error)
{
    const std::optional<XmlNode> root = parseXml(document);
    ASSERT_TRUE(root) << document;
    EXPECT_EQ(root->ns, envNs);
    EXPECT_EQ(root->name, "Envelope");
    EXPECT_EQ(root->qualifiedName, "SOAP-ENV:Envelope");
    const QMap<QString, QString> prefixes {{"SOAP-ENV", envNs}, {"SOAP-ENC", encNs}, {"xsd", xsdNs}, {"xsi", xsiNs}};
    for (auto it = prefixes.begin(); it != prefixes.end(); ++it)
        EXPECT_EQ(root->inScope.value(it.key()), it.value()) << it.key().toStdString();

    ASSERT_EQ(root->children.size(), 1u);
    const XmlNode& body = root->children[0];
    EXPECT_EQ(body.ns, envNs);
    EXPECT_EQ(body.name, "Body");
    EXPECT_EQ(body.attribute(envNs, "encodingStyle"), encNs);

    ASSERT_EQ(body.children.size(), 1u);
    const XmlNode& call = body.children[0];
    EXPECT_EQ(call.ns, callNs);
    EXPECT_EQ(call.name, operation + "Response");

    ASSERT_EQ(call.children.size(), 2u);
    const XmlNode& object = call.children[0];
    EXPECT_EQ(object.ns, typeNs);
    EXPECT_EQ(object.name, "TWebserverResponse");
    EXPECT_EQ(object.attribute(QString(), "id"), "1");
    EXPECT_EQ(object.resolvedAttribute(xsiNs, "type"), "{urn:vantloIntf}TWebserverResponse");
    ASSERT_EQ(object.children.size(), 2u);
    const QString names[] = {"response", "error"};
    const QString texts[] = {response, error};
    for (int i = 0; i < 2; ++i) {
        const XmlNode& field = object.children[i];
        EXPECT_EQ(field.ns, QString());
        EXPECT_EQ(field.name, names[i]);
        EXPECT_EQ(field.resolvedAttribute(xsiNs, "type"), "{" + xsdNs + "}string");
        EXPECT_TRUE(field.children.empty());
        EXPECT_EQ(field.text, texts[i]);
    }

    const XmlNode& ret = call.children[1];
    EXPECT_EQ(ret.ns, QString());
    EXPECT_EQ(ret.name, "return");
    EXPECT_EQ(ret.attribute(QString(), "href"), "#1");
    EXPECT_TRUE(ret.children.empty());
    EXPECT_TRUE(ret.text.isEmpty());
}

TEST_F(SoapWire, ResponseStructureForEveryKindOfResult)
{
    setShortString(store->Ruimtes[0].Omschrijving, QStringLiteral("<R&D> \"1\""));
    setShortString(store->Ruimtes[1].Omschrijving, QString::fromUtf8("Caf\u00e9 \u20ac"));
    store->Ruimtes[2].Omschrijving.assign("a\x01"
                                          "b\x7F");
    struct Case {
        std::string operation;
        Params params;
        QString response;
        QString error;
    };
    const Case cases[] = {
        {"getroomcount", {}, "3", ""},
        {"getroomname", {{"aRoom", "0"}}, "<R&D> \"1\"", ""},
        {"getroomname", {{"aRoom", "1"}}, QString::fromUtf8("Caf\u00e9 \u20ac"), ""},
        // Characters XML 1.0 cannot carry arrive as "?".
        {"getroomname", {{"aRoom", "2"}}, QString::fromUtf8("a?b\u007F"), ""},
        {"getwebserverinfo", {}, "Delphi", "NOERROR"},
        {"getroomname", {{"aRoom", "16"}}, "", "Room index 16 is out of range 0..15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation + " " + (c.params.empty() ? "" : c.params[0].second));
        const HttpAnswer answer = handleWebRequest(soapPost(callEnvelope(c.operation, c.params)));
        EXPECT_EQ(answer.status, 200);
        expectResponseStructure(answer.body, QString::fromStdString(c.operation), c.response, c.error);
    }
}

TEST_F(SoapWire, CarriageReturnsSurviveTheParser)
{
    TWebserverResponse result {QStringLiteral("QUJD\r\nREVG"), QStringLiteral("NOERROR")};
    const std::string document = writeSoapResponse("getAppImage", result);
    expectResponseStructure(document, "getAppImage", result.response, result.error);
    // Both values empty: the shape no operation above answers with.
    expectResponseStructure(writeSoapResponse("getAppImage", {}), "getAppImage", "", "");
}

void expectFault(const std::string& document, const QString& message, bool withActor)
{
    const std::optional<XmlNode> root = parseXml(document);
    ASSERT_TRUE(root) << document;
    EXPECT_EQ(root->ns, envNs);
    EXPECT_EQ(root->name, "Envelope");
    ASSERT_EQ(root->children.size(), 1u);
    const XmlNode& body = root->children[0];
    EXPECT_EQ(body.ns, envNs);
    EXPECT_EQ(body.name, "Body");
    ASSERT_EQ(body.children.size(), 1u);
    const XmlNode& fault = body.children[0];
    EXPECT_EQ(fault.ns, envNs);
    EXPECT_EQ(fault.qualifiedName, "SOAP-ENV:Fault");
    ASSERT_EQ(fault.children.size(), withActor ? 3u : 2u);
    EXPECT_EQ(fault.children[0].name, "faultcode");
    EXPECT_EQ(fault.children[0].text, "SOAP-ENV:Server");
    EXPECT_EQ(fault.children[1].name, "faultstring");
    EXPECT_EQ(fault.children[1].text, message);
    if (withActor) {
        EXPECT_EQ(fault.children[2].name, "faultactor");
        EXPECT_TRUE(fault.children[2].text.isEmpty());
    }
    for (const XmlNode& child : fault.children)
        EXPECT_EQ(child.ns, QString()) << "fault children are unqualified";
}

TEST(SoapFaults, FaultEnvelopeAndFixedDispatchDocument)
{
    const QString message = QStringLiteral("No method named 'x<y>' is supported by interface 'Ivantlo'");
    expectFault(writeSoapFault(message), message, true);

    const std::string fixed = writeDispatchFault(QStringLiteral("No interface  registered for URL '/soap'"));
    expectFault(fixed, QStringLiteral("No interface  registered for URL '/soap'"), false);
    EXPECT_EQ(fixed.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?><SOAP-ENV:Envelope ", 0), 0u);
    EXPECT_EQ(fixed.find('\n'), std::string::npos) << "one piece";
    // Control characters a header may bring cannot break the document.
    expectFault(writeDispatchFault(QStringLiteral("a\x01\x1b"
                                                  "b")),
        QStringLiteral("a??b"), false);
}

} // namespace
