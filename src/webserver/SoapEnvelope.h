#pragma once

#include "vantloIntf.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The SOAP 1.1 wire form of calls, results and faults.

inline constexpr std::string_view soapEnvelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/";
inline constexpr std::string_view soapEncodingNamespace = "http://schemas.xmlsoap.org/soap/encoding/";
inline constexpr std::string_view xmlSchemaNamespace = "http://www.w3.org/2001/XMLSchema";
inline constexpr std::string_view xmlSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";

// A failure of the SOAP layer; its text becomes the faultstring.
class SoapFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The call as the Body's element carries it (UTF-8 texts).
struct SoapRequest {
    std::string operation; // local name
    std::string operationNamespace;
    std::vector<std::pair<std::string, std::string>> children; // local name, text
};

// Parses an envelope, namespace-aware, refusing any DOCTYPE and loading no
// external entity. Throws SoapFault: "Invalid SOAP request" for a document
// element that is not a SOAP 1.1 Envelope (or an Envelope without a call),
// "Multiple body elements not supported", or the parser's message.
SoapRequest parseSoapRequest(std::string_view body);

// The text of the first child whose local name equals `name` without regard
// to case, or nullptr.
const std::string* findChild(const SoapRequest& request, std::string_view name);

// The successful response: operation + "Response" holding the result object
// (id="1") and "return" referring to it.
std::string writeSoapResponse(std::string_view operation, const TWebserverResponse& result);

// The fault envelope of a failed call: faultcode, faultstring, empty faultactor.
std::string writeSoapFault(const QString& message);

// The fixed fault document of the dispatch errors: faultcode and faultstring only.
std::string writeDispatchFault(const QString& message);
