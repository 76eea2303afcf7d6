#pragma once

#include "HttpAnswer.h"
#include "WebModule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Serves one SOAP call: selects the interface by SOAPAction or path, parses
// the envelope, calls the operation on a fresh Tvantlo and writes the
// response. Dispatch errors give status 500 and the fixed fault document;
// failures of the call itself status 200 and a fault envelope.
HttpAnswer handleSoapCall(const WebRequest& request);

inline constexpr const char* soapContentType = "text/xml; charset=\"utf-8\"";

// The SOAPAction header without surrounding double quotes.
std::string strippedSoapAction(const std::string& action);

// A 32-bit decimal integer as XML Schema writes it (surrounding white space
// allowed), or std::nullopt.
std::optional<std::int32_t> parseSchemaInt(std::string_view text);
