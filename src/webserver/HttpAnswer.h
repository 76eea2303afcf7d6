#pragma once

#include <string>

// What the web module answers to one HTTP request.
struct HttpAnswer {
    int status = 200;
    std::string contentType; // e.g. "text/xml; charset=\"utf-8\""
    std::string body;
};
