#include "InstanceControl.h"

#include "UiTestApp.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <csignal>

namespace {

// A copy of a program in a folder of its own, as a user installs it.
class Installed {
public:
    explicit Installed(const QString& program)
        : _path(_dir.filePath(QFileInfo(program).fileName()))
    {
        EXPECT_TRUE(QFile::copy(program, _path));
    }
    QString path() const { return _path; }
    QString folder() const { return _dir.path(); }

private:
    QTemporaryDir _dir;
    QString _path;
};

// One running copy of the probe; its lines on standard output.
class Copy {
public:
    explicit Copy(const QString& path)
    {
        _process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        _process.start(path, {});
        EXPECT_TRUE(_process.waitForStarted());
    }
    ~Copy()
    {
        if (_process.state() != QProcess::NotRunning) {
            _process.kill();
            _process.waitForFinished();
        }
    }

    // Waits for `line`; false when the copy ended or stayed silent.
    bool says(const QByteArray& line, int ms = 10000)
    {
        QDeadlineTimer deadline(ms);
        while (!_seen.contains(line + '\n') && !deadline.hasExpired()) {
            // Another child ending can wake this wait too; only our own end stops it.
            if (!_process.waitForReadyRead(100) && _process.state() == QProcess::NotRunning)
                break;
            _seen += _process.readAllStandardOutput();
        }
        _seen += _process.readAllStandardOutput();
        return _seen.contains(line + '\n');
    }
    void tell(const QByteArray& command) { _process.write(command + '\n'); }
    bool ends(int ms = 10000) { return _process.waitForFinished(ms) && _process.exitStatus() == QProcess::NormalExit; }
    void crash()
    {
        _process.kill(); // SIGKILL: nothing is cleaned up
        _process.waitForFinished();
    }

private:
    QProcess _process;
    QByteArray _seen;
};

class InstanceControl : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }
    Installed probe {QStringLiteral(INSTANCE_PROBE)};
};

TEST_F(InstanceControl, ASecondCopyFromTheSamePathBringsTheFirstForwardAndEnds)
{
    Copy first(probe.path());
    ASSERT_TRUE(first.says("admitted"));
    Copy second(probe.path());
    EXPECT_TRUE(second.says("refused"));
    EXPECT_TRUE(second.ends());
    EXPECT_TRUE(first.says("activated"));
}

TEST_F(InstanceControl, ACopyInAnotherFolderRunsOnItsOwn)
{
    Installed elsewhere(QStringLiteral(INSTANCE_PROBE));
    Copy first(probe.path());
    ASSERT_TRUE(first.says("admitted"));
    Copy other(elsewhere.path());
    EXPECT_TRUE(other.says("admitted"));
}

TEST_F(InstanceControl, ACrashedCopyNeverBlocksTheNextStart)
{
    {
        Copy crashing(probe.path());
        ASSERT_TRUE(crashing.says("admitted"));
        crashing.crash();
    }
    Copy next(probe.path());
    EXPECT_TRUE(next.says("admitted"));
    Copy later(probe.path());
    EXPECT_TRUE(later.says("refused")) << "the new copy serves activations on the crashed one's socket";
}

TEST_F(InstanceControl, TheRestartAfterALanguageChangeIsAdmitted)
{
    // The ending copy lets go of its slot before it starts the new one.
    Copy ending(probe.path());
    ASSERT_TRUE(ending.says("admitted"));
    ending.tell("release");
    ASSERT_TRUE(ending.says("released"));
    Copy restarted(probe.path());
    EXPECT_TRUE(restarted.says("admitted"));
}

TEST_F(InstanceControl, ACopyStartedWhileTheRunningOneEndsWaitsForIt)
{
    Copy ending(probe.path());
    ASSERT_TRUE(ending.says("admitted"));
    ending.tell("hang 1000"); // busy ending: it cannot answer any more
    ASSERT_TRUE(ending.says("hanging"));
    Copy next(probe.path());
    EXPECT_TRUE(next.says("admitted", 15000));
    EXPECT_TRUE(ending.ends());
}

TEST_F(InstanceControl, OnlyOneControlPerProgram)
{
    TadpInstanceControl one;
    try {
        TadpInstanceControl two;
        ADD_FAILURE() << "a second control was made";
    } catch (const EInstanceControl& error) {
        EXPECT_STREQ(error.what(), "Only one copy of this component can be dropped on a form!");
    }
}

// The desktop program itself: the second start shows no window and ends.
TEST_F(InstanceControl, TheDesktopProgramRunsOncePerPath)
{
    Installed program(QStringLiteral(ZOLVO_PROGRAM));
    const QString socket = TadpInstanceControl::socketPath(program.path());
    QProcess first;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("ZOLVO_VIRTUAL_DEVICE"));
    first.setProcessEnvironment(environment);
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    first.start(program.path(), {});
    ASSERT_TRUE(first.waitForStarted());
    QDeadlineTimer deadline(20000);
    while (!QFile::exists(socket) && !deadline.hasExpired())
        first.waitForFinished(50);
    ASSERT_TRUE(QFile::exists(socket)) << "the first copy registered";

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program.path(), {});
    EXPECT_TRUE(second.waitForFinished(20000)) << "the second copy ends by itself";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(second.readAllStandardError()).contains("already running"));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    if (!first.waitForFinished(5000))
        first.kill();
    first.waitForFinished();
}

} // namespace
