#include "SoapEnvelope.h"

#include "XmlText.h"

#include <Poco/Exception.h>
#include <Poco/SAX/AttributesImpl.h>
#include <Poco/SAX/DefaultHandler.h>
#include <Poco/SAX/LexicalHandler.h>
#include <Poco/SAX/SAXException.h>
#include <Poco/SAX/SAXParser.h>
#include <Poco/XML/XMLWriter.h>

#include <sstream>

using Poco::XML::AttributesImpl;
using Poco::XML::XMLString;
using Poco::XML::XMLWriter;

namespace {

const char* const invalidRequestText = "Invalid SOAP request";

// Follows the envelope as the parser reports it, without building a tree:
// depth 1 the Envelope, 2 its Body, 3 the call, 4 the call's children.
class EnvelopeReader : public Poco::XML::DefaultHandler, public Poco::XML::LexicalHandler {
public:
    SoapRequest request;
    int bodies = 0;
    bool sawCall = false;
    // The first fault found; the rest of the document is only checked for
    // being well-formed. (Throwing from an element callback would leave the
    // parser's memory for that element behind.)
    std::string failure;

    void startElement(
        const XMLString& uri, const XMLString& localName, const XMLString&, const Poco::XML::Attributes&) override
    {
        ++_depth;
        if (!failure.empty())
            return;
        if (_depth == 1) {
            if (uri != soapEnvelopeNamespace || localName != "Envelope")
                failure = invalidRequestText;
        } else if (_depth == 2) {
            _inBody = uri == soapEnvelopeNamespace && localName == "Body";
            if (_inBody && ++bodies > 1)
                failure = "Multiple body elements not supported";
        } else if (_depth == 3 && _inBody && !sawCall) {
            sawCall = true;
            _inCall = true;
            request.operation = localName;
            request.operationNamespace = uri;
        } else if (_depth == 4 && _inCall) {
            request.children.emplace_back(localName, std::string());
            _inChild = true;
        }
    }

    void endElement(const XMLString&, const XMLString&, const XMLString&) override
    {
        if (_depth == 4)
            _inChild = false;
        else if (_depth == 3)
            _inCall = false;
        else if (_depth == 2)
            _inBody = false;
        --_depth;
    }

    void characters(const Poco::XML::XMLChar ch[], int start, int length) override
    {
        if (failure.empty() && _inChild && _depth == 4 && length > 0)
            request.children.back().second.append(ch + start, static_cast<std::size_t>(length));
    }

    // SOAP messages must not carry a document type declaration; refusing it
    // at its start means no entity of it is ever declared or expanded. Here
    // nothing of an element is under way, so the parser can be left at once.
    void startDTD(const XMLString&, const XMLString&, const XMLString&) override
    {
        throw SoapFault("A SOAP message must not contain a document type declaration");
    }
    void endDTD() override { }
    void startEntity(const XMLString&) override { }
    void endEntity(const XMLString&) override { }
    void startCDATA() override { }
    void endCDATA() override { }
    void comment(const Poco::XML::XMLChar[], int, int) override { }

private:
    int _depth = 0;
    bool _inBody = false;
    bool _inCall = false;
    bool _inChild = false;
};

const XMLString envNs(soapEnvelopeNamespace);
const XMLString xsiNs(xmlSchemaInstanceNamespace);

void startEnvelope(XMLWriter& writer)
{
    writer.startDocument();
    writer.startPrefixMapping("SOAP-ENV", envNs);
    writer.startPrefixMapping("SOAP-ENC", XMLString(soapEncodingNamespace));
    writer.startPrefixMapping("xsd", XMLString(xmlSchemaNamespace));
    writer.startPrefixMapping("xsi", xsiNs);
    writer.startElement(envNs, "Envelope", "SOAP-ENV:Envelope");
}

void endEnvelope(XMLWriter& writer)
{
    writer.endElement(envNs, "Body", "SOAP-ENV:Body");
    writer.endElement(envNs, "Envelope", "SOAP-ENV:Envelope");
    writer.endDocument();
}

// An unqualified element holding text; an empty text gives an empty element.
void textElement(XMLWriter& writer, const XMLString& name, const QString& text, const AttributesImpl& attributes = {})
{
    writer.startElement("", name, name, attributes);
    if (!text.isEmpty())
        writer.rawCharacters(xmlContent(text));
    writer.endElement("", name, name);
}

std::string faultDocument(const QString& message, bool withActor)
{
    std::ostringstream out;
    XMLWriter writer(out, XMLWriter::WRITE_XML_DECLARATION);
    startEnvelope(writer);
    writer.startElement(envNs, "Body", "SOAP-ENV:Body");
    writer.startElement(envNs, "Fault", "SOAP-ENV:Fault");
    textElement(writer, "faultcode", QStringLiteral("SOAP-ENV:Server"));
    textElement(writer, "faultstring", message);
    if (withActor)
        textElement(writer, "faultactor", QString());
    writer.endElement(envNs, "Fault", "SOAP-ENV:Fault");
    endEnvelope(writer);
    return out.str();
}

} // namespace

