// The web service end to end over HTTP: the module behind the host in one
// process, and `zolvoctl serve` with a stand-in Zolvo as a remote app meets
// it, through the suds SOAP client.
#include "LoadSave.h"
#include "ServedStandInTest.h"
#include "StoreLock.h"
#include "TestFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace {

const QString wsdlNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString wsdlSoapNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");

// The SOAP address of the service port in a WSDL document ("" when none).
QString soapAddress(const std::string& wsdl)
{
    const std::optional<XmlNode> root = parseXml(wsdl);
    if (!root)
        return {};
    const XmlNode* service = root->child(wsdlNs, QStringLiteral("service"));
    const XmlNode* port = service ? service->child(wsdlNs, QStringLiteral("port")) : nullptr;
    const XmlNode* address = port ? port->child(wsdlSoapNs, QStringLiteral("address")) : nullptr;
    return address ? address->attribute(QString(), QStringLiteral("location")).value_or(QString()) : QString();
}

using SoapOverHttp = ServedStandInTest;

TEST_F(SoapOverHttp, RoutesByMethodPathAndSoapAction)
{
    struct Case {
        HttpCall call;
        int status;
        std::string contentType;
        std::string bodyHas;
    };
    const std::string action = "urn:vantloIntf-Ivantlo#getscenecount";
    const std::vector<Case> cases = {
        {{"GET", "/"}, 200, "text/html", "Service Info Page"},
        {{"GET", "/soap/Ivantlo"}, 200, "text/html", "Service Info Page"},
        {{"POST", "/soap", {{"SOAPAction", "\"" + action + "\""}}, callEnvelope("getscenecount")}, 200, "text/xml",
            "getscenecountResponse"},
        {{"POST", "/soap/Ivantlo", {}, callEnvelope("getroomcount")}, 200, "text/xml", "getroomcountResponse"},
        {{"POST", "/soap/Ivantlo", {{"SOAPAction", "\"\""}}, callEnvelope("getroomcount")}, 200, "text/xml",
            "getroomcountResponse"},
        {{"POST", "/soap/Ivantlo", {{"SOAPAction", "urn:other-Ivantlo#getroomcount"}}, callEnvelope("getroomcount")},
            500, "text/xml", "No interface  registered for soap action 'urn:other-Ivantlo#getroomcount'"},
        {{"GET", "/wsdl/Ivantlo"}, 200, "text/xml", "Ivantlobinding"},
    };
    Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call.method + " " + c.call.path);
        const HttpReply reply = exchange(session, c.call);
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.contentType.rfind(c.contentType, 0), 0u) << reply.contentType;
        EXPECT_NE(reply.body.find(c.bodyHas), std::string::npos) << reply.body.substr(0, 400);
    }
    const SoapAnswer count = soapCall(session, "getroomcount");
    EXPECT_FALSE(count.fault);
    EXPECT_EQ(count.response, "0");
    EXPECT_EQ(count.error, "");
}

TEST_F(SoapOverHttp, WsdlAddressIsTheHostTheClientUsed)
{
    const std::vector<std::pair<std::string, QString>> cases = {
        {"zolvo.local:8080", "http://zolvo.local:8080/soap/Ivantlo"},
        {"[fd00::2]:8080", "http://[fd00::2]:8080/soap/Ivantlo"},
    };
    for (const auto& [hostHeader, address] : cases) {
        const HttpReply reply = httpCall(host->port(), {"GET", "/wsdl/Ivantlo", {{"Host", hostHeader}}});
        EXPECT_EQ(soapAddress(reply.body), address);
    }
    EXPECT_EQ(soapAddress(httpCall(host->port(), {"GET", "/wsdl/Ivantlo"}).body),
        QString::fromStdString(ownAddress() + "/soap/Ivantlo"));
    if (host->listensOnIpv6()) {
        try {
            const HttpReply overIpv6 = httpCall(host->port(), {"GET", "/wsdl/Ivantlo"}, "::1");
            EXPECT_EQ(soapAddress(overIpv6.body), QStringLiteral("http://[::1]:%1/soap/Ivantlo").arg(host->port()));
        } catch (const Poco::Exception&) {
            // No IPv6 loopback on this machine.
        }
    }
}

