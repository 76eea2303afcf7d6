#include "ExitSequence.h"

#include "Communicatie.h"
#include "DesktopTest.h"
#include "GradBtn.h"
#include "RuimteAppButHandler.h"
#include "RuimteAppHandler.h"

#include <QDir>
#include <QTest>

#include <algorithm>

namespace {

class ExitSequence : public DesktopTest {
protected:
    // A configuration the device does not have yet.
    void changeConfiguration()
    {
        store->Ruimtes[0].Apparaten[0].Code = 5;
        store->Scenes[0].Akties[0] = {0, 0, 17};
    }

    // The table writes in the traffic, in order, each kind once.
    std::vector<std::string> tableWrites() const
    {
        std::vector<std::string> kinds;
        for (const std::string& line : commands())
            if ((line == "> C" || line == "> E" || line == "> P") && (kinds.empty() || kinds.back() != line))
                kinds.push_back(line);
        return kinds;
    }

    void expectDataFilesWritten() const
    {
        for (const char* name : {"zolvo.dat", "environment.dat", "language.dat", "RuimteImageList.dat",
                 "AppImageList.dat", "CustomRuimteImageList.dat", "CustomAppImageList.dat"})
            EXPECT_TRUE(QDir(folder.path()).exists(QLatin1String(name))) << name;
    }
};

TEST_F(ExitSequence, WithoutADeviceNothingIsAskedAndTheFilesAreWritten)
{
    device.unplug();
    connectLink();
    changeConfiguration();
    EXPECT_TRUE(runExitSequence(nullptr));
    EXPECT_TRUE(TfrmMeld::askedQuestions().isEmpty());
    expectDataFilesWritten();
}

TEST_F(ExitSequence, AMatchingDeviceIsNotAsked)
{
    connectLink();
    changeConfiguration();
    TCommunicatie communicatie(*store);
    communicatie.SendScenes();
    communicatie.SendSun();
    communicatie.SendProg();
    device.clearTrace();

    EXPECT_TRUE(runExitSequence(nullptr));
    EXPECT_TRUE(TfrmMeld::askedQuestions().isEmpty());
    EXPECT_TRUE(tableWrites().empty());
    expectDataFilesWritten();
}

TEST_F(ExitSequence, ADifferingDeviceIsAskedAndExitWritesNothing)
{
    connectLink();
    changeConfiguration();
    device.clearTrace();
    TfrmMeld::setNextAnswer(1);

    EXPECT_TRUE(runExitSequence(nullptr));
    ASSERT_EQ(TfrmMeld::askedQuestions().size(), 1);
    const MeldQuestion asked = TfrmMeld::askedQuestions().front();
    EXPECT_EQ(asked.M1, "Changes in effect only");
    EXPECT_EQ(asked.M2, "after clicking on 'Send to Zolvo'");
    EXPECT_EQ(asked.B1, "exit");
    EXPECT_EQ(asked.B2, "Send to Zolvo");
    EXPECT_TRUE(tableWrites().empty());
    EXPECT_FALSE(TCommunicatie(*store).ZolvoIsSameAsPc());
    expectDataFilesWritten();
}

TEST_F(ExitSequence, SendToZolvoUploadsScenesSunAndProgramInThatOrder)
{
    connectLink();
    changeConfiguration();
    device.clearTrace();
    TfrmMeld::setNextAnswer(2);

    EXPECT_TRUE(runExitSequence(nullptr));
    EXPECT_EQ(tableWrites(), (std::vector<std::string> {"> C", "> E", "> P"}));
    EXPECT_TRUE(TCommunicatie(*store).ZolvoIsSameAsPc());
    expectDataFilesWritten();
}

TEST_F(ExitSequence, TheRoomsScreensExitButtonRunsIt)
{
    MainFormSettings s = settings();
    s.homeScreen = [](TMainForm& mainForm) { return std::make_unique<TRuimteUIHandler>(mainForm); };
    startMainForm(std::move(s));
    form->show();
    auto& rooms = static_cast<TRuimteUIHandler&>(*form->homeScreen());
    TGradBtn* exitButton = rooms.buttons().userInterface()->ButExit;
    ASSERT_TRUE(exitButton->isVisible());
    EXPECT_EQ(exitButton->caption(), "exit");
    changeConfiguration();
    device.clearTrace();
    TfrmMeld::setNextAnswer(2);

    QTest::mouseClick(exitButton, Qt::LeftButton);
    EXPECT_EQ(TfrmMeld::askedQuestions().size(), 1);
    EXPECT_EQ(tableWrites(), (std::vector<std::string> {"> C", "> E", "> P"}));
    expectDataFilesWritten();
}

TEST_F(ExitSequence, AFailedSaveIsReportedAndTheProgramStaysOpen)
{
    connectLink();
    ASSERT_TRUE(QDir(folder.path()).mkdir("zolvo.dat")); // cannot be replaced by a file
    EXPECT_FALSE(runExitSequence(nullptr));
    ASSERT_EQ(shownErrorBoxes().size(), 1);
    EXPECT_TRUE(shownErrorBoxes().front().contains("zolvo.dat")) << shownErrorBoxes().front().toStdString();
    EXPECT_TRUE(TfrmMeld::askedQuestions().isEmpty()) << "nothing is asked about a device before the data is safe";
}

} // namespace
