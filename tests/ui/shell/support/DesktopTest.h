#pragma once

#include "BaseForm.h"
#include "ErrorBox.h"
#include "Melding.h"
#include "StandInZolvo.h"
#include "UiTestApp.h"
#include "VirtualTransport.h"

#include <memory>

// The desktop program's parts with a stand-in Zolvo on its real socket, a
// store in a temporary folder, and the dialogs answered without a person.
class DesktopTest : public StandInZolvoTest {
protected:
    void SetUp() override
    {
        ensureUiApp();
        StandInZolvoTest::SetUp();
        answerErrorBoxesAtOnce(true);
        clearShownErrorBoxes();
        TfrmMeld::clearSeam();
    }

    void TearDown() override
    {
        form.reset();
        TfrmMeld::clearSeam();
        clearShownErrorBoxes();
        StandInZolvoTest::TearDown();
    }

    // Settings for a main window on any free port, reaching the stand-in.
    MainFormSettings settings()
    {
        MainFormSettings s;
        s.port = 0;
        const std::string socket = folder.filePath("zolvo.sock").toStdString();
        s.transport = [socket] { return std::make_unique<VirtualTransport>(socket); };
        return s;
    }

    // Builds the main window and waits for the link's first presence check to decide.
    void startMainForm(MainFormSettings s)
    {
        form = std::make_unique<TMainForm>(std::move(s));
        processEventsUntil([] { return ZolvoConnected || reprog || !TfrmMeld::askedQuestions().isEmpty(); }, 3000);
    }

    std::unique_ptr<TMainForm> form;
};
