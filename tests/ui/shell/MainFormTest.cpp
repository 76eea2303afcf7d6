#include "BaseForm.h"
#include "Controls.h"
#include "DesktopTest.h"
#include "HidCtrl.h"
#include "HttpHost.h"
#include "Language.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "StoreLock.h"

#include <QHelpEvent>
#include <QTcpServer>
#include <QTest>
#include <QToolTip>

#include <thread>

#include <optional>
#include <stdexcept>

namespace {

using MainForm = DesktopTest;

// What the start-up had done when the rooms screen was built.
struct SeenAtScreen {
    bool store = false;
    bool deviceLink = false;
    bool server = false;
};

class EmptyScreen : public THomeScreen { };

TEST_F(MainForm, StartsStoreScreenDeviceLinkAndServerInThatOrder)
{
    TLoadSave::destroyInstance(); // the main window makes the store
    SeenAtScreen seen;
    MainFormSettings s = settings();
    s.homeScreen = [&seen](TMainForm& mainForm) {
        seen = {TLoadSave::existing() != nullptr, HidCtrl() != nullptr, mainForm.server() != nullptr};
        return std::make_unique<EmptyScreen>();
    };
    startMainForm(std::move(s));

    EXPECT_TRUE(seen.store);
    EXPECT_FALSE(seen.deviceLink);
    EXPECT_FALSE(seen.server);
    EXPECT_EQ(form->startupSteps(), (QStringList {"store", "screen", "identity", "device link", "server"}));
    EXPECT_EQ(sDevicename, "Zolvo");
    EXPECT_EQ(firmwareversion, "2.8");
    EXPECT_EQ(ProdID, 0x0802);
    EXPECT_EQ(softwareversion, "3.1");
    EXPECT_TRUE(ZolvoConnected) << "the link found the stand-in";
    ASSERT_NE(form->server(), nullptr);
    EXPECT_TRUE(form->server()->running());
    EXPECT_TRUE(shownErrorBoxes().isEmpty());
}

TEST_F(MainForm, WindowGeometryAndRoundedOutline)
{
    startMainForm(settings());
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form->windowTitle(), "Zolvo ");
    EXPECT_EQ(form->mainPanel()->geometry(), QRect(24, 84, 598, 504));
    EXPECT_EQ(form->buttonPanel()->geometry(), QRect(628, 86, 150, 500));
    EXPECT_EQ(form->brandLogo()->geometry(), QRect(38, 26, 130, 39));

    const QRegion outline = form->mask();
    EXPECT_TRUE(outline.contains(QPoint(400, 300)));
    EXPECT_TRUE(outline.contains(QPoint(400, 1)));
    EXPECT_FALSE(outline.contains(QPoint(400, 0))) << "the outline starts at (1,1)";
    EXPECT_FALSE(outline.contains(QPoint(3, 3))) << "corner ellipse 60";
    EXPECT_TRUE(outline.contains(QPoint(30, 30)));
    // The hosts' 20-pixel corners.
    EXPECT_FALSE(form->mainPanel()->mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(form->mainPanel()->mask().contains(QPoint(299, 250)));
}

TEST_F(MainForm, BrandLogoIsHiddenInDutchOnly)
{
    for (const int language : {0, 1, 2, 10}) {
        {
            const StoreWriteLock lock(storeMutex());
            store->LanguageRec.Language = language;
        }
        startMainForm(settings());
        form->show();
        EXPECT_EQ(form->brandLogo()->isVisible(), language != 0) << language;
        form.reset();
        destroyhidctrl();
    }
}

TEST_F(MainForm, AFailingStepIsReportedAndTheLaterStepsAreSkipped)
{
    MainFormSettings s = settings();
    s.homeScreen = [](TMainForm&) -> std::unique_ptr<THomeScreen> { throw std::runtime_error("no rooms today"); };
    startMainForm(std::move(s));

    EXPECT_EQ(shownErrorBoxes(), QStringList {"no rooms today"});
    EXPECT_EQ(form->startupSteps(), QStringList {"store"});
    EXPECT_EQ(HidCtrl(), nullptr);
    EXPECT_EQ(form->server(), nullptr);
}

TEST_F(MainForm, ABusyPortLeavesAWorkingProgramWithoutTheService)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    MainFormSettings s = settings();
    s.port = taken.serverPort();
    startMainForm(std::move(s));

    EXPECT_EQ(shownErrorBoxes(), QStringList {portInUseText}) << "shown once";
    EXPECT_EQ(form->startupSteps(), (QStringList {"store", "screen", "identity", "device link"}));
    EXPECT_EQ(form->server(), nullptr);
    EXPECT_TRUE(ZolvoConnected) << "the device link runs";
}

