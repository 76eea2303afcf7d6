// The WSDL 1.1 description read back element by element: message names with
// their positions, parts, port type order, binding and service address.
#include "SoapTestClient.h"
#include "vantloIntf.h"

#include <gtest/gtest.h>

namespace {

const QString wsdlNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString wsdlSoapNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");

struct Expected {
    const char* operation;
    std::vector<std::pair<QString, QString>> parts; // name, resolved type
};

const QString xsInt = "{" + xsdNs + "}int";
const QString xsString = "{" + xsdNs + "}string";

// The operations in their published order, written out independently of the table.
const std::vector<Expected> expected = {
    {"getroomcount", {}},
    {"getappcount", {{"aRoom", xsInt}}},
    {"getroomname", {{"aRoom", xsInt}}},
    {"getappname", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"getappcode", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"dimapp", {{"aRoom", xsInt}, {"aApp", xsInt}, {"dimstand", xsInt}}},
    {"isappdimmable", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"isappoudModel", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"apparaatAan", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"apparaatUit", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"getAppImage", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"getscenecount", {}},
    {"getscenename", {{"aScene", xsInt}}},
    {"sceneActivate", {{"aScene", xsInt}}},
    {"apparaatWakeUp", {{"aRoom", xsInt}, {"aApp", xsInt}}},
    {"getwebserverinfo", {}},
    {"setImage", {{"aRoom", xsInt}, {"aApp", xsInt}, {"aImage", xsString}}},
    {"isDutch", {}},
};

XmlNode fetchWsdl(const std::string& baseUrl)
{
    WebRequest request = getRequest("/wsdl/Ivantlo");
    request.baseUrl = baseUrl;
    const HttpAnswer answer = handleWebRequest(request);
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.contentType, "text/xml");
    std::optional<XmlNode> root = parseXml(answer.body);
    EXPECT_TRUE(root) << answer.body;
    return root ? *root : XmlNode {};
}

TEST(Wsdl, OperationTableMatchesThePublishedOrder)
{
    ASSERT_EQ(IvantloOperations.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(IvantloOperations[n].name, expected[n].operation);
        ASSERT_EQ(IvantloOperations[n].params().size(), expected[n].parts.size());
    }
}

TEST(Wsdl, DefinitionsTypesAndMessages)
{
    const XmlNode root = fetchWsdl("http://192.168.1.20:8080");
    EXPECT_EQ(root.ns, wsdlNs);
    EXPECT_EQ(root.name, "definitions");
    EXPECT_EQ(root.attribute(QString(), "name"), "Ivantloservice");
    EXPECT_TRUE(root.attribute(QString(), "targetNamespace"));

    const XmlNode* types = root.child(wsdlNs, "types");
    ASSERT_TRUE(types);
    const XmlNode* schema = types->child(xsdNs, "schema");
    ASSERT_TRUE(schema);
    EXPECT_EQ(schema->attribute(QString(), "targetNamespace"), typeNs);
    const XmlNode* complex = schema->child(xsdNs, "complexType");
    ASSERT_TRUE(complex);
    EXPECT_EQ(complex->attribute(QString(), "name"), "TWebserverResponse");
    const XmlNode* sequence = complex->child(xsdNs, "sequence");
    ASSERT_TRUE(sequence);
    ASSERT_EQ(sequence->children.size(), 2u);
    EXPECT_EQ(sequence->children[0].attribute(QString(), "name"), "response");
    EXPECT_EQ(sequence->children[1].attribute(QString(), "name"), "error");
    for (const XmlNode& element : sequence->children)
        EXPECT_EQ(element.resolvedAttribute(QString(), "type"), xsString);

    const std::vector<const XmlNode*> messages = root.all(wsdlNs, "message");
    ASSERT_EQ(messages.size(), 2 * expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const QString stem = QString::fromLatin1(expected[n].operation) + QString::number(n);
        const XmlNode& request = *messages[2 * n];
        const XmlNode& response = *messages[2 * n + 1];
        EXPECT_EQ(request.attribute(QString(), "name"), stem + "Request");
        EXPECT_EQ(response.attribute(QString(), "name"), stem + "Response");
        ASSERT_EQ(request.children.size(), expected[n].parts.size()) << stem.toStdString();
        for (std::size_t p = 0; p < expected[n].parts.size(); ++p) {
            EXPECT_EQ(request.children[p].name, "part");
            EXPECT_EQ(request.children[p].attribute(QString(), "name"), expected[n].parts[p].first);
            EXPECT_EQ(request.children[p].resolvedAttribute(QString(), "type"), expected[n].parts[p].second);
        }
        ASSERT_EQ(response.children.size(), 1u);
        EXPECT_EQ(response.children[0].attribute(QString(), "name"), "return");
        EXPECT_EQ(response.children[0].resolvedAttribute(QString(), "type"), "{urn:vantloIntf}TWebserverResponse");
    }
}

