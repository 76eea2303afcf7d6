// The home screen: the rooms grid, the appliances grid and switching.
#include "RoomsTest.h"

#include "ImageFetcher.h"
#include "PictureImage.h"

namespace {

class RoomsScreen : public RoomsTest { };

IndicatorState stateOf(const TIndicatorHandler& indicators, int k)
{
    return indicators.indicator(k).state;
}

TEST_F(RoomsScreen, AnEmptyHouseOffersOnlyTheFirstRoomAndNoSwitching)
{
    openRooms();
    const TIndicatorHandler& pages = rooms().indicatorHandler();
    EXPECT_EQ(stateOf(pages, 0), ISSelected);
    for (int k : {1, 2, 3})
        EXPECT_EQ(stateOf(pages, k), ISDisabled) << k;
    for (int p = 0; p < 4; ++p) {
        EXPECT_TRUE(layout().lblR[p]->text().isEmpty());
        EXPECT_TRUE(layout().imgR[p]->picture().isNull());
    }
    click(layout().imgBGR[1]);
    EXPECT_EQ(rooms().currentSelectedIndex(), 0) << "only the first free slot can be chosen";
    click(layout().imgBGR[0]);
    EXPECT_TRUE(rooms().tile(0).isSelected());

    click(layout().imgBGA[0]);
    for (int p = 0; p < 4; ++p)
        EXPECT_FALSE(rooms().appliances().tile(p).isSelected()) << "the appliance half takes no click";
    for (TGradBtn* button :
        {column().ButOn, column().ButOff, column().ButTimer, column().ButDimmer, column().ButDimDn, column().ButDimUp})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
}

TEST_F(RoomsScreen, SixteenRoomsFillFourPagesAndEachRoomShowsItsAppliances)
{
    furnish(16);
    for (int a = 0; a < 3; ++a)
        addAppliance(14, a, 40 + a);
    openRooms();
    EXPECT_EQ(layout().lblR[3]->text(), "room 3");
    EXPECT_EQ(layout().imgR[0]->picture().pixel(5, 5), QColor(0, 100, 50).rgb());
    for (int k = 0; k < 4; ++k)
        EXPECT_NE(stateOf(rooms().indicatorHandler(), k), ISDisabled) << k;

    click(layout().imgPIR[3]);
    EXPECT_EQ(rooms().selectedPage(), 3);
    EXPECT_TRUE(rooms().tile(0).isSelected()) << "a new page selects its first tile";
    EXPECT_EQ(layout().lblR[0]->text(), "room 12");
    EXPECT_EQ(layout().lblR[2]->text(), "room 14");

    click(layout().lblR[2]);
    EXPECT_EQ(rooms().AbsSelectedIndex(), 14);
    EXPECT_EQ(rooms().appliances().ruimteIndex(), 14);
    EXPECT_EQ(layout().lblA[2]->text(), "lamp 2");
    EXPECT_TRUE(layout().lblA[3]->text().isEmpty());
    EXPECT_TRUE(rooms().appliances().tile(0).isSelected());
    EXPECT_TRUE(column().ButOn->isEnabled());
    EXPECT_EQ(column().LDimmer->text(), QString::number(store->Ruimtes[14].Apparaten[0].Dimstand));

    // The selection survives the page and returns when the same page is chosen again.
    click(layout().imgBGA[1]);
    click(layout().imgPIR[3]);
    EXPECT_EQ(rooms().AbsSelectedIndex(), 14);
    EXPECT_EQ(rooms().appliances().AbsSelectedIndex(), 1);
}

TEST_F(RoomsScreen, TheButtonsFollowTheSelectedAppliance)
{
    furnish(1, 2);
    store->Ruimtes[0].Apparaten[1].Dimmer = true;
    store->Ruimtes[0].Apparaten[1].Dimstand = 11;
    openRooms();
    EXPECT_FALSE(column().ButDimmer->isEnabled());
    EXPECT_TRUE(column().ButOff->isEnabled());
    click(layout().imgA[1]);
    EXPECT_TRUE(column().ButDimmer->isEnabled());
    EXPECT_TRUE(column().ButDimUp->isEnabled());
    EXPECT_EQ(column().LDimmer->text(), "11");
    click(layout().imgA[2]); // the first free slot: no picture, nothing to switch
    EXPECT_FALSE(column().ButOn->isEnabled());
    EXPECT_FALSE(column().ButTimer->isEnabled());
}

struct SwitchCase {
    const char* name;
    bool oudModel;
    int dimstand;
    TGradBtn* TfrmRuimteAppButInterface::*button;
    int value;
    int storedLevel;
};

TEST_F(RoomsScreen, SwitchingSendsTheValueOfTheReceiverModel)
{
    const SwitchCase cases[] = {
        {"on", false, 8, &TfrmRuimteAppButInterface::ButOn, 0x23, 8},
        {"on, code wheels", true, 8, &TfrmRuimteAppButInterface::ButOn, 0x22, 8},
        {"off", false, 8, &TfrmRuimteAppButInterface::ButOff, 0x01, 8},
        {"off, code wheels", true, 8, &TfrmRuimteAppButInterface::ButOff, 0x00, 8},
        {"dim", false, 5, &TfrmRuimteAppButInterface::ButDimmer, 11, 5},
        {"dim up", false, 5, &TfrmRuimteAppButInterface::ButDimUp, 13, 6},
        {"dim up at 16", false, 16, &TfrmRuimteAppButInterface::ButDimUp, 33, 16},
        {"dim down", false, 5, &TfrmRuimteAppButInterface::ButDimDn, 9, 4},
        {"dim down at 1", false, 1, &TfrmRuimteAppButInterface::ButDimDn, 3, 1},
    };
    furnish(1, 1);
    Apparaat& lamp = store->Ruimtes[0].Apparaten[0];
    lamp.Code = 0x2A;
    lamp.Dimmer = true;
    openRooms();
    ASSERT_TRUE(ZolvoConnected);
    for (const SwitchCase& c : cases) {
        lamp.OudModel = c.oudModel;
        lamp.Dimstand = c.dimstand;
        device.clearTrace();
        click(column().*c.button);
        ASSERT_TRUE(waitForTrace(1)) << c.name;
        EXPECT_EQ(switches(), std::vector<Report> {switchReport(0x2A, c.value)}) << c.name;
        EXPECT_EQ(lamp.Dimstand, c.storedLevel) << c.name;
        if (c.button == &TfrmRuimteAppButInterface::ButDimUp || c.button == &TfrmRuimteAppButInterface::ButDimDn) {
            EXPECT_EQ(column().LDimmer->text(), QString::number(c.storedLevel)) << c.name;
        }
    }
    EXPECT_TRUE(messagesShown().isEmpty());
}

TEST_F(RoomsScreen, WithoutADeviceOrACodeNothingIsSent)
{
    furnish(1, 1);
    Apparaat& lamp = store->Ruimtes[0].Apparaten[0];
    lamp.Dimmer = true;
    lamp.Dimstand = 5;
    lamp.Code = -1;
    openRooms();

    device.clearTrace();
    answerMessages(4);
    click(column().ButDimUp);
    EXPECT_EQ(lamp.Dimstand, 6) << "without a code the level still changes";
    click(column().ButOn);
    EXPECT_EQ(messagesShown(), QStringList({"Device has no code", "Device has no code"}));

    answerMessages(1); // the link tells of the unplugged device
    device.unplug();
    processEventsUntil([] { return !ZolvoConnected; });
    TfrmMeld::clearSeam();
    answerMessages(4);
    click(column().ButDimDn);
    click(column().ButOff);
    EXPECT_EQ(lamp.Dimstand, 6) << "without a device the level stays";
    EXPECT_EQ(messagesShown(), QStringList({"The Zolvo is not connected", "The Zolvo is not connected"}));
    QTest::qWait(50);
    EXPECT_TRUE(switches().empty());
}

} // namespace
