#pragma once

#include "HttpAnswer.h"

#include <optional>
#include <string>

// The request-handling module: routes one HTTP request to the SOAP
// endpoint, the WSDL publisher or the service page. Pure: no sockets, so
// tests and fuzzers call it directly.
struct WebRequest {
    std::string method; // "GET", "POST", ...
    std::string path; // "/soap/Ivantlo", without the query
    std::string query; // "intf=Ivantlo&types=1", without "?"
    std::optional<std::string> soapAction; // the SOAPAction header when present
    std::string body;
    std::string baseUrl; // scheme, host and port the client used: "http://host:8080"
};

HttpAnswer handleWebRequest(const WebRequest& request);

// The program file's name without extension, shown on the service page.
void setServiceProgramName(const std::string& name);