TEST_F(SoapOverHttp, SwitchingCallsReachTheZolvo)
{
    {
        StoreWriteLock lock(storeMutex());
        store->Ruimtes[1].Apparaten[2].Code = 0x44;
        store->Ruimtes[1].Apparaten[2].OudModel = true;
    }
    Poco::Net::HTTPClientSession session("127.0.0.1", host->port());
    device.clearTrace();
    EXPECT_EQ(soapCall(session, "apparaatAan", roomApp(1, 2)).error, "NOERROR");
    EXPECT_EQ(soapCall(session, "sceneActivate", {{"aScene", "3"}}).error, "NOERROR");
    ASSERT_TRUE(waitForTrace(2));
    const std::vector<Report> reports = written();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reportToHex(reports[0]).substr(0, 10), "005a442205");
    EXPECT_EQ(reportToHex(reports[1]).substr(0, 6), "005303");
}

// `zolvoctl serve` as a program, the stand-in Zolvo as another.
class ZolvoctlServe : public ::testing::Test {
protected:
    void SetUp() override
    {
        socket = folder.file("zolvo.sock");
        device.start(QStringLiteral(VIRTUAL_DEVICE_PATH), {"serve", "--socket", socket});
        ASSERT_TRUE(device.waitForStarted());
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(QFile::exists(socket));
    }

    void TearDown() override
    {
        for (QProcess* process : {&service, &device}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            process->waitForFinished(10000);
        }
    }

    QProcessEnvironment withDevice() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZOLVO_VIRTUAL_DEVICE", socket);
        return env;
    }

    // Starts the service on a free port and returns the port (0 when it
    // does not come up).
    std::uint16_t serve(QProcess& process, const QString& dir)
    {
        process.setProcessEnvironment(withDevice());
        process.start(QStringLiteral(ZOLVOCTL_PATH), {"serve", "--dir", dir, "--port", "0"});
        if (!process.waitForStarted())
            return 0;
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(30000))
            out += process.readAllStandardOutput();
        const QList<QByteArray> words = out.trimmed().split(' ');
        return words.size() == 4 && words[0] == "serving" ? static_cast<std::uint16_t>(words[3].toUInt()) : 0;
    }

    struct Outcome {
        int exitCode;
        QByteArray out;
        QByteArray err;
    };

    Outcome run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.setProcessEnvironment(withDevice());
        process.start(program, args);
        EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    TestFolder folder;
    QString socket;
    QProcess device;
    QProcess service;
};

QByteArray pictureBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(static_cast<char>((i * 7) & 0xFF));
    return bytes;
}

// A house as the desktop saves it, and every operation with the answer it
// has to give there.
QJsonArray prepareHouse(const QString& dir)
{
    TLoadSave house(dir);
    Ruimte& woonkamer = house.Ruimtes[0];
    woonkamer.Omschrijving = "Woonkamer";
    woonkamer.Apparaten[0] = {"Lamp", -1, false, true, 0x21, 8};
    woonkamer.Apparaten[1] = {"Radio", -1, true, false, 0x22, 8};
    woonkamer.Apparaten[2] = {"Ventilator", -1, false, false, -1, 8};
    house.Ruimtes[1].Omschrijving = "Caf\xe9"; // Windows-1252
    house.Ruimtes[1].Apparaten[0] = {"Schemerlamp", -1, false, false, 0x30, 8};
    house.Ruimtes[3].Omschrijving = "Zolder"; // after a gap: not counted
    house.Scenes[0].Omschrijving = "Avond";
    house.Scenes[1].Omschrijving = "Ochtend";
    house.SetLanguage(0);
    house.SaveCfg();

    auto expect = [](const char* op, QJsonArray args, const QString& response, const QString& error) {
        return QJsonObject {{"op", op}, {"args", args}, {"response", response}, {"error", error}};
    };
    const QString picture = QString::fromLatin1(pictureBytes().toBase64());
    QJsonObject pictureBack {
        {"op", "getAppImage"}, {"args", QJsonArray {0, 1}}, {"base64", picture}, {"error", "NOERROR"}};
    return {
        expect("getroomcount", {}, "2", ""),
        expect("getappcount", {0}, "3", ""),
        expect("getappcount", {1}, "1", ""),
        expect("getroomname", {1}, QStringLiteral("Caf\u00e9"), ""),
        expect("getappname", {0, 1}, "Radio", ""),
        expect("getappcode", {0, 0}, "33", ""),
        expect("getappcode", {0, 2}, "-1", ""),
        expect("isappdimmable", {0, 0}, "true", ""),
        expect("isappdimmable", {0, 1}, "false", ""),
        expect("isappoudModel", {0, 1}, "true", ""),
        expect("isappoudModel", {0, 0}, "false", ""),
        expect("dimapp", {0, 0, 8}, "", "NOERROR"),
        expect("apparaatAan", {0, 1}, "", "NOERROR"),
        expect("apparaatUit", {0, 0}, "", "NOERROR"),
        expect("apparaatWakeUp", {0, 0}, "", "NOERROR"),
        expect("apparaatAan", {0, 2}, "", "NOERROR"), // no code: nothing sent
        expect("getscenecount", {}, "2", ""),
        expect("getscenename", {1}, "Ochtend", ""),
        expect("sceneActivate", {1}, "", "NOERROR"),
        expect("getwebserverinfo", {}, "Delphi", "NOERROR"),
        expect("getAppImage", {0, 1}, "", "Image not found"),
        expect("setImage", {0, 1, picture}, "", "NOERROR"),
        pictureBack,
        expect("isDutch", {}, "true", ""),
    };
}

