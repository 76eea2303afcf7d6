// The room and appliance editor, opened from the home screen's tiles.
#include "RoomsTest.h"

#include "ImageFetcher.h"
#include "ImagePicker.h"
#include "ImagePickerHandler.h"
#include "PictureImage.h"
#include "Utilities.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

class RoomEditor : public RoomsTest {
protected:
    TRuimteAppSelHandler& roomEditor() { return rooms().editor(); }
    TRuimteAppSelHandler& applianceEditor() { return rooms().appliances().editor(); }
    static TfrmRuimteAppSelButInterface& columnOf(TRuimteAppSelHandler& editor)
    {
        return *editor.buttons().userInterface();
    }
    static bool isOpen(TRuimteAppSelHandler& editor) { return editor.form().pnlPanel1->isVisible(); }

    // Types the name key by key, as a keyboard with any layout would.
    static void typeName(TRuimteAppSelHandler& editor, const QString& name)
    {
        QLineEdit* field = editor.form().edtOmschrijving;
        field->clear();
        for (const QChar character : name) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(field, &press);
        }
    }

    // Opens the appliance editor on appliance `a` of the first room.
    TRuimteAppSelHandler& editAppliance(int a)
    {
        click(layout().imgBGA[a]);
        doubleClick(layout().imgA[a]);
        EXPECT_TRUE(isOpen(applianceEditor()));
        return applianceEditor();
    }

    std::vector<Colour> catalogueRoomPixels(int position) const
    {
        return store->pictures()->ruimteimages.at(position).pixels();
    }
};

TEST_F(RoomEditor, ANewRoomGetsItsNameAndACopyOfTheChosenPicture)
{
    openRooms();
    doubleClick(layout().imgBGR[0]);
    TRuimteAppSelHandler& editor = roomEditor();
    ASSERT_TRUE(isOpen(editor));
    EXPECT_FALSE(editor.form().pnlDimBaar->isVisible());
    EXPECT_FALSE(editor.form().pnlCode->isVisible());
    EXPECT_TRUE(columnOf(editor).ButWissen->isEnabled()) << "a room without appliances may be deleted";
    EXPECT_FALSE(columnOf(editor).butLeren->isVisible());
    EXPECT_EQ(store->pictures()->ruimteimages.count(), 32) << "the editor fills the empty catalogue";

    click(editor.form().imgPIR[1]);
    click(editor.form().Image[3]);
    EXPECT_EQ(editor.selectedImage(), 11);
    typeName(editor, QStringLiteral("Kitchen"));
    EXPECT_EQ(editor.form().LR1->text(), "Kitchen");
    click(columnOf(editor).ButOK);

    EXPECT_FALSE(isOpen(editor));
    const Ruimte& kitchen = store->Ruimtes[0];
    EXPECT_EQ(toQString(kitchen.Omschrijving), "Kitchen");
    ASSERT_EQ(kitchen.Afbeelding, 0);
    EXPECT_EQ(store->pictures()->usedRuimteimages.at(0).pixels(), catalogueRoomPixels(11));
    EXPECT_FALSE(store->pictures()->usedRuimteimages.at(0).hasMask());
    EXPECT_EQ(layout().lblR[0]->text(), "Kitchen");
    EXPECT_FALSE(layout().imgR[0]->picture().isNull());
    EXPECT_EQ(rooms().indicatorHandler().indicator(1).state, ISDisabled) << "page 1 is not yet offered";

    click(layout().imgBGA[0]);
    EXPECT_TRUE(rooms().appliances().tile(0).isSelected()) << "the room now takes appliances";
}

