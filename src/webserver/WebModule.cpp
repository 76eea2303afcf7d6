#include "WebModule.h"

#include "ProgramName.h"
#include "ServicePage.h"
#include "SoapEndpoint.h"
#include "Wsdl.h"

#include <mutex>
#include <string_view>

namespace {

std::mutex programNameMutex;
std::string programName = "zolvo";

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Wildcard match without regard to case: "*" matches any run of characters.
// Iterative, backtracking only to the last "*".
bool maskMatches(std::string_view mask, std::string_view text)
{
    std::size_t m = 0, t = 0;
    std::size_t starMask = std::string_view::npos, starText = 0;
    while (t < text.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starText = t;
        } else if (m < mask.size() && asciiLower(mask[m]) == asciiLower(text[t])) {
            ++m;
            ++t;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

std::string serviceProgramName()
{
    std::lock_guard lock(programNameMutex);
    return programName;
}

void setServiceProgramName(const std::string& name)
{
    std::lock_guard lock(programNameMutex);
    programName = name;
}

HttpAnswer handleWebRequest(const WebRequest& request)
{
    try {
        if (request.method == "POST" && maskMatches("/soap*", request.path))
            return handleSoapCall(request);
        if (maskMatches("/wsdl*", request.path))
            return handleWsdlRequest(request);
        return servicePage(request);
    } catch (...) {
        // Nothing a client sends may take the server down; the handlers
        // catch their own failures, so this is only for running out of memory.
        return HttpAnswer {500, htmlContentType, "<html><head></head><body><h1>Internal error</h1></body></html>"};
    }
}