TEST_F(ZolvoctlServe, ARemoteAppCallsEveryOperation)
{
    const QJsonArray calls = prepareHouse(folder.path());
    folder.write("calls.json", QJsonDocument(calls).toJson());
    const std::uint16_t port = serve(service, folder.path());
    ASSERT_NE(port, 0) << service.readAllStandardError().toStdString();

    const Outcome suds = run(QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(SUDS_CLIENT_PATH), QStringLiteral("http://127.0.0.1:%1/wsdl/Ivantlo").arg(port),
            folder.file("calls.json")});
    EXPECT_EQ(suds.exitCode, 0) << suds.out.toStdString() << suds.err.toStdString();
    EXPECT_EQ(folder.read("appImages/Radio.jpg"), pictureBytes()) << "stored under the appliance's name";

    const Outcome trace = run(QStringLiteral(VIRTUAL_DEVICE_PATH), {"ctl", "--socket", socket, "trace"});
    ASSERT_EQ(trace.exitCode, 0);
    for (const char* sent : {"> 005a211105", "> 005a222205", "> 005a210105", "> 005a212305", "> 005301"})
        EXPECT_TRUE(trace.out.contains(sent)) << sent << "\n" << trace.out.toStdString();
    EXPECT_EQ(trace.out.count("> 005a"), 4) << "one Switch per switching call, none for the appliance without a code";

    service.terminate();
    ASSERT_TRUE(service.waitForFinished(20000));
    EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(service.exitCode(), 0) << service.readAllStandardError().toStdString();
}

TEST_F(ZolvoctlServe, RefusesAFolderInUseAndATakenPort)
{
    const std::uint16_t port = serve(service, folder.path());
    ASSERT_NE(port, 0) << service.readAllStandardError().toStdString();

    const Outcome sameFolder = run(QStringLiteral(ZOLVOCTL_PATH), {"serve", "--dir", folder.path(), "--port", "0"});
    EXPECT_NE(sameFolder.exitCode, 0);
    EXPECT_TRUE(sameFolder.err.contains("is in use by another Zolvo program")) << sameFolder.err.toStdString();

    TestFolder other;
    const Outcome takenPort =
        run(QStringLiteral(ZOLVOCTL_PATH), {"serve", "--dir", other.path(), "--port", QString::number(port)});
    EXPECT_NE(takenPort.exitCode, 0);
    EXPECT_EQ(takenPort.err, "zolvoctl: Could not bind socket. Address and port are already in use.\n");
    EXPECT_TRUE(takenPort.out.isEmpty());

    EXPECT_EQ(httpCall(port, {"GET", "/"}).status, 200) << "the running service is untouched";
}

} // namespace
