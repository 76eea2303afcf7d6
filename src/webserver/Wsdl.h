#pragma once

#include "HttpAnswer.h"
#include "WebModule.h"

#include <string>

// The WSDL publisher: "/wsdl" lists the published interfaces, "/wsdl/Ivantlo"
// is the WSDL 1.1 description, "/wsdl/admin" is forbidden, and any other
// name answers that the interface is not found.
HttpAnswer handleWsdlRequest(const WebRequest& request);

// The WSDL document; the service's SOAP address is `baseUrl` + "/soap/Ivantlo".
std::string wsdlDocument(const std::string& baseUrl);

inline constexpr const char* wsdlTargetNamespace = "http://tempuri.org/";
