#include "SoapEndpoint.h"

#include "SoapEnvelope.h"
#include "XmlText.h"
#include "vantloImpl.h"

#include <QString>

#include <limits>

namespace {

HttpAnswer soapAnswer(int status, std::string body)
{
    return HttpAnswer {status, soapContentType, std::move(body)};
}

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A client's text quoted in a fault, kept short.
QString quoted(std::string_view text)
{
    constexpr std::size_t shown = 40;
    return text.size() <= shown ? utf8(text) : utf8(text.substr(0, shown)) + QStringLiteral("...");
}

std::string_view lastPathSegment(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The dispatch error for a request that names no registered interface, or
// std::nullopt when it names `Ivantlo`.
std::optional<QString> dispatchError(const WebRequest& request)
{
    const std::string action = strippedSoapAction(request.soapAction.value_or(std::string()));
    if (!action.empty()) {
        const std::string_view interfacePart = std::string_view(action).substr(0, action.find('#'));
        if (interfacePart != interfaceNamespace)
            return QStringLiteral("No interface  registered for soap action '%1'").arg(utf8(action));
        return std::nullopt;
    }
    if (!equalsIgnoringCase(lastPathSegment(request.path), interfaceName))
        return QStringLiteral("No interface  registered for URL '%1'").arg(utf8(request.path));
    return std::nullopt;
}

ArgumentList callArguments(const OperationInfo& operation, const SoapRequest& call)
{
    ArgumentList arguments;
    for (const ParamInfo& param : operation.params()) {
        const std::string* text = findChild(call, param.name);
        if (!text)
            throw SoapFault(QStringLiteral("Missing parameter %1 of operation %2")
                                .arg(utf8(param.name), utf8(operation.name))
                                .toStdString());
        if (param.type == ParamType::String) {
            arguments.emplace_back(utf8(*text));
            continue;
        }
        const std::optional<std::int32_t> value = parseSchemaInt(*text);
        if (!value)
            throw SoapFault(QStringLiteral("'%1' is not a valid integer value for parameter %2")
                                .arg(quoted(*text), utf8(param.name))
                                .toStdString());
        arguments.emplace_back(*value);
    }
    return arguments;
}

std::string callOperation(const std::string& body)
{
    const SoapRequest call = parseSoapRequest(body);
    const OperationInfo* operation = findOperation(call.operation);
    if (!operation)
        throw SoapFault(QStringLiteral("No method named '%1' is supported by interface '%2'")
                            .arg(utf8(call.operation), utf8(interfaceName))
                            .toStdString());
    if (call.operationNamespace != interfaceNamespace)
        throw SoapFault(QStringLiteral("Operation %1 is not in namespace '%2' of interface '%3'")
                            .arg(utf8(call.operation), utf8(interfaceNamespace), utf8(interfaceName))
                            .toStdString());
    const ArgumentList arguments = callArguments(*operation, call);
    Tvantlo service;
    const TWebserverResponse result = operation->invoke(service, arguments);
    return writeSoapResponse(operation->name, result);
}

} // namespace

std::string strippedSoapAction(const std::string& action)
{
    if (action.size() >= 2 && action.front() == '"' && action.back() == '"')
        return action.substr(1, action.size() - 2);
    return action;
}

std::optional<std::int32_t> parseSchemaInt(std::string_view text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t {std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

HttpAnswer handleSoapCall(const WebRequest& request)
{
    if (const std::optional<QString> error = dispatchError(request))
        return soapAnswer(500, writeDispatchFault(*error));
    try {
        return soapAnswer(200, callOperation(request.body));
    } catch (const std::exception& e) {
        return soapAnswer(200, writeSoapFault(QString::fromUtf8(e.what())));
    }
}
