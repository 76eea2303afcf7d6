#pragma once

#include "WebModule.h"
#include "XmlTree.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

inline const QString envNs = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
inline const QString encNs = QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/");
inline const QString xsdNs = QStringLiteral("http://www.w3.org/2001/XMLSchema");
inline const QString xsiNs = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
inline const QString callNs = QStringLiteral("urn:vantloIntf-Ivantlo");
inline const QString typeNs = QStringLiteral("urn:vantloIntf");

using Params = std::vector<std::pair<std::string, std::string>>;

// A call envelope as a generated client writes it, each parameter typed.
inline std::string callEnvelope(const std::string& operation, const Params& params = {})
{
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                       "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\">"
                       "<soap:Body soap:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
                       "<q1:" +
        operation + " xmlns:q1=\"urn:vantloIntf-Ivantlo\">";
    for (const auto& [name, value] : params) {
        const bool text = name == "aImage";
        body += "<" + name + " xsi:type=\"xsd:" + (text ? "string" : "int") + "\">" + value + "</" + name + ">";
    }
    return body + "</q1:" + operation + "></soap:Body></soap:Envelope>";
}

inline WebRequest soapPost(
    std::string body, std::optional<std::string> action = std::nullopt, std::string path = "/soap/Ivantlo")
{
    WebRequest request;
    request.method = "POST";
    request.path = std::move(path);
    request.soapAction = std::move(action);
    request.body = std::move(body);
    request.baseUrl = "http://localhost:8080";
    return request;
}

inline WebRequest getRequest(std::string path, std::string query = {})
{
    WebRequest request;
    request.method = "GET";
    request.path = std::move(path);
    request.query = std::move(query);
    request.baseUrl = "http://localhost:8080";
    return request;
}

// What a client reads from an answer, by namespaces only.
struct SoapAnswer {
    int status = 0;
    bool wellFormed = false;
    bool fault = false;
    QString faultcode;
    QString faultstring;
    QString response;
    QString error;
};

inline SoapAnswer readAnswer(const HttpAnswer& answer)
{
    SoapAnswer out;
    out.status = answer.status;
    const std::optional<XmlNode> root = parseXml(answer.body);
    if (!root || root->ns != envNs || root->name != QLatin1String("Envelope"))
        return out;
    out.wellFormed = true;
    const XmlNode* body = root->child(envNs, QStringLiteral("Body"));
    if (!body || body->children.empty())
        return out;
    if (const XmlNode* fault = body->child(envNs, QStringLiteral("Fault"))) {
        out.fault = true;
        if (const XmlNode* code = fault->child(QString(), QStringLiteral("faultcode")))
            out.faultcode = code->text;
        if (const XmlNode* text = fault->child(QString(), QStringLiteral("faultstring")))
            out.faultstring = text->text;
        return out;
    }
    if (const XmlNode* result = body->children.front().child(typeNs, QStringLiteral("TWebserverResponse"))) {
        if (const XmlNode* r = result->child(QString(), QStringLiteral("response")))
            out.response = r->text;
        if (const XmlNode* e = result->child(QString(), QStringLiteral("error")))
            out.error = e->text;
    }
    return out;
}

inline SoapAnswer call(const std::string& operation, const Params& params = {})
{
    return readAnswer(
        handleWebRequest(soapPost(callEnvelope(operation, params), "urn:vantloIntf-Ivantlo#" + operation)));
}

inline Params roomApp(int room, int app)
{
    return {{"aRoom", std::to_string(room)}, {"aApp", std::to_string(app)}};
}