TEST_F(RoomEditor, ANewApplianceGetsTheFirstFreeCodeAndAMaskedPicture)
{
    furnish(1, 2);
    store->Ruimtes[0].Apparaten[0].Code = 0;
    store->Ruimtes[0].Apparaten[1].Code = 1;
    openRooms();
    TRuimteAppSelHandler& editor = editAppliance(2);
    EXPECT_TRUE(columnOf(editor).butLeren->isVisible());
    EXPECT_EQ(columnOf(editor).butLeren->caption(), "learn code");
    EXPECT_FALSE(editor.form().pnlHeeftCodeSchijf->isVisible()) << "no code wheels in this house";
    EXPECT_TRUE(editor.form().pnlDimBaar->isVisible());

    click(editor.form().Image[5]);
    click(editor.form().imgDimJa);
    typeName(editor, QStringLiteral("Fan"));
    click(columnOf(editor).ButOK);

    const Apparaat& fan = store->Ruimtes[0].Apparaten[2];
    EXPECT_EQ(toQString(fan.Omschrijving), "Fan");
    EXPECT_EQ(fan.Code, 2);
    EXPECT_TRUE(fan.Dimmer);
    ASSERT_EQ(fan.Afbeelding, 2);
    EXPECT_TRUE(store->pictures()->usedAppimages.at(2).hasMask());
    EXPECT_EQ(layout().lblA[2]->text(), "Fan");
    EXPECT_TRUE(column().ButDimmer->isEnabled());
}

TEST_F(RoomEditor, IncompleteInputIsMarkedAndNothingIsReturned)
{
    openRooms();
    doubleClick(layout().imgBGR[0]);
    TRuimteAppSelHandler& editor = roomEditor();
    QLineEdit* name = editor.form().edtOmschrijving;
    const QColor normal = name->palette().color(QPalette::Base);

    typeName(editor, QStringLiteral("Hall"));
    click(columnOf(editor).ButOK);
    EXPECT_TRUE(isOpen(editor));
    EXPECT_EQ(editor.form().imgSelBackGr->picture(), TImageFetcher::instance().imgSelectedInvalid);

    click(editor.form().Image[0]);
    EXPECT_EQ(editor.form().imgSelBackGr->picture(), TImageFetcher::instance().imgSelectedValid);
    name->clear();
    click(columnOf(editor).ButOK);
    EXPECT_TRUE(isOpen(editor));
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(255, 0, 0));
    QTest::keyClicks(name, QStringLiteral("H"));
    EXPECT_EQ(name->palette().color(QPalette::Base), normal);
    EXPECT_EQ(store->Ruimtes[0].Afbeelding, -1);

    click(columnOf(editor).ButExit);
    EXPECT_FALSE(isOpen(editor));
    EXPECT_TRUE(store->Ruimtes[0].Omschrijving.empty());
}

TEST_F(RoomEditor, NamesAreCutToTheFieldAndStoredInWindows1252)
{
    openRooms();
    doubleClick(layout().imgBGR[0]);
    TRuimteAppSelHandler& editor = roomEditor();
    typeName(editor, QStringLiteral("A very long name for a small room"));
    EXPECT_EQ(editor.form().edtOmschrijving->text(), "A very long name for");
    typeName(editor, QStringLiteral("Caf\u00E9 \u0141\u00F3d\u017A \u20AC"));
    click(editor.form().Image[0]);
    click(columnOf(editor).ButOK);
    EXPECT_EQ(layout().lblR[0]->text(), QStringLiteral("Caf\u00E9 ?\u00F3d? \u20AC"));
}

struct CodeWheelCase {
    int storedCode;
    bool oudModel;
    const char* number;
    const char* letter;
    int keyDownsOnLetter;
    int keyDownsOnNumber;
    int code;
};

