#include "GradBtn.h"

#include "UiTestApp.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

constexpr TColor rgb(int r, int g, int b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

TColor colourAt(const QImage& image, int x, int y)
{
    return fromQColor(QColor(image.pixel(x, y)));
}

constexpr TColor red = rgb(255, 0, 0);
constexpr TColor blue = rgb(0, 0, 255);
constexpr TColor green = rgb(0, 128, 0);
constexpr TColor magenta = rgb(255, 0, 255);
constexpr TColor cyan = rgb(0, 255, 255);

class GradBtnTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    void SetUp() override
    {
        window.resize(400, 200);
        button = new TGradBtn(&window);
        button->setGeometry(20, 20, 130, 40);
        button->setFont(crispFont(19));
        // As in the program's layouts; the focus test turns it back on.
        button->setShowFocus(false);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // A face of one colour with distinct frame and caption colours, so each
    // layer of the drawing can be told apart.
    void useTestColours()
    {
        button->setBeginColor(clWhite);
        button->setEndColor(clWhite);
        button->setBtnHiliteClr(magenta);
        button->setBtnShadowClr(cyan);
        button->setTxtHiliteClr(red);
        button->setTxtShadowClr(blue);
        button->setDisabledColor(green);
        button->setFontColor(clBlack);
    }

    QImage face() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRect captionBox() const { return boxOf(face(), toQColor(clBlack)); }

    const QPoint inside {65, 20};
    const QPoint outside {250, 20};

    QWidget window;
    TGradBtn* button = nullptr;
};

TEST_F(GradBtnTest, StartsWithTheDefaultsOfTheControl)
{
    TGradBtn fresh;
    EXPECT_EQ(fresh.size(), QSize(75, 25));
    EXPECT_EQ(fresh.beginColor(), 8388608u);
    EXPECT_EQ(fresh.endColor(), 16776960u);
    EXPECT_EQ(fresh.fontColor(), clBlack);
    EXPECT_EQ(fresh.btnFrameSize(), 1);
    EXPECT_TRUE(fresh.swapColors());
    EXPECT_TRUE(fresh.showFocus());
    EXPECT_EQ(fresh.gradientStyle(), gsVertCenter);
    EXPECT_EQ(fresh.textStyle(), tsRaised);
    EXPECT_EQ(fresh.textShadeType(), stLight);
    EXPECT_EQ(fresh.justification(), jCenter);
    EXPECT_EQ(fresh.presets(), TPreset::None);
    EXPECT_EQ(fresh.focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(fresh.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(fresh.isDrawnPressed());
    // The system colours follow the theme.
    EXPECT_EQ(fresh.btnHiliteClr(), fromQColor(fresh.palette().color(QPalette::Active, QPalette::Light)));
    EXPECT_EQ(fresh.btnShadowClr(), fromQColor(fresh.palette().color(QPalette::Active, QPalette::Dark)));
    EXPECT_EQ(fresh.txtHiliteClr(), fresh.btnHiliteClr());
    EXPECT_EQ(fresh.txtShadowClr(), fresh.btnShadowClr());
    EXPECT_EQ(fresh.disabledColor(), fromQColor(fresh.palette().color(QPalette::Disabled, QPalette::Text)));
}

TEST_F(GradBtnTest, FrameSizeMustLeaveRoomForTheFace)
{
    struct Case {
        QSize size;
        int requested;
        int kept;
    };
    const Case cases[] = {
        {{130, 40}, 15, 15}, // 40 / 2 - 5
        {{130, 40}, 16, 1},
        {{130, 40}, 20, 1},
        {{130, 40}, 0, 0},
        {{130, 40}, -1, 1},
        {{75, 25}, 7, 7},
        {{75, 25}, 8, 1},
        {{24, 100}, 7, 7}, // the width limits as well: 24 / 2 - 5
        {{24, 100}, 8, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " size " << c.requested);
        TGradBtn control;
        control.resize(c.size);
        control.setBtnFrameSize(c.requested);
        EXPECT_EQ(control.btnFrameSize(), c.kept);
    }
}

TEST_F(GradBtnTest, GradientStylesColourTheFaceStepByStep)
{
    struct Probe {
        QPoint at;
        TColor colour;
    };
    struct Case {
        const char* name;
        TGradientStyle style;
        QSize size;
        TColor begin;
        TColor end;
        std::vector<Probe> probes;
    };
    const TColor black = rgb(0, 0, 0);
    const Case cases[] = {
        // One band per row: row y has step y of 255.
        {"vertical", gsVertical, {20, 256}, black, clWhite,
            {{{5, 0}, black}, {{5, 100}, rgb(100, 100, 100)}, {{5, 255}, clWhite}}},
        // Steps toward a smaller value truncate toward zero: 200 - 100 / 255 stays 200.
        {"vertical falling", gsVertical, {20, 256}, rgb(200, 10, 0), rgb(100, 20, 0),
            {{{5, 1}, rgb(200, 10, 0)}, {{5, 3}, rgb(199, 10, 0)}, {{5, 255}, rgb(100, 20, 0)}}},
        // 128 columns for 256 bands: band 2x is empty and band 2x + 1 fills column x.
        {"horizontal", gsHorizontal, {128, 20}, black, clWhite,
            {{{0, 5}, rgb(1, 1, 1)}, {{1, 5}, rgb(3, 3, 3)}, {{127, 5}, clWhite}}},
        // Begin colour at the top and bottom edges, end colour in the middle rows.
        {"vertical centre", gsVertCenter, {130, 40}, clGray, clWhite,
            {{{60, 0}, clGray}, {{60, 39}, clGray}, {{60, 19}, clWhite}, {{60, 20}, clWhite},
                {{60, 10}, rgb(191, 191, 191)}, {{60, 29}, rgb(191, 191, 191)}}},
        {"horizontal centre", gsHorizCenter, {41, 10}, black, rgb(200, 0, 0),
            {{{0, 5}, black}, {{40, 5}, black}, {{20, 5}, rgb(200, 0, 0)}, {{5, 5}, rgb(50, 0, 0)},
                {{35, 5}, rgb(50, 0, 0)}}},
        // The last ellipse has no size: the centre has step 49 of 50.
        {"elliptic", gsElliptic, {130, 40}, black, clWhite, {{{65, 20}, rgb(249, 249, 249)}}},
        // The edge is covered by the first three rectangles, the centre by all but the last.
        {"rectangle", gsRectangle, {130, 40}, black, clWhite,
            {{{0, 20}, rgb(2, 2, 2)}, {{65, 20}, rgb(254, 254, 254)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button->resize(c.size);
        button->setBtnFrameSize(0);
        button->setGradientStyle(c.style);
        button->setBeginColor(c.begin);
        button->setEndColor(c.end);
        const QImage image = face();
        for (const Probe& probe : c.probes) {
            SCOPED_TRACE(testing::Message() << "at " << probe.at.x() << "," << probe.at.y());
            EXPECT_EQ(colourAt(image, probe.at.x(), probe.at.y()), probe.colour);
        }
    }
}

TEST_F(GradBtnTest, EllipticAndRectangleGradientsGrowTowardTheCentre)
{
    for (const TGradientStyle style : {gsElliptic, gsRectangle}) {
        SCOPED_TRACE(int(style));
        button->setBtnFrameSize(0);
        button->setGradientStyle(style);
        button->setBeginColor(rgb(0, 0, 0));
        button->setEndColor(clWhite);
        const QImage image = face();
        int previous = -1;
        for (int x = 0; x <= 65; ++x) {
            const int level = qRed(image.pixel(x, 20));
            EXPECT_GE(level, previous) << "at x " << x;
            previous = level;
        }
        EXPECT_LT(qRed(image.pixel(0, 0)), 60);
        EXPECT_GE(qRed(image.pixel(65, 20)), 249);
    }
}

TEST_F(GradBtnTest, FrameIsLightTopLeftAndDarkBottomRightAndSwapsWhenPressed)
{
    useTestColours();
    button->setBtnFrameSize(3);
    struct Probe {
        QPoint at;
        TColor released;
        TColor pressed;
    };
    const Probe probes[] = {
        {{0, 0}, magenta, cyan}, {{128, 0}, magenta, cyan}, {{129, 0}, cyan, magenta}, // top-right corner is dark
        {{0, 38}, magenta, cyan}, {{0, 39}, cyan, magenta}, // bottom-left corner is dark
        {{129, 20}, cyan, magenta}, {{60, 39}, cyan, magenta}, {{2, 20}, magenta, cyan}, {{60, 2}, magenta, cyan},
        {{127, 20}, cyan, magenta}, {{60, 37}, cyan, magenta},
        {{3, 20}, clWhite, clWhite}, // inside the three-pixel frame
    };
    const QImage released = face();
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    const QImage pressed = face();
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    for (const Probe& probe : probes) {
        SCOPED_TRACE(testing::Message() << "at " << probe.at.x() << "," << probe.at.y());
        EXPECT_EQ(colourAt(released, probe.at.x(), probe.at.y()), probe.released);
        EXPECT_EQ(colourAt(pressed, probe.at.x(), probe.at.y()), probe.pressed);
    }
}

TEST_F(GradBtnTest, PressSwapsTheColoursAndReleaseOverTheButtonClicks)
{
    button->setBeginColor(clGray);
    button->setEndColor(clWhite);
    QSignalSpy clicks(button, &TGradBtn::clicked);
    const QImage before = face();

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(button->isDrawnPressed());
    EXPECT_TRUE(button->hasFocus() || button == window.focusWidget());
    EXPECT_EQ(clicks.count(), 0);
    const QImage pressed = face();
    EXPECT_EQ(colourAt(pressed, 5, 20), clGray); // the middle takes the begin colour
    EXPECT_EQ(colourAt(pressed, 5, 1), rgb(249, 249, 249));

    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->isDrawnPressed());
    EXPECT_EQ(button->beginColor(), clGray);
    EXPECT_EQ(button->endColor(), clWhite);
    EXPECT_EQ(face(), before);
}

TEST_F(GradBtnTest, ReleasingOutsideGivesNoClickAndTheLookOfBeforeThePress)
{
    button->setCaption("Opslaan");
    QSignalSpy clicks(button, &TGradBtn::clicked);
    const QImage before = face();

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseMove(button, outside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);

    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button->isDrawnPressed());
    EXPECT_EQ(button->beginColor(), clNavy);
    EXPECT_EQ(button->endColor(), clAqua);
    EXPECT_EQ(face(), before);

    // The next press and release over the button clicks as usual.
    QTest::mouseClick(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(GradBtnTest, LeavingWhilePressedLooksReleasedAndComingBackPressedAgain)
{
    button->setCaption("Terug");
    QSignalSpy clicks(button, &TGradBtn::clicked);
    QSignalSpy entered(button, &TGradBtn::mouseEntered);
    QSignalSpy left(button, &TGradBtn::mouseLeft);
    const QImage released = face();

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    const QImage pressed = face();
    EXPECT_NE(pressed, released);

    QTest::mouseMove(button, outside);
    EXPECT_FALSE(button->isDrawnPressed());
    EXPECT_EQ(face(), released);
    EXPECT_EQ(left.count(), 1);

    QTest::mouseMove(button, inside);
    EXPECT_TRUE(button->isDrawnPressed());
    EXPECT_EQ(face(), pressed);
    EXPECT_GE(entered.count(), 1);

    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(face(), released);
}

TEST_F(GradBtnTest, PointerEnteringAndLeavingIsReported)
{
    QSignalSpy entered(button, &TGradBtn::mouseEntered);
    QSignalSpy left(button, &TGradBtn::mouseLeft);
    QEnterEvent enter(QPointF(5, 5), QPointF(25, 25), QPointF(25, 25));
    QApplication::sendEvent(button, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
    EXPECT_FALSE(button->isDrawnPressed());
}

TEST_F(GradBtnTest, DisabledButtonIgnoresTheMouseAndShowsItsCaptionInset)
{
    useTestColours();
    button->setCaption("Opslaan");
    button->setEnabled(false);
    QSignalSpy clicks(button, &TGradBtn::clicked);
    const QImage before = face();

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(button->isDrawnPressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(face(), before);

    const QRect caption = boxOf(before, toQColor(green));
    const QRect highlight = boxOf(before, toQColor(red));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_TRUE(boxOf(before, toQColor(clBlack)).isEmpty());
    EXPECT_TRUE(boxOf(before, toQColor(blue)).isEmpty()); // light shade: no shadow copy
    EXPECT_EQ(highlight.right(), caption.right() + 1);
    EXPECT_EQ(highlight.bottom(), caption.bottom() + 1);

    button->setEnabled(true);
    EXPECT_FALSE(boxOf(face(), toQColor(clBlack)).isEmpty());
}

TEST_F(GradBtnTest, DisablingWhilePressedEndsThePress)
{
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    button->setEnabled(false);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(button->isDrawnPressed());
    EXPECT_EQ(button->beginColor(), clNavy);
    EXPECT_EQ(button->endColor(), clAqua);
}

TEST_F(GradBtnTest, WithoutSwapColorsOnlyTheCaptionMovesWhenPressed)
{
    button->setBeginColor(clGray);
    button->setEndColor(clWhite);
    button->setTextStyle(tsNormal);
    button->setCaption("Opslaan");
    button->setSwapColors(false);
    const QImage released = face();
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    const QImage pressed = face();
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);

    for (const QPoint at : {QPoint(5, 1), QPoint(5, 20), QPoint(124, 30)})
        EXPECT_EQ(colourAt(pressed, at.x(), at.y()), colourAt(released, at.x(), at.y()));
    const QRect before = boxOf(released, Qt::black);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(boxOf(pressed, Qt::black), before.translated(1, 1));
}

TEST_F(GradBtnTest, CaptionLayersFollowTheTextStyle)
{
    struct Case {
        const char* name;
        TTextStyle style;
        TShadeType shade;
        bool enabled;
        TColor caption;
        std::optional<int> highlightOffset; // -1: up-left of the caption, +1: down-right
        std::optional<int> shadowOffset;
    };
    const Case cases[] = {
        {"normal", tsNormal, stHeavy, true, clBlack, {}, {}},
        {"raised light", tsRaised, stLight, true, clBlack, -1, {}},
        {"raised heavy", tsRaised, stHeavy, true, clBlack, -1, +1},
        {"inset light", tsInset, stLight, true, clBlack, +1, {}},
        {"inset heavy", tsInset, stHeavy, true, clBlack, +1, -1},
        {"disabled normal", tsNormal, stLight, false, green, +1, {}},
        {"disabled raised heavy", tsRaised, stHeavy, false, green, +1, -1},
    };
    useTestColours();
    button->setBtnFrameSize(0);
    button->setCaption("Hg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button->setTextStyle(c.style);
        button->setTextShadeType(c.shade);
        button->setEnabled(c.enabled);
        const QImage image = face();
        const QRect caption = boxOf(image, toQColor(c.caption));
        ASSERT_FALSE(caption.isEmpty());
        if (c.caption != clBlack) {
            EXPECT_TRUE(boxOf(image, toQColor(clBlack)).isEmpty());
        }
        auto expectCopy = [&](TColor colour, std::optional<int> offset) {
            const QRect copy = boxOf(image, toQColor(colour));
            if (!offset) {
                EXPECT_TRUE(copy.isEmpty());
            } else if (*offset < 0) {
                EXPECT_EQ(copy.topLeft(), caption.topLeft() - QPoint(1, 1));
            } else {
                EXPECT_EQ(copy.bottomRight(), caption.bottomRight() + QPoint(1, 1));
            }
        };
        expectCopy(red, c.highlightOffset);
        expectCopy(blue, c.shadowOffset);
    }
}

TEST_F(GradBtnTest, JustificationPlacesTheCaption)
{
    useTestColours();
    button->setTextStyle(tsNormal);
    button->setCaption("HH");
    button->setJustification(jLeft);
    const QRect left = captionBox();
    button->setJustification(jRight);
    const QRect right = captionBox();
    button->setJustification(jCenter);
    const QRect centre = captionBox();

    EXPECT_GE(left.left(), 2);
    EXPECT_LE(left.left(), 4);
    EXPECT_LE(right.right(), 130 - 3);
    EXPECT_GE(right.right(), 130 - 5);
    EXPECT_LE(std::abs(centre.center().x() - 65), 2);
    EXPECT_EQ(left.size(), right.size());
    EXPECT_EQ(left.top(), centre.top());
}

TEST_F(GradBtnTest, AmpersandsOfTheCaption)
{
    struct Case {
        const char* caption;
        const char* shown;
        QChar accelerator;
    };
    const Case cases[] = {
        {"&Opslaan", "Opslaan", u'O'},
        {"Op&slaan", "Opslaan", u's'},
        {"A&&B", "A&B", QChar()},
        {"&&&X", "&X", u'X'},
        {"a&b&c", "abc", u'b'},
        {"End&", "End", QChar()},
        {"", "", QChar()},
        {"&", "", QChar()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(stripAccelerators(c.caption), QString(c.shown));
        EXPECT_EQ(acceleratorChar(c.caption), c.accelerator);
    }
}

TEST_F(GradBtnTest, SingleAmpersandUnderlinesAndDoubleAmpersandShowsOne)
{
    useTestColours();
    button->setTextStyle(tsNormal);
    button->setCaption("HH");
    const QRect plain = captionBox();
    button->setCaption("&HH");
    const QRect underlined = captionBox();
    button->setCaption("H&&H");
    const QRect doubled = captionBox();

    // The underline spans the advance of "H", from the pen position on.
    EXPECT_LE(underlined.left(), plain.left());
    EXPECT_EQ(underlined.top(), plain.top());
    EXPECT_GT(underlined.bottom(), plain.bottom());

    // "H&H": wider, no underline, centred by its shown width.
    EXPECT_GT(doubled.width(), plain.width());
    EXPECT_EQ(doubled.bottom(), plain.bottom());
    EXPECT_LE(std::abs(doubled.center().x() - 65), 2);
}

TEST_F(GradBtnTest, FocusRectangleOnlyWhenFocusedAndWanted)
{
    useTestColours();
    button->setBtnFrameSize(0);
    button->setShowFocus(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->clearFocus();
    EXPECT_EQ(colourAt(face(), 2, 2), clWhite);

    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = face();
    EXPECT_EQ(colourAt(focused, 2, 2), clBlack); // dotted: every other pixel inverted
    EXPECT_EQ(colourAt(focused, 3, 2), clWhite);
    EXPECT_EQ(colourAt(focused, 4, 2), clBlack);
    EXPECT_EQ(colourAt(focused, 127, 37), clBlack);
    EXPECT_EQ(colourAt(focused, 128, 37), clWhite); // ends before W - 2
    EXPECT_EQ(colourAt(focused, 1, 1), clWhite);

    button->setShowFocus(false);
    EXPECT_EQ(colourAt(face(), 2, 2), clWhite);
}

TEST_F(GradBtnTest, EnterKeyClicks)
{
    QSignalSpy clicks(button, &TGradBtn::clicked);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(button, key);
        EXPECT_FALSE(button->isDrawnPressed());
        EXPECT_EQ(button->beginColor(), clNavy); // a click without a press swaps nothing
        EXPECT_EQ(button->endColor(), clAqua);
    }
    EXPECT_EQ(clicks.count(), 2);

    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);

    // A mouse press released outside after keyboard clicks still releases the face.
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    EXPECT_FALSE(button->isDrawnPressed());
    EXPECT_EQ(button->beginColor(), clNavy);
}

TEST_F(GradBtnTest, AcceleratorClicksAnEnabledButton)
{
    auto* other = new TGradBtn(&window);
    other->setGeometry(200, 20, 130, 40);
    other->setCaption("&Wissen");
    other->show();
    button->setCaption("&Opslaan");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy clicks(button, &TGradBtn::clicked);
    QSignalSpy otherClicks(other, &TGradBtn::clicked);

    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(other, Qt::Key_O);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(&window, Qt::Key_P);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(otherClicks.count(), 0);

    button->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);

    // A new caption brings its own accelerator; "&&" is none.
    button->setEnabled(true);
    button->setCaption("O&&P");
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
    button->setCaption("Ter&ug");
    QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 3);
}

} // namespace
