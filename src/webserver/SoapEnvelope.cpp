#include "SoapEnvelope.h"

#include "XmlText.h"

#include <Poco/Exception.h>
#include <Poco/SAX/AttributesImpl.h>
#include <Poco/SAX/DefaultHandler.h>
#include <Poco/SAX/LexicalHandler.h>
#include <Poco/SAX/SAXException.h>
#include <Poco/SAX/SAXParser.h>
#include <Poco/XML/XMLWriter.h>

#include <array>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <sstream>
#include <vector>

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

// An unqualified element holding escaped text; an empty text gives an empty element.
void rawTextElement(
    XMLWriter& writer, const XMLString& name, const std::string& escaped, const AttributesImpl& attributes = {})
{
    writer.startElement("", name, name, attributes);
    if (!escaped.empty())
        writer.rawCharacters(escaped);
    writer.endElement("", name, name);
}

void textElement(XMLWriter& writer, const XMLString& name, const QString& text, const AttributesImpl& attributes = {})
{
    rawTextElement(writer, name, xmlContent(text), attributes);
}

// The response document with `response` and `error` written as they are
// (already escaped; empty gives an empty element).
std::string responseDocument(std::string_view operation, const std::string& response, const std::string& error)
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
    rawTextElement(writer, XMLString(responsePropertyName), response, stringType);
    rawTextElement(writer, XMLString(errorPropertyName), error, stringType);
    writer.endElement(typeNs, typeName, "NS2:" + typeName);

    AttributesImpl reference;
    reference.addAttribute("", "href", "href", "CDATA", "#1");
    writer.emptyElement("", "return", "return", reference);

    writer.endElement(callNs, responseName, "NS1:" + responseName);
    endEnvelope(writer);
    return out.str();
}

// The response of an operation as fixed pieces around its values: the
// writer's document with a mark where each non-empty value goes, split at
// the marks. Made once per operation and shape (which values are empty),
// so a call only joins strings; the bytes are the writer's.
const std::vector<std::string>& responseTemplate(std::string_view operation, bool responseEmpty, bool errorEmpty)
{
    static const std::string mark("\x01");
    static std::shared_mutex mutex;
    static std::map<std::string, std::array<std::vector<std::string>, 4>, std::less<>> templates;
    const std::size_t shape = (responseEmpty ? 1 : 0) | (errorEmpty ? 2 : 0);
    {
        const std::shared_lock lock(mutex);
        if (const auto found = templates.find(operation); found != templates.end())
            return found->second[shape];
    }
    std::array<std::vector<std::string>, 4> shapes;
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        const std::string document = responseDocument(operation, s & 1 ? "" : mark, s & 2 ? "" : mark);
        for (std::size_t from = 0;;) {
            const std::size_t at = document.find(mark, from);
            shapes[s].push_back(document.substr(from, at == std::string::npos ? std::string::npos : at - from));
            if (at == std::string::npos)
                break;
            from = at + mark.size();
        }
    }
    const std::unique_lock lock(mutex);
    return templates.try_emplace(std::string(operation), std::move(shapes)).first->second[shape];
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
    const std::string response = xmlContent(result.response);
    const std::string error = xmlContent(result.error);
    const std::vector<std::string>& pieces = responseTemplate(operation, response.empty(), error.empty());
    std::string out;
    out.reserve(pieces.front().size() * 2 + response.size() + error.size());
    std::size_t piece = 0;
    out += pieces[piece++];
    for (const std::string* value : {&response, &error}) {
        if (value->empty())
            continue;
        out += *value;
        out += pieces[piece++];
    }
    return out;
}

std::string writeSoapFault(const QString& message)
{
    return faultDocument(message, true);
}

std::string writeDispatchFault(const QString& message)
{
    return faultDocument(message, false);
}