TEST_F(MainForm, KeysReachTheKeyHookAsVirtualKeyCodes)
{
    startMainForm(settings());
    form->show();
    auto* field = new QWidget(form->mainPanel());
    field->setFocusPolicy(Qt::StrongFocus);
    field->show();
    field->setFocus();

    QList<int> keys;
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_TRUE(keys.isEmpty()) << "no hook, nothing done";

    form->_keyHandler = [&keys](std::uint16_t code) { keys.append(code); };
    QTest::keyClick(field, Qt::Key_Up);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(form.get(), Qt::Key_A);
    EXPECT_EQ(keys, (QList<int> {38, 40, 65})) << "each key once, though it travels up to the window";
    form->_keyHandler = nullptr;
}

// Counts what the stand-in had been sent when the window painted its first frame.
class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(QWidget* window, const VirtualZolvo& device)
        : _device(device)
    {
        window->installEventFilter(this);
    }
    std::optional<std::size_t> reportsAtFirstFrame;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reportsAtFirstFrame)
            reportsAtFirstFrame = _device.trace().size();
        return false;
    }

private:
    const VirtualZolvo& _device;
};

TEST_F(MainForm, AShownWindowPaintsItsFirstFrameBeforeTheDeviceIsAsked)
{
    form = std::make_unique<TMainForm>(settings());
    FirstFrameProbe probe(form.get(), device);
    form->show();
    ASSERT_TRUE(processEventsUntil([] { return ZolvoConnected.load(); }));
    ASSERT_TRUE(probe.reportsAtFirstFrame.has_value());
    EXPECT_EQ(*probe.reportsAtFirstFrame, 0u);
    EXPECT_FALSE(device.trace().empty()) << "then the presence check set the clock";
}

TEST_F(MainForm, ALinkMadeAgainDropsTheFirstCheckOfTheOneBefore)
{
    startMainForm(settings());
    ASSERT_TRUE(ZolvoConnected);
    // The old controller's first check is still queued when it is replaced.
    recreatehidctrl(HidCtrl()->transport(), HidCtrl()->ui());
    recreatehidctrl(HidCtrl()->transport(), HidCtrl()->ui());
    ZolvoConnected = false;
    ASSERT_TRUE(processEventsUntil([] { return ZolvoConnected.load(); }));
}

TEST_F(MainForm, TheNotConnectedMessageGoesToTheMessageDialog)
{
    device.unplug();
    TfrmMeld::setNextAnswer(1);
    startMainForm(settings());
    ASSERT_TRUE(processEventsUntil([] { return !TfrmMeld::askedQuestions().isEmpty(); }));
    const MeldQuestion asked = TfrmMeld::askedQuestions().front();
    EXPECT_EQ(asked.M1, "Attention!");
    EXPECT_EQ(asked.M2, "The Zolvo is not connected");
    EXPECT_EQ(asked.B1, "OK");
    EXPECT_EQ(asked.B2, "");
}

TEST_F(MainForm, AMessageFromAWebServiceThreadIsShownOnTheGuiThread)
{
    startMainForm(settings());
    std::thread service([] { IsValidCode(-1, false); });
    service.join();
    EXPECT_TRUE(TfrmMeld::askedQuestions().isEmpty()) << "the service thread went on without waiting";
    TfrmMeld::setNextAnswer(1);
    ASSERT_TRUE(processEventsUntil([] { return !TfrmMeld::askedQuestions().isEmpty(); }));
    EXPECT_EQ(TfrmMeld::askedQuestions().front().M2, "Device has no code");
}

TEST_F(MainForm, HintsFollowTheUsersSetting)
{
    startMainForm(settings());
    form->show();
    auto* button = new QWidget(form->mainPanel());
    button->setGeometry(10, 10, 50, 20);
    button->setToolTip(QStringLiteral("a hint"));
    button->show();
    const auto hover = [button] {
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &event);
        return QToolTip::isVisible() && QToolTip::text() == QStringLiteral("a hint");
    };
    for (const bool showHints : {true, false}) {
        {
            const StoreWriteLock lock(storeMutex());
            store->Environment.showHints = showHints;
        }
        QToolTip::hideText();
        ASSERT_TRUE(processEventsUntil([] { return !QToolTip::isVisible(); }));
        EXPECT_EQ(hover(), showHints) << showHints;
    }
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    EXPECT_EQ(QToolTip::font().pointSize(), 10);
}

} // namespace
