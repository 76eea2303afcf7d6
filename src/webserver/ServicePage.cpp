#include "ServicePage.h"

#include "ProgramName.h"
#include "XmlText.h"
#include "vantloIntf.h"

#include <QUrlQuery>

namespace {

std::string operationRows()
{
    std::string rows;
    for (const OperationInfo& operation : IvantloOperations) {
        std::string params;
        for (const ParamInfo& param : operation.params()) {
            if (!params.empty())
                params += ", ";
            params += std::string(param.name) + ": " + std::string(schemaTypeName(param.type));
        }
        rows += "<tr><td>" + std::string(operation.name) + "</td><td>" + params + "</td><td>" +
            std::string(resultTypeName) + "</td></tr>";
    }
    return rows;
}

std::string typesTable()
{
    const std::string ns(resultTypeNamespace);
    return "<h2>Registered types</h2><table border=\"1\"><tr><th>Type</th><th>Namespace</th><th>Members</th></tr>"
           "<tr><td>" +
        std::string(resultTypeName) + "</td><td>" + ns + "</td><td>" + std::string(responsePropertyName) +
        ": string, " + std::string(errorPropertyName) +
        ": string</td></tr><tr><td>int</td><td>http://www.w3.org/2001/XMLSchema</td><td></td></tr>"
        "<tr><td>string</td><td>http://www.w3.org/2001/XMLSchema</td><td></td></tr></table>";
}

} // namespace

HttpAnswer servicePage(const WebRequest& request)
{
    const QUrlQuery query(QString::fromUtf8(request.query.data(), static_cast<qsizetype>(request.query.size())));
    const std::string intf = query.queryItemValue(QStringLiteral("intf"), QUrl::FullyDecoded).toStdString();
    const bool expanded = equalsIgnoringCase(intf, interfaceName);
    const bool withTypes = query.queryItemValue(QStringLiteral("types")) == QLatin1String("1");

    const std::string program = htmlEscaped(QString::fromStdString(serviceProgramName()));
    const std::string name(interfaceName);
    std::string page = "<html><head><title>" + program + "</title></head><body><h1>" + program +
        " - Service Info Page</h1><h2>Published interfaces</h2><table border=\"1\"><tr><th>Interface</th>"
        "<th>Namespace</th><th>WSDL</th></tr><tr><td><a href=\"/?intf=" +
        name + "\">" + name + "</a></td><td>" + std::string(interfaceNamespace) + "</td><td><a href=\"/wsdl/" + name +
        "\">/wsdl/" + name + "</a></td></tr></table>";
    if (expanded)
        page += "<h2>" + name +
            " operations</h2><table border=\"1\"><tr><th>Operation</th><th>Parameters</th><th>Returns</th></tr>" +
            operationRows() + "</table>";
    if (withTypes)
        page += typesTable();
    page += "<p><a href=\"/?types=1\">Show the registered types</a></p></body></html>";
    return HttpAnswer {200, htmlContentType, page};
}