TEST_F(RoomEditor, TheCodeWheelMapsLetterAndNumberToTheCodeBothWays)
{
    const CodeWheelCase cases[] = {
        {34, true, "3", "C", 0, 0, 34},
        {-1, false, "1", "A", 0, 0, 0},
        {-1, false, "1", "A", 1, 0, 1},
        {-1, false, "1", "A", 0, 1, 16},
        {34, true, "3", "C", 13, 13, 255},
    };
    store->Environment.hasCodeWheels = true;
    furnish(1, 1);
    openRooms();
    for (const CodeWheelCase& c : cases) {
        Apparaat& lamp = store->Ruimtes[0].Apparaten[0];
        lamp.Code = c.storedCode;
        lamp.OudModel = c.oudModel;
        lamp.Dimmer = true;
        TRuimteAppSelHandler& editor = editAppliance(0);
        TfrmRuimteAppSel& f = editor.form();
        EXPECT_TRUE(f.pnlHeeftCodeSchijf->isVisible());
        EXPECT_EQ(f.nummerBox->currentText(), c.number) << c.storedCode;
        EXPECT_EQ(f.kanaalBox->currentText(), c.letter) << c.storedCode;
        EXPECT_EQ(f.pnlCode->isVisible(), c.oudModel);
        click(f.imgCodeSchijfJa);
        EXPECT_TRUE(f.pnlCode->isVisible());
        EXPECT_FALSE(columnOf(editor).butLeren->isEnabled());
        for (int i = 0; i < c.keyDownsOnLetter; ++i)
            QTest::keyClick(f.kanaalBox, Qt::Key_Down);
        for (int i = 0; i < c.keyDownsOnNumber; ++i)
            QTest::keyClick(f.nummerBox, Qt::Key_Down);
        click(columnOf(editor).ButOK);
        EXPECT_EQ(lamp.Code, c.code) << c.storedCode << " " << c.keyDownsOnLetter << " " << c.keyDownsOnNumber;
        EXPECT_TRUE(lamp.OudModel);
        EXPECT_FALSE(lamp.Dimmer) << "a code-wheel receiver does not dim";
    }
}

TEST_F(RoomEditor, DeletingARoomRenumbersTheLaterRoomsAndCancelKeepsIt)
{
    furnish(4, 1);
    store->Scenes[2].Akties[0] = {3, 0, 17};
    openRooms();
    doubleClick(layout().imgR[0]);
    EXPECT_FALSE(columnOf(roomEditor()).ButWissen->isEnabled()) << "room 0 has an appliance";
    click(columnOf(roomEditor()).ButExit);

    click(layout().imgR[1]);
    doubleClick(layout().imgR[1]);
    click(columnOf(roomEditor()).ButWissen);
    EXPECT_TRUE(roomEditor().form().edtOmschrijving->text().isEmpty());
    click(columnOf(roomEditor()).ButExit);
    EXPECT_EQ(toQString(store->Ruimtes[1].Omschrijving), "room 1") << "cancel after delete changes nothing";

    doubleClick(layout().imgR[1]);
    click(columnOf(roomEditor()).ButWissen);
    click(columnOf(roomEditor()).ButOK);
    EXPECT_EQ(toQString(store->Ruimtes[1].Omschrijving), "room 2");
    EXPECT_EQ(toQString(store->Ruimtes[2].Omschrijving), "room 3");
    EXPECT_FALSE(inUse(store->Ruimtes[3]));
    EXPECT_EQ(store->Scenes[2].Akties[0].Ruimte, 2);
    EXPECT_EQ(layout().lblR[1]->text(), "room 2");
    EXPECT_TRUE(layout().lblR[3]->text().isEmpty());
}

TEST_F(RoomEditor, DeletingAnApplianceTakesItOutOfScenesAndTimerActions)
{
    furnish(1, 4);
    store->Scenes[3].Akties[5] = {0, 2, 17};
    store->Scenes[3].Akties[6] = {0, 3, 9};
    for (int a : {2, 3}) {
        auto action = std::make_shared<ProgAktie>();
        action->Ruimte = 0;
        action->Apparaat = a;
        store->GlobalAktieListObject->addToMain(action);
    }
    openRooms();
    TRuimteAppSelHandler& editor = editAppliance(2);
    click(columnOf(editor).ButWissen);
    click(columnOf(editor).ButOK);
    EXPECT_EQ(toQString(store->Ruimtes[0].Apparaten[2].Omschrijving), "lamp 3");
    EXPECT_EQ(store->Scenes[3].Akties[5].Apparaat, 2);
    EXPECT_EQ(store->Scenes[3].Akties[5].OnOffDim, 9);
    ASSERT_EQ(store->GlobalAktieListObject->mainList().size(), 1u);
    EXPECT_EQ(store->GlobalAktieListObject->mainList()[0].second->Apparaat, 2);
    EXPECT_EQ(layout().lblA[2]->text(), "lamp 3");
    EXPECT_TRUE(layout().lblA[3]->text().isEmpty());
}

