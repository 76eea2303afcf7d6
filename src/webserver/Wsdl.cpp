#include "Wsdl.h"

#include "ProgramName.h"
#include "SoapEnvelope.h"
#include "XmlText.h"
#include "vantloIntf.h"

#include <Poco/SAX/AttributesImpl.h>
#include <Poco/XML/XMLWriter.h>

#include <sstream>

using Poco::XML::AttributesImpl;
using Poco::XML::XMLString;
using Poco::XML::XMLWriter;

namespace {

const XMLString wsdlNs = "http://schemas.xmlsoap.org/wsdl/";
const XMLString wsdlSoapNs = "http://schemas.xmlsoap.org/wsdl/soap/";
const XMLString xsNs(xmlSchemaNamespace);

// Attributes from name/value pairs, all unqualified.
AttributesImpl attributes(std::initializer_list<std::pair<XMLString, XMLString>> pairs)
{
    AttributesImpl result;
    for (const auto& [name, value] : pairs)
        result.addAttribute("", name, name, "CDATA", value);
    return result;
}

void element(XMLWriter& w, const XMLString& ns, const XMLString& qname, const AttributesImpl& attrs)
{
    const std::size_t colon = qname.find(':');
    w.emptyElement(ns, colon == XMLString::npos ? qname : qname.substr(colon + 1), qname, attrs);
}

void start(XMLWriter& w, const XMLString& ns, const XMLString& qname, const AttributesImpl& attrs = {})
{
    const std::size_t colon = qname.find(':');
    w.startElement(ns, colon == XMLString::npos ? qname : qname.substr(colon + 1), qname, attrs);
}

void end(XMLWriter& w, const XMLString& ns, const XMLString& qname)
{
    const std::size_t colon = qname.find(':');
    w.endElement(ns, colon == XMLString::npos ? qname : qname.substr(colon + 1), qname);
}

XMLString messageName(const OperationInfo& operation, std::size_t position, const char* direction)
{
    return XMLString(operation.name) + std::to_string(position) + direction;
}

void writeTypes(XMLWriter& w)
{
    start(w, wsdlNs, "types");
    start(w, xsNs, "xs:schema", attributes({{"targetNamespace", XMLString(resultTypeNamespace)}}));
    start(w, xsNs, "xs:complexType", attributes({{"name", XMLString(resultTypeName)}}));
    start(w, xsNs, "xs:sequence");
    for (std::string_view property : {responsePropertyName, errorPropertyName})
        element(w, xsNs, "xs:element", attributes({{"name", XMLString(property)}, {"type", "xs:string"}}));
    end(w, xsNs, "xs:sequence");
    end(w, xsNs, "xs:complexType");
    end(w, xsNs, "xs:schema");
    end(w, wsdlNs, "types");
}

void writeMessages(XMLWriter& w)
{
    for (std::size_t n = 0; n < IvantloOperations.size(); ++n) {
        const OperationInfo& operation = IvantloOperations[n];
        start(w, wsdlNs, "message", attributes({{"name", messageName(operation, n, "Request")}}));
        for (const ParamInfo& param : operation.params())
            element(w, wsdlNs, "part",
                attributes({{"name", XMLString(param.name)}, {"type", "xs:" + XMLString(schemaTypeName(param.type))}}));
        end(w, wsdlNs, "message");
        start(w, wsdlNs, "message", attributes({{"name", messageName(operation, n, "Response")}}));
        element(w, wsdlNs, "part", attributes({{"name", "return"}, {"type", "ns1:" + XMLString(resultTypeName)}}));
        end(w, wsdlNs, "message");
    }
}

void writePortType(XMLWriter& w)
{
    start(w, wsdlNs, "portType", attributes({{"name", XMLString(interfaceName)}}));
    for (std::size_t n = 0; n < IvantloOperations.size(); ++n) {
        const OperationInfo& operation = IvantloOperations[n];
        start(w, wsdlNs, "operation", attributes({{"name", XMLString(operation.name)}}));
        element(w, wsdlNs, "input", attributes({{"message", "tns:" + messageName(operation, n, "Request")}}));
        element(w, wsdlNs, "output", attributes({{"message", "tns:" + messageName(operation, n, "Response")}}));
        end(w, wsdlNs, "operation");
    }
    end(w, wsdlNs, "portType");
}

void writeBody(XMLWriter& w, const char* direction, const XMLString& message)
{
    start(w, wsdlNs, direction, attributes({{"message", "tns:" + message}}));
    element(w, wsdlSoapNs, "soap:body",
        attributes({{"use", "encoded"}, {"encodingStyle", XMLString(soapEncodingNamespace)},
            {"namespace", XMLString(interfaceNamespace)}}));
    end(w, wsdlNs, direction);
}

void writeBinding(XMLWriter& w)
{
    const XMLString binding = XMLString(interfaceName) + "binding";
    start(w, wsdlNs, "binding", attributes({{"name", binding}, {"type", "tns:" + XMLString(interfaceName)}}));
    element(w, wsdlSoapNs, "soap:binding",
        attributes({{"style", "rpc"}, {"transport", "http://schemas.xmlsoap.org/soap/http"}}));
    for (std::size_t n = 0; n < IvantloOperations.size(); ++n) {
        const OperationInfo& operation = IvantloOperations[n];
        start(w, wsdlNs, "operation", attributes({{"name", XMLString(operation.name)}}));
        element(w, wsdlSoapNs, "soap:operation",
            attributes(
                {{"soapAction", XMLString(interfaceNamespace) + "#" + XMLString(operation.name)}, {"style", "rpc"}}));
        writeBody(w, "input", messageName(operation, n, "Request"));
        writeBody(w, "output", messageName(operation, n, "Response"));
        end(w, wsdlNs, "operation");
    }
    end(w, wsdlNs, "binding");
}

void writeService(XMLWriter& w, const std::string& baseUrl)
{
    // The base comes from the client's Host header: keep it to what XML can carry.
    std::string base = xmlSafeText(QString::fromStdString(baseUrl)).toStdString();
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    const XMLString name(interfaceName);
    start(w, wsdlNs, "service", attributes({{"name", name + "service"}}));
    start(w, wsdlNs, "port", attributes({{"name", name + "Port"}, {"binding", "tns:" + name + "binding"}}));
    element(w, wsdlSoapNs, "soap:address", attributes({{"location", base + "/soap/" + name}}));
    end(w, wsdlNs, "port");
    end(w, wsdlNs, "service");
}

HttpAnswer htmlAnswer(int status, std::string body)
{
    return HttpAnswer {status, htmlContentType, std::move(body)};
}

std::string listingPage()
{
    const std::string program = htmlEscaped(QString::fromStdString(serviceProgramName()));
    const std::string name(interfaceName);
    return "<html><head><title>" + program + " - WebService Listing</title></head><body><h1>" + program +
        " - WebService Listing</h1><table border=\"1\"><tr><th>Port Type</th><th>Namespace URI</th>"
        "<th>Documentation</th><th>WSDL</th></tr><tr><td>" +
        name + "</td><td>" + std::string(interfaceNamespace) + "</td><td></td><td><a href=\"/wsdl/" + name + "\">" +
        name + "</a></td></tr></table></body></html>";
}

} // namespace

