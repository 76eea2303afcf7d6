#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

// The remote-control service interface `Ivantlo`, as one table that the SOAP
// dispatcher, the WSDL and the service page all read.

inline constexpr std::string_view interfaceName = "Ivantlo";
// "urn:" + unit name + "-" + interface name; each operation's SOAPAction is
// this namespace + "#" + the operation name.
inline constexpr std::string_view interfaceNamespace = "urn:vantloIntf-Ivantlo";
inline constexpr std::string_view resultTypeName = "TWebserverResponse";
inline constexpr std::string_view resultTypeNamespace = "urn:vantloIntf";

// The result of every operation: two text properties, in this order.
struct TWebserverResponse {
    QString response;
    QString error;
};
inline constexpr std::string_view responsePropertyName = "response";
inline constexpr std::string_view errorPropertyName = "error";

enum class ParamType { Int, String };

struct ParamInfo {
    std::string_view name;
    ParamType type;
};

// One argument of a call, converted as its ParamInfo says.
using ArgumentValue = std::variant<std::int32_t, QString>;
using ArgumentList = std::vector<ArgumentValue>;

class Ivantlo {
public:
    virtual ~Ivantlo() = default;

    virtual TWebserverResponse getroomcount() = 0;
    virtual TWebserverResponse getappcount(std::int32_t aRoom) = 0;
    virtual TWebserverResponse getroomname(std::int32_t aRoom) = 0;
    virtual TWebserverResponse getappname(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse getappcode(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse dimapp(std::int32_t aRoom, std::int32_t aApp, std::int32_t dimstand) = 0;
    virtual TWebserverResponse isappdimmable(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse isappoudModel(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse apparaatAan(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse apparaatUit(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse getAppImage(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse getscenecount() = 0;
    virtual TWebserverResponse getscenename(std::int32_t aScene) = 0;
    virtual TWebserverResponse sceneActivate(std::int32_t aScene) = 0;
    virtual TWebserverResponse apparaatWakeUp(std::int32_t aRoom, std::int32_t aApp) = 0;
    virtual TWebserverResponse getwebserverinfo() = 0;
    virtual TWebserverResponse setImage(std::int32_t aRoom, std::int32_t aApp, const QString& aImage) = 0;
    virtual TWebserverResponse isDutch() = 0;
};

using OperationInvoker = TWebserverResponse (*)(Ivantlo&, const ArgumentList&);

struct OperationInfo {
    std::string_view name;
    std::array<ParamInfo, 3> paramSlots;
    std::size_t paramCount;
    OperationInvoker invoke; // the arguments match the parameters in number and type

    std::span<const ParamInfo> params() const { return std::span(paramSlots).first(paramCount); }
};

namespace ivantlo_detail {
inline constexpr ParamInfo aRoom {"aRoom", ParamType::Int};
inline constexpr ParamInfo aApp {"aApp", ParamType::Int};
inline constexpr ParamInfo dimstand {"dimstand", ParamType::Int};
inline constexpr ParamInfo aScene {"aScene", ParamType::Int};
inline constexpr ParamInfo aImage {"aImage", ParamType::String};
inline constexpr ParamInfo none {};

inline std::int32_t intArg(const ArgumentList& args, std::size_t i)
{
    return std::get<std::int32_t>(args.at(i));
}
inline const QString& textArg(const ArgumentList& args, std::size_t i)
{
    return std::get<QString>(args.at(i));
}
} // namespace ivantlo_detail

// The operations in declaration order: the position (0..17) is part of the
// published contract, since the WSDL message names carry it.
inline constexpr std::array<OperationInfo, 18> IvantloOperations = [] {
    using namespace ivantlo_detail;
    using A = const ArgumentList&;
    return std::array<OperationInfo, 18> {{
        {"getroomcount", {none, none, none}, 0, [](Ivantlo& s, A) { return s.getroomcount(); }},
        {"getappcount", {aRoom, none, none}, 1, [](Ivantlo& s, A a) { return s.getappcount(intArg(a, 0)); }},
        {"getroomname", {aRoom, none, none}, 1, [](Ivantlo& s, A a) { return s.getroomname(intArg(a, 0)); }},
        {"getappname", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.getappname(intArg(a, 0), intArg(a, 1)); }},
        {"getappcode", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.getappcode(intArg(a, 0), intArg(a, 1)); }},
        {"dimapp", {aRoom, aApp, dimstand}, 3,
            [](Ivantlo& s, A a) { return s.dimapp(intArg(a, 0), intArg(a, 1), intArg(a, 2)); }},
        {"isappdimmable", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.isappdimmable(intArg(a, 0), intArg(a, 1)); }},
        {"isappoudModel", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.isappoudModel(intArg(a, 0), intArg(a, 1)); }},
        {"apparaatAan", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.apparaatAan(intArg(a, 0), intArg(a, 1)); }},
        {"apparaatUit", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.apparaatUit(intArg(a, 0), intArg(a, 1)); }},
        {"getAppImage", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.getAppImage(intArg(a, 0), intArg(a, 1)); }},
        {"getscenecount", {none, none, none}, 0, [](Ivantlo& s, A) { return s.getscenecount(); }},
        {"getscenename", {aScene, none, none}, 1, [](Ivantlo& s, A a) { return s.getscenename(intArg(a, 0)); }},
        {"sceneActivate", {aScene, none, none}, 1, [](Ivantlo& s, A a) { return s.sceneActivate(intArg(a, 0)); }},
        {"apparaatWakeUp", {aRoom, aApp, none}, 2,
            [](Ivantlo& s, A a) { return s.apparaatWakeUp(intArg(a, 0), intArg(a, 1)); }},
        {"getwebserverinfo", {none, none, none}, 0, [](Ivantlo& s, A) { return s.getwebserverinfo(); }},
        {"setImage", {aRoom, aApp, aImage}, 3,
            [](Ivantlo& s, A a) { return s.setImage(intArg(a, 0), intArg(a, 1), textArg(a, 2)); }},
        {"isDutch", {none, none, none}, 0, [](Ivantlo& s, A) { return s.isDutch(); }},
    }};
}();

// The operation of that name (exact), or nullptr; its position is the index in IvantloOperations.
const OperationInfo* findOperation(std::string_view name);

// "int" or "string", the XML Schema type of a parameter.
std::string_view schemaTypeName(ParamType type);
