#include "Melding.h"

#include "GradBtn.h"
#include "UiTestApp.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class MeldingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }
    void SetUp() override { TfrmMeld::clearSeam(); }
    void TearDown() override { TfrmMeld::clearSeam(); }
};

// Runs `act` on the message dialog once it is shown modally. Gives up (and
// closes whatever modal window there is) after a few seconds, so a dialog
// that never opens cannot hang the test.
void whenShown(std::function<void(TfrmMeld&)> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, act = std::move(act)] {
        auto* dialog = qobject_cast<TfrmMeld*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        } else if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "the message dialog was not shown";
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    poll->start(10);
}

TEST_F(MeldingTest, LayoutOfTheDialog)
{
    TfrmMeld dialog;
    EXPECT_EQ(dialog.size(), QSize(480, 360));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));

    // Rounded outline from (1,1): the corners and the first row and column are cut away.
    const QRegion outline = dialog.mask();
    EXPECT_TRUE(outline.contains(QPoint(240, 180)));
    EXPECT_TRUE(outline.contains(QPoint(240, 1)));
    EXPECT_TRUE(outline.contains(QPoint(1, 180)));
    EXPECT_TRUE(outline.contains(QPoint(479, 180)));
    EXPECT_FALSE(outline.contains(QPoint(240, 0)));
    EXPECT_FALSE(outline.contains(QPoint(0, 180)));
    EXPECT_FALSE(outline.contains(QPoint(1, 1)));
    EXPECT_FALSE(outline.contains(QPoint(479, 359)));

    struct Line {
        QLabel* label;
        QRect geometry;
    };
    for (const Line& line : {Line {dialog.label1(), {30, 80, 420, 24}}, Line {dialog.label2(), {30, 128, 420, 24}}}) {
        EXPECT_EQ(line.label->geometry(), line.geometry);
        EXPECT_EQ(line.label->font().family(), "Arial");
        EXPECT_EQ(line.label->font().pixelSize(), 21);
        EXPECT_TRUE(line.label->alignment().testFlag(Qt::AlignHCenter));
    }

    struct Button {
        TGradBtn* button;
        QRect geometry;
    };
    for (const Button& b :
        {Button {dialog.button1(), {50, 252, 130, 40}}, Button {dialog.button2(), {300, 250, 130, 40}}}) {
        EXPECT_EQ(b.button->geometry(), b.geometry);
        EXPECT_EQ(b.button->font().family(), "Arial");
        EXPECT_EQ(b.button->font().pixelSize(), 19);
        EXPECT_EQ(b.button->beginColor(), clGray);
        EXPECT_EQ(b.button->endColor(), clWhite);
        EXPECT_EQ(b.button->gradientStyle(), gsVertCenter);
        EXPECT_EQ(b.button->textStyle(), tsNormal);
        EXPECT_FALSE(b.button->showFocus());
        const QRegion rounded = b.button->mask();
        EXPECT_TRUE(rounded.contains(QPoint(65, 20)));
        EXPECT_TRUE(rounded.contains(QPoint(65, 1)));
        EXPECT_FALSE(rounded.contains(QPoint(1, 1)));
        EXPECT_FALSE(rounded.contains(QPoint(129, 39)));
    }
}

TEST_F(MeldingTest, EmptyTextsHideTheirPartsAndALoneButtonIsCentred)
{
    struct Case {
        const char* name;
        QString M1, M2, B1, B2;
        bool line1, line2, button1, button2;
        int left1, left2;
    };
    const Case cases[] = {
        {"two buttons", "Changes in effect only", "after clicking", "exit", "Send to Zolvo", true, true, true, true, 50,
            300},
        {"first button only", "The Zolvo is not connected", "", "OK", "", true, false, true, false, 175, 175},
        {"second button only", "", "Device has no code", "", "OK", false, true, false, true, 175, 175},
        {"no button", "Busy", "", "", "", true, false, false, false, 175, 175},
        // Once more with two buttons: the layout positions are back.
        {"two buttons again", "Delete?", "", "Yes", "No", true, false, true, true, 50, 300},
    };
    TfrmMeld dialog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMeld::setNextAnswer(1);
        EXPECT_EQ(dialog.Meld(c.M1, c.M2, c.B1, c.B2), 1);
        ASSERT_FALSE(TfrmMeld::askedQuestions().isEmpty());
        const MeldQuestion asked = TfrmMeld::askedQuestions().last();
        EXPECT_EQ(asked.M1, c.M1);
        EXPECT_EQ(asked.M2, c.M2);
        EXPECT_EQ(asked.B1, c.B1);
        EXPECT_EQ(asked.B2, c.B2);
        EXPECT_EQ(asked.label1Visible, c.line1);
        EXPECT_EQ(asked.label2Visible, c.line2);
        EXPECT_EQ(asked.btn1Visible, c.button1);
        EXPECT_EQ(asked.btn2Visible, c.button2);
        EXPECT_EQ(asked.btn1Left, c.left1);
        EXPECT_EQ(asked.btn2Left, c.left2);
        EXPECT_EQ(dialog.label1()->text(), c.M1);
        EXPECT_EQ(dialog.button2()->caption(), c.B2);
        // Meld puts the buttons back where the layout has them.
        EXPECT_EQ(dialog.button1()->pos(), QPoint(50, 252));
        EXPECT_EQ(dialog.button2()->pos(), QPoint(300, 250));
    }
}