std::string wsdlDocument(const std::string& baseUrl)
{
    std::ostringstream out;
    XMLWriter w(out, XMLWriter::WRITE_XML_DECLARATION | XMLWriter::PRETTY_PRINT);
    w.setNewLine("\n");
    w.setIndent("  ");
    w.startDocument();
    w.startPrefixMapping("", wsdlNs);
    w.startPrefixMapping("xs", xsNs);
    w.startPrefixMapping("tns", wsdlTargetNamespace);
    w.startPrefixMapping("soap", wsdlSoapNs);
    w.startPrefixMapping("soapenc", XMLString(soapEncodingNamespace));
    w.startPrefixMapping("ns1", XMLString(resultTypeNamespace));
    start(w, wsdlNs, "definitions",
        attributes({{"name", XMLString(interfaceName) + "service"}, {"targetNamespace", wsdlTargetNamespace}}));
    writeTypes(w);
    writeMessages(w);
    writePortType(w);
    writeBinding(w);
    writeService(w, baseUrl);
    end(w, wsdlNs, "definitions");
    w.endDocument();
    return out.str();
}

HttpAnswer handleWsdlRequest(const WebRequest& request)
{
    // The path matched "/wsdl*"; what follows "/wsdl/" names an interface.
    const std::string rest = request.path.size() > 5 ? request.path.substr(5) : std::string();
    if (rest.size() <= 1 || rest.front() != '/')
        return htmlAnswer(200, listingPage());
    const std::string name = rest.substr(1);
    if (equalsIgnoringCase(name, interfaceName))
        return HttpAnswer {200, "text/xml", wsdlDocument(request.baseUrl)};
    if (equalsIgnoringCase(name, "admin"))
        return htmlAnswer(
            403, "<html><head></head><body><h1>Forbidden (403)</h1><P>Access Forbidden</P></body></html>");
    return htmlAnswer(200,
        "<html><head></head><body><h1>Error Encountered</h1><P>Interface " + htmlEscaped(name) +
            " not found</P></body></html>");
}