SoapRequest parseSoapRequest(std::string_view body)
{
    EnvelopeReader reader;
    Poco::XML::SAXParser parser;
    // Namespace prefixes on: without them the parser reports a stale
    // namespace for unqualified elements.
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_NAMESPACE_PREFIXES, true);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_GENERAL_ENTITIES, false);
    parser.setFeature(Poco::XML::XMLReader::FEATURE_EXTERNAL_PARAMETER_ENTITIES, false);
    // Bounds entity expansion even if a declaration ever got through.
    parser.setProperty(Poco::XML::SAXParser::PROPERTY_BLA_MAXIMUM_AMPLIFICATION, "2.0");
    parser.setProperty(Poco::XML::SAXParser::PROPERTY_BLA_ACTIVATION_THRESHOLD, "65536");
    parser.setContentHandler(&reader);
    parser.setProperty(
        Poco::XML::XMLReader::PROPERTY_LEXICAL_HANDLER, static_cast<Poco::XML::LexicalHandler*>(&reader));
    try {
        parser.parseMemoryNP(body.data(), body.size());
    } catch (const SoapFault&) {
        throw;
    } catch (const Poco::Exception& e) {
        throw SoapFault(e.message().empty() ? e.displayText() : e.message());
    }
    if (!reader.failure.empty())
        throw SoapFault(reader.failure);
    if (!reader.sawCall)
        throw SoapFault(invalidRequestText);
    return std::move(reader.request);
}

const std::string* findChild(const SoapRequest& request, std::string_view name)
{
    for (const auto& [localName, text] : request.children)
        if (equalsIgnoringCase(localName, name))
            return &text;
    return nullptr;
}

std::string writeSoapResponse(std::string_view operation, const TWebserverResponse& result)
{
    const XMLString callNs(interfaceNamespace);
    const XMLString typeNs(resultTypeNamespace);
    const XMLString responseName = XMLString(operation) + "Response";
    const XMLString typeName(resultTypeName);

    std::ostringstream out;
    XMLWriter writer(out, XMLWriter::WRITE_XML_DECLARATION);
    startEnvelope(writer);
    AttributesImpl bodyAttributes;
    bodyAttributes.addAttribute(
        envNs, "encodingStyle", "SOAP-ENV:encodingStyle", "CDATA", XMLString(soapEncodingNamespace));
    writer.startElement(envNs, "Body", "SOAP-ENV:Body", bodyAttributes);

    writer.startPrefixMapping("NS1", callNs);
    writer.startElement(callNs, responseName, "NS1:" + responseName);

    AttributesImpl objectAttributes;
    objectAttributes.addAttribute("", "id", "id", "CDATA", "1");
    objectAttributes.addAttribute(xsiNs, "type", "xsi:type", "CDATA", "NS2:" + typeName);
    writer.startPrefixMapping("NS2", typeNs);
    writer.startElement(typeNs, typeName, "NS2:" + typeName, objectAttributes);
    AttributesImpl stringType;
    stringType.addAttribute(xsiNs, "type", "xsi:type", "CDATA", "xsd:string");
    textElement(writer, XMLString(responsePropertyName), result.response, stringType);
    textElement(writer, XMLString(errorPropertyName), result.error, stringType);
    writer.endElement(typeNs, typeName, "NS2:" + typeName);

    AttributesImpl reference;
    reference.addAttribute("", "href", "href", "CDATA", "#1");
    writer.emptyElement("", "return", "return", reference);

    writer.endElement(callNs, responseName, "NS1:" + responseName);
    endEnvelope(writer);
    return out.str();
}

std::string writeSoapFault(const QString& message)
{
    return faultDocument(message, true);
}

std::string writeDispatchFault(const QString& message)
{
    return faultDocument(message, false);
}
