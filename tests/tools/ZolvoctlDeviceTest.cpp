// zolvoctl's device verbs against a running zolvo-virtual-device, as a
// script on a house PC would use them.
#include "LoadSave.h"
#include "TestFolder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <thread>

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

class ZolvoctlDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        socket = folder.file("zolvo.sock");
        serve(QStringList{});
    }

    void TearDown() override
    {
        device.terminate();
        device.waitForFinished(5000);
    }

    void serve(const QStringList& identity)
    {
        device.start(QStringLiteral(VIRTUAL_DEVICE_PATH), QStringList{"serve", "--socket", socket} + identity);
        ASSERT_TRUE(device.waitForStarted());
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(QFile::exists(socket));
    }

    Outcome run(const QString& program, const QStringList& args, bool withDevice = true)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (withDevice)
            env.insert("ZOLVO_VIRTUAL_DEVICE", socket);
        else
            env.remove("ZOLVO_VIRTUAL_DEVICE");
        process.setProcessEnvironment(env);
        process.start(program, args);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    Outcome zolvoctl(const QStringList& args, bool withDevice = true)
    {
        return run(QStringLiteral(ZOLVOCTL_PATH), args + QStringList{"--dir", folder.path()}, withDevice);
    }

    QJsonObject dump()
    {
        const Outcome o = run(QStringLiteral(VIRTUAL_DEVICE_PATH), {"ctl", "--socket", socket, "dump"});
        return QJsonDocument::fromJson(o.out).object();
    }

    TestFolder folder;
    QString socket;
    QProcess device;
};

TEST_F(ZolvoctlDevice, SendCompareSwitchAndScene)
{
    {
        TLoadSave store(folder.path());
        store.Ruimtes[2].Apparaten[1].Code = 0x33;
        store.Scenes[4].Akties[0] = {2, 1, 17};
        store.SaveCfg();
    }
    EXPECT_EQ(zolvoctl({"compare"}).exitCode, 1) << "a fresh device differs";
    const Outcome send = zolvoctl({"send"});
    ASSERT_EQ(send.exitCode, 0) << send.err.toStdString();
    const Outcome compare = zolvoctl({"compare"});
    EXPECT_EQ(compare.exitCode, 0) << compare.err.toStdString();
    EXPECT_EQ(compare.out.trimmed(), "same");
    EXPECT_EQ(dump()["sceneTable"].toString().mid(2 * 128, 4), "33a3") << "scene 4, first item";

    ASSERT_EQ(zolvoctl({"switch", "2", "1", "dim", "16"}).exitCode, 0);
    ASSERT_EQ(zolvoctl({"scene", "4"}).exitCode, 0);
    const Outcome trace = run(QStringLiteral(VIRTUAL_DEVICE_PATH), {"ctl", "--socket", socket, "trace"});
    EXPECT_TRUE(trace.out.contains("> 005a332105")) << "Switch code 0x33, dim 16";
    EXPECT_TRUE(trace.out.contains("> 005304")) << "ExecuteScene 4";

    EXPECT_NE(zolvoctl({"switch", "2", "2", "on"}).exitCode, 0) << "an appliance without a code";
    EXPECT_NE(zolvoctl({"switch", "16", "0", "on"}).exitCode, 0);
    EXPECT_NE(zolvoctl({"switch", "2", "1", "dim", "17"}).exitCode, 0);
    EXPECT_NE(zolvoctl({"scene", "16"}).exitCode, 0);
}

TEST_F(ZolvoctlDevice, RefusesWithoutADeviceOrWithAnOutdatedOne)
{
    const Outcome absent = zolvoctl({"send"}, false);
    EXPECT_NE(absent.exitCode, 0);
    EXPECT_TRUE(absent.err.contains("no Zolvo is connected")) << absent.err.toStdString();

    ASSERT_EQ(run(QStringLiteral(VIRTUAL_DEVICE_PATH),
                  {"ctl", "--socket", socket, "identity", "--release", "2.7", "--product-id", "0x0802"})
                  .exitCode,
              0);
    for (const QStringList& verb : {QStringList{"send"}, QStringList{"compare"}, QStringList{"scene", "0"}}) {
        const Outcome outdated = zolvoctl(verb);
        EXPECT_NE(outdated.exitCode, 0);
        EXPECT_TRUE(outdated.err.contains("zolvoctl update-firmware")) << outdated.err.toStdString();
    }

    const Outcome update = zolvoctl({"update-firmware"});
    ASSERT_EQ(update.exitCode, 0) << update.err.toStdString();
    const QJsonObject state = dump();
    EXPECT_EQ(state["release"].toString(), "2.8");
    EXPECT_EQ(state["productId"].toInt(), 0x0802);
    EXPECT_EQ(zolvoctl({"send"}).exitCode, 0) << "current now";
    EXPECT_NE(zolvoctl({"update-firmware"}).exitCode, 0) << "nothing to update";
}

} // namespace