TEST_F(MeldingTest, QueuedAnswersAreTakenInOrder)
{
    TfrmMeld::setNextAnswer(2);
    TfrmMeld::setNextAnswer(1);
    TfrmMeld::setNextAnswer(0); // anything but 1 counts as the second button
    EXPECT_EQ(TfrmMeld::ask(nullptr, "first", "", "A", "B"), 2);
    EXPECT_EQ(TfrmMeld::ask(nullptr, "second", "", "A", "B"), 1);
    EXPECT_EQ(TfrmMeld::ask(nullptr, "third", "", "A", "B"), 2);
    const QList<MeldQuestion> asked = TfrmMeld::askedQuestions();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0].M1, "first");
    EXPECT_EQ(asked[2].M1, "third");
    EXPECT_FALSE(TfrmMeld::isOpen());
}

TEST_F(MeldingTest, OpenExactlyWhileADialogExists)
{
    EXPECT_FALSE(TfrmMeld::isOpen());
    auto first = std::make_unique<TfrmMeld>();
    EXPECT_TRUE(TfrmMeld::isOpen());
    auto second = std::make_unique<TfrmMeld>();
    first.reset();
    EXPECT_TRUE(TfrmMeld::isOpen());
    second.reset();
    EXPECT_FALSE(TfrmMeld::isOpen());
}

TEST_F(MeldingTest, ShownDialogEndsWithTheButtonPressed)
{
    struct Case {
        const char* name;
        std::function<void(TfrmMeld&)> answer;
        int result;
    };
    const Case cases[] = {
        {"first button", [](TfrmMeld& d) { QTest::mouseClick(d.button1(), Qt::LeftButton, {}, QPoint(65, 20)); }, 1},
        {"second button", [](TfrmMeld& d) { QTest::mouseClick(d.button2(), Qt::LeftButton, {}, QPoint(65, 20)); }, 2},
        {"escape", [](TfrmMeld& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 2},
        {"closed", [](TfrmMeld& d) { d.close(); }, 2},
    };
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 800, 600);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool seen = false;
        whenShown([&](TfrmMeld& dialog) {
            seen = true;
            EXPECT_TRUE(TfrmMeld::isOpen());
            EXPECT_EQ(dialog.label1()->text(), "Changes in effect only");
            EXPECT_TRUE(dialog.button1()->isVisible());
            EXPECT_TRUE(dialog.button2()->isVisible());
            EXPECT_EQ(dialog.geometry().center(), mainWindow.geometry().center());
            c.answer(dialog);
        });
        EXPECT_EQ(
            TfrmMeld::ask(&mainWindow, "Changes in effect only", "after clicking", "exit", "Send to Zolvo"), c.result);
        EXPECT_TRUE(seen);
        EXPECT_FALSE(TfrmMeld::isOpen());
    }
}

TEST_F(MeldingTest, ShownLoneButtonSitsInTheCentre)
{
    TfrmMeld dialog;
    whenShown([](TfrmMeld& shown) {
        EXPECT_FALSE(shown.label2()->isVisible());
        EXPECT_FALSE(shown.button2()->isVisible());
        EXPECT_EQ(shown.button1()->x(), 175);
        QTest::keyClick(shown.button1(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Meld("The Zolvo is not connected", "", "OK", ""), 1);
    EXPECT_EQ(dialog.button1()->x(), 50);
}

} // namespace