TEST_F(RoomEditor, ALearnRunSendsEverySecondTickAndEndsByItself)
{
    furnish(1, 1);
    store->Ruimtes[0].Apparaten[0].Code = 0x2A;
    openRooms();
    ASSERT_TRUE(ZolvoConnected);
    TRuimteAppSelHandler& editor = editAppliance(0);
    TGradBtn* learn = columnOf(editor).butLeren;
    editor.form().timerLeren->setInterval(0);
    device.clearTrace();
    click(learn);
    EXPECT_TRUE(editor.isLearning());
    EXPECT_EQ(learn->caption(), "stop learning");
    EXPECT_TRUE(processEventsUntil([&] { return !editor.isLearning(); }, 20000));
    EXPECT_EQ(editor.learningCount(), TRuimteAppSelHandler::maxLearnTicks + 1);
    ASSERT_TRUE(waitForTrace(200));
    QTest::qWait(50);
    const std::vector<Report> sent = switches();
    EXPECT_EQ(sent.size(), 200u);
    EXPECT_TRUE(std::all_of(sent.begin(), sent.end(), [](const Report& r) { return r == switchReport(0x2A, 0x23); }));
    EXPECT_EQ(learn->caption(), "learn code");

    // A second press stops a run, and so does cancel.
    editor.form().timerLeren->setInterval(1000);
    click(learn);
    EXPECT_TRUE(editor.isLearning());
    click(learn);
    EXPECT_FALSE(editor.isLearning());
    click(learn);
    click(columnOf(editor).ButExit);
    EXPECT_FALSE(editor.isLearning());
}

TEST_F(RoomEditor, LearningWithoutADeviceShowsTheMessage)
{
    furnish(1, 1);
    device.unplug();
    answerMessages(1); // the link's own message at start-up
    openRooms();
    TfrmMeld::clearSeam();
    answerMessages(2);
    TRuimteAppSelHandler& editor = editAppliance(0);
    click(columnOf(editor).butLeren);
    EXPECT_FALSE(editor.isLearning());
    EXPECT_EQ(messagesShown(), QStringList {"The Zolvo is not connected"});
}

TEST_F(RoomEditor, APictureFileOfTheUsersOwnReplacesTheCataloguePictureEvenAfterCancel)
{
    QTemporaryDir pictures;
    QImage photo(260, 80, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 30));
    ASSERT_TRUE(photo.save(pictures.filePath("garden.bmp")));
    openRooms();
    doubleClick(layout().imgBGR[0]);
    TRuimteAppSelHandler& editor = roomEditor();
    click(editor.form().imgPIR[1]);
    doubleClick(editor.form().Image[1]);
    EXPECT_EQ(editor.selectedImage(), 9);
    TImagePickerHandler& picker = editor.imagePicker();
    ASSERT_TRUE(picker.form().imagePickPanel->isVisible());
    picker.setFolder(pictures.path());
    auto& pickerColumn = static_cast<TRuimteAppSelButHandler&>(picker.buttonColumn());
    click(pickerColumn.userInterface()->ButOK);
    EXPECT_FALSE(picker.form().imagePickPanel->isVisible());

    const Picture custom = store->pictures()->ruimteimages.at(9);
    EXPECT_TRUE(custom.hasMask());
    EXPECT_EQ(custom.pixel(65, 40), rgb(10, 200, 30));
    EXPECT_EQ(editor.form().Image[1]->picture().pixel(65, 40), QColor(10, 200, 30).rgb());
    click(columnOf(editor).ButExit);
    EXPECT_EQ(store->pictures()->ruimteimages.at(9).pixels(), custom.pixels());
    EXPECT_EQ(store->Ruimtes[0].Afbeelding, -1);
}

} // namespace