TEST(Wsdl, PortTypeBindingAndService)
{
    const XmlNode root = fetchWsdl("http://192.168.1.20:8080");
    const QString tns = "{" + root.attribute(QString(), "targetNamespace").value_or(QString()) + "}";

    const XmlNode* portType = root.child(wsdlNs, "portType");
    ASSERT_TRUE(portType);
    EXPECT_EQ(portType->attribute(QString(), "name"), "Ivantlo");
    ASSERT_EQ(portType->children.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const XmlNode& operation = portType->children[n];
        const QString stem = QString::fromLatin1(expected[n].operation) + QString::number(n);
        EXPECT_EQ(operation.attribute(QString(), "name"), expected[n].operation);
        ASSERT_TRUE(operation.child(wsdlNs, "input") && operation.child(wsdlNs, "output"));
        EXPECT_EQ(operation.child(wsdlNs, "input")->resolvedAttribute(QString(), "message"), tns + stem + "Request");
        EXPECT_EQ(operation.child(wsdlNs, "output")->resolvedAttribute(QString(), "message"), tns + stem + "Response");
    }

    const XmlNode* binding = root.child(wsdlNs, "binding");
    ASSERT_TRUE(binding);
    EXPECT_EQ(binding->attribute(QString(), "name"), "Ivantlobinding");
    EXPECT_EQ(binding->resolvedAttribute(QString(), "type"), tns + "Ivantlo");
    const XmlNode* soapBinding = binding->child(wsdlSoapNs, "binding");
    ASSERT_TRUE(soapBinding);
    EXPECT_EQ(soapBinding->attribute(QString(), "style"), "rpc");
    EXPECT_EQ(soapBinding->attribute(QString(), "transport"), "http://schemas.xmlsoap.org/soap/http");
    const std::vector<const XmlNode*> operations = binding->all(wsdlNs, "operation");
    ASSERT_EQ(operations.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const XmlNode& operation = *operations[n];
        SCOPED_TRACE(expected[n].operation);
        EXPECT_EQ(operation.attribute(QString(), "name"), expected[n].operation);
        const XmlNode* soapOperation = operation.child(wsdlSoapNs, "operation");
        ASSERT_TRUE(soapOperation);
        EXPECT_EQ(soapOperation->attribute(QString(), "soapAction"),
            QStringLiteral("urn:vantloIntf-Ivantlo#") + expected[n].operation);
        for (const char* direction : {"input", "output"}) {
            const XmlNode* message = operation.child(wsdlNs, direction);
            ASSERT_TRUE(message);
            const XmlNode* body = message->child(wsdlSoapNs, "body");
            ASSERT_TRUE(body);
            EXPECT_EQ(body->attribute(QString(), "use"), "encoded");
            EXPECT_EQ(body->attribute(QString(), "encodingStyle"), encNs);
            EXPECT_EQ(body->attribute(QString(), "namespace"), callNs);
        }
    }

    const XmlNode* service = root.child(wsdlNs, "service");
    ASSERT_TRUE(service);
    EXPECT_EQ(service->attribute(QString(), "name"), "Ivantloservice");
    const XmlNode* port = service->child(wsdlNs, "port");
    ASSERT_TRUE(port);
    EXPECT_EQ(port->attribute(QString(), "name"), "IvantloPort");
    EXPECT_EQ(port->resolvedAttribute(QString(), "binding"), tns + "Ivantlobinding");
    const XmlNode* address = port->child(wsdlSoapNs, "address");
    ASSERT_TRUE(address);
    EXPECT_EQ(address->attribute(QString(), "location"), "http://192.168.1.20:8080/soap/Ivantlo");
}

TEST(Wsdl, AddressFollowsTheBaseTheClientUsed)
{
    const std::pair<std::string, QString> cases[] = {
        {"http://[fe80::1]:8080", "http://[fe80::1]:8080/soap/Ivantlo"},
        {"http://zolvo-pc:8080/", "http://zolvo-pc:8080/soap/Ivantlo"},
        {"http://a\x01"
         "b:1",
            "http://a?b:1/soap/Ivantlo"},
    };
    for (const auto& [base, location] : cases) {
        const XmlNode root = fetchWsdl(base);
        const XmlNode* service = root.child(wsdlNs, "service");
        ASSERT_TRUE(
            service && service->child(wsdlNs, "port") && service->child(wsdlNs, "port")->child(wsdlSoapNs, "address"));
        EXPECT_EQ(
            service->child(wsdlNs, "port")->child(wsdlSoapNs, "address")->attribute(QString(), "location"), location);
    }
}

} // namespace
