#include "UpdateDialog.h"

#include "DesktopTest.h"
#include "GradBtn.h"
#include "HexRecords.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

using UpdateDialog = DesktopTest;

// Runs `act` on the update dialog once it is open and `ready` holds; gives
// up after `ms` and closes whatever modal window there is.
void whenDialog(std::function<bool(TfrmUpdate&)> ready, std::function<void(TfrmUpdate&)> act, int ms = 20000)
{
    auto* poll = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        *waited += 20;
        TfrmUpdate* dialog = TfrmUpdate::openDialog();
        if (dialog && dialog->isVisible() && ready(*dialog)) {
            poll->deleteLater();
            act(*dialog);
            return;
        }
        if (*waited > ms) {
            poll->deleteLater();
            ADD_FAILURE() << "the update dialog never got ready";
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->hide();
            if (dialog)
                dialog->done(0);
        }
    });
    poll->start(20);
}

TEST_F(UpdateDialog, Layout)
{
    TfrmUpdate dialog;
    EXPECT_EQ(dialog.size(), QSize(480, 360));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(dialog.mask().contains(QPoint(1, 1))) << "corners rounded with 20";
    EXPECT_TRUE(dialog.mask().contains(QPoint(240, 180)));
    EXPECT_EQ(dialog.label1()->pos(), QPoint(24, 60));
    EXPECT_EQ(dialog.label2()->pos(), QPoint(24, 102));
    EXPECT_EQ(dialog.label1()->font().pixelSize(), 21);
    EXPECT_EQ(dialog.gauge()->geometry(), QRect(24, 211, 433, 22));
    EXPECT_TRUE(dialog.gauge()->isHidden());
    EXPECT_EQ(dialog.quitButton()->geometry(), QRect(326, 260, 130, 40));
    EXPECT_EQ(dialog.quitButton()->caption(), "OK");
}

TEST_F(UpdateDialog, AnOutdatedZolvoIsUpdatedByItselfAndOkEndsIt)
{
    device.setIdentity(0x0207, 0x0802);
    whenDialog([](TfrmUpdate& dialog) { return dialog.quitButton()->isEnabled(); },
        [](TfrmUpdate& dialog) {
            EXPECT_EQ(dialog.engine().state(), TUpdateFlash::State::Done);
            EXPECT_EQ(dialog.gauge()->maxValue(), 44) << "the pages with data";
            EXPECT_EQ(dialog.gauge()->progress(), 44);
            EXPECT_TRUE(dialog.gauge()->isHidden());
            EXPECT_EQ(dialog.windowTitle(), "Updating to Zolvo");
            EXPECT_EQ(dialog.label1()->text(), "Zolvo has been updated");
            EXPECT_EQ(dialog.label2()->text(), "and is ready for use");
            QTest::mouseClick(dialog.quitButton(), Qt::LeftButton);
        });
    startMainForm(settings());
    ASSERT_TRUE(processEventsUntil([] { return ZolvoConnected && !reprog; }, 30000));

    EXPECT_EQ(TfrmUpdate::openDialog(), nullptr) << "OK closed it";
    EXPECT_NE(device.dump().find("\"release\":\"2.8\""), std::string::npos);
    EXPECT_TRUE(shownErrorBoxes().isEmpty());
}

TEST_F(UpdateDialog, ADamagedImageShowsItsErrorAndOffersOk)
{
    connectLink();
    TfrmUpdate dialog(nullptr, {dataRecord(0x0000, {1, 2, 3, 4}, 1), endOfFileRecord});
    dialog.engine().NewDevName = sDevicename;
    whenDialog([](TfrmUpdate& d) { return d.quitButton()->isEnabled(); },
        [](TfrmUpdate& d) { QTest::mouseClick(d.quitButton(), Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(shownErrorBoxes(), QStringList {"File corrupt: Checksum error"});
    EXPECT_EQ(dialog.label2()->text(), "File corrupt: Checksum error");
    EXPECT_FALSE(reprog);
}

} // namespace
