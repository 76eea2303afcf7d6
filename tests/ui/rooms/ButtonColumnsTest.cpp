#include "Controls.h"
#include "ExtraButHandler.h"
#include "GradBtn.h"
#include "Language.h"
#include "LoadSave.h"
#include "RuimteAppButHandler.h"
#include "RuimteAppSelButHandler.h"
#include "ScenesOverzichtButHandler.h"
#include "TestFolder.h"
#include "TimerButHandler.h"
#include "UiTestApp.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

enum Column { Rooms, Editor, Timer, Settings, Scenes };
const char* const columnNames[] = {"rooms", "editor", "timer", "settings", "scenes"};

// A configuration store on a temporary folder, so the captions come from its language.
class StoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    void SetUp() override
    {
        TLoadSave::setDataFolder(folder.path());
        TLoadSave::instance()->SetLanguage(defaultLanguage);
    }

    void TearDown() override
    {
        TLoadSave::destroyInstance();
        TLoadSave::setDataFolder(QString());
    }

    TestFolder folder;
};

// The five columns, each shown on a button host of its own in one window.
struct Columns {
    Columns()
    {
        window.resize(5 * 160, 510);
        for (int c = 0; c < 5; ++c)
            hosts[c] = place(new QWidget(&window), 160 * c, 0, 150, 501);
        rooms.create(hosts[Rooms]);
        editor.create(hosts[Editor]);
        timer.create(hosts[Timer]);
        extra.create(hosts[Settings]);
        scenes.create(hosts[Scenes]);
        for (int c = 0; c < 5; ++c)
            column(Column(c)).show();
        window.show();
    }

    TButtonColumn& column(Column c)
    {
        TButtonColumn* all[] = {&rooms, &editor, &timer, &extra, &scenes};
        return *all[c];
    }

    TGradBtn* button(Column c, const char* name)
    {
        return column(c).form()->MainBtnContainer->findChild<TGradBtn*>(QLatin1String(name));
    }

    QWidget window;
    QWidget* hosts[5] {};
    TRuimteAppButHandler rooms;
    TRuimteAppSelButHandler editor;
    TTimerButHandler timer;
    TExtraButHandler extra;
    TScenesOverzichtButHandler scenes;
};

class ButtonColumnsTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        columns.emplace();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&columns->window));
    }

    void TearDown() override
    {
        columns.reset();
        StoreTest::TearDown();
    }

    std::optional<Columns> columns;
};

struct ButtonRow {
    Column column;
    const char* button;
    TextRow caption;
    const char* literal; // a caption not in the catalogue
    int left;
    int top;
    int width;
    bool visible;
};

const ButtonRow buttonRows[] = {
    {Rooms, "ButExit", txtAfsluiten, nullptr, 12, 0, 130, true},
    {Rooms, "ButOK", txtOK, nullptr, 12, 45, 130, false},
    {Rooms, "ButExtra", txtExtra, nullptr, 12, 123, 130, true},
    {Rooms, "ButScene", txtScenes, nullptr, 12, 169, 130, true},
    {Rooms, "ButTimer", txtTimer, nullptr, 12, 215, 130, true},
    {Rooms, "ButOn", txtAan, nullptr, 12, 293, 130, true},
    {Rooms, "ButDimmer", txtDimstand, nullptr, 12, 339, 129, true},
    {Rooms, "ButDimDn", txtOK, "--", 11, 385, 50, true},
    {Rooms, "ButDimUp", txtOK, "+", 92, 385, 50, true},
    {Rooms, "ButOff", txtUit, nullptr, 12, 431, 130, true},
    {Editor, "ButExit", txtAnnuleren, nullptr, 12, 0, 130, false},
    {Editor, "ButOK", txtOK, nullptr, 12, 45, 130, false},
    {Editor, "butLeren", txtCodeLeren, nullptr, 12, 381, 130, false},
    {Editor, "ButWissen", txtWissen, nullptr, 12, 431, 130, false},
    {Timer, "ButExit", txtTerug, nullptr, 12, 0, 130, true},
    {Timer, "ButOK", txtOK, nullptr, 12, 47, 130, true},
    {Timer, "butToevoegen", txtToevoegen, nullptr, 12, 103, 130, true},
    {Timer, "ButKopie", txtKopie, nullptr, 12, 151, 130, true},
    {Timer, "ButWissen", txtWissen, nullptr, 12, 199, 130, true},
    {Settings, "ButExit", txtAnnuleren, nullptr, 12, 0, 130, true},
    {Settings, "ButOK", txtOK, nullptr, 12, 45, 130, true},
    {Settings, "butNaarZolvo", txtNaarZolvo, nullptr, 4, 445, 130, true},
    {Scenes, "ButTerug", txtTerug, nullptr, 12, 0, 130, true},
    {Scenes, "ButOK", txtOK, nullptr, 12, 48, 130, false},
    {Scenes, "ButTimer", txtTimer, nullptr, 12, 215, 130, false},
    {Scenes, "ButUitvoeren", txtUitvoeren, nullptr, 12, 293, 130, true},
};

TEST_F(ButtonColumnsTest, ButtonsAsTheColumnsLayThemOut)
{
    for (const ButtonRow& row : buttonRows) {
        SCOPED_TRACE(testing::Message() << columnNames[row.column] << " " << row.button);
        const TGradBtn* button = columns->button(row.column, row.button);
        ASSERT_NE(button, nullptr);
        const QString caption = row.literal ? QString::fromLatin1(row.literal) : gettext(row.caption, defaultLanguage);
        EXPECT_EQ(button->caption(), caption);
        EXPECT_EQ(button->geometry(), QRect(row.left, row.top, row.width, 40));
        EXPECT_EQ(button->isVisible(), row.visible);
        EXPECT_EQ(button->font().family(), "Arial");
        EXPECT_EQ(button->font().pixelSize(), 19);
        EXPECT_EQ(button->fontColor(), clBlack);
        EXPECT_EQ(button->beginColor(), clGray);
        EXPECT_EQ(button->endColor(), clWhite);
        EXPECT_EQ(button->textStyle(), tsNormal);
        EXPECT_FALSE(button->showFocus());
        // Rounded: the outline starts at (1,1) and cuts the corners.
        EXPECT_TRUE(button->mask().contains(QPoint(row.width / 2, 20)));
        EXPECT_FALSE(button->mask().contains(QPoint(1, 1)));
    }
    for (int c = 0; c < 5; ++c) {
        SCOPED_TRACE(columnNames[c]);
        const TButtonForm* form = columns->column(Column(c)).form();
        const QSize size(150, c == Timer ? 501 : 500);
        EXPECT_EQ(form->MainBtnContainer->parentWidget(), columns->hosts[c]);
        EXPECT_EQ(form->MainBtnContainer->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_TRUE(form->MainBtnContainer->isVisible());
        EXPECT_EQ(form->Image1->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_TRUE(form->Image1->isVisible());
    }
}

TEST_F(ButtonColumnsTest, CaptionsAreInTheStoresLanguage)
{
    constexpr int german = 2;
    TLoadSave::instance()->SetLanguage(german);
    TExtraButHandler extra;
    extra.create(columns->hosts[Settings]);
    EXPECT_EQ(extra.userInterface()->ButExit->caption(), gettext(txtAnnuleren, german));
    EXPECT_NE(extra.userInterface()->ButExit->caption(), gettext(txtAnnuleren, defaultLanguage));
}

TEST_F(ButtonColumnsTest, DimLevelLabel)
{
    TfrmRuimteAppButInterface& form = *columns->rooms.userInterface();
    EXPECT_EQ(form.LDimmer->geometry(), QRect(63, 396, 23, 24));
    EXPECT_TRUE(form.LDimmer->font().bold());
    EXPECT_EQ(form.LDimmer->font().pixelSize(), 19);
    EXPECT_EQ(form.LDimmer->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(form.LDimmer->isVisible());

    columns->rooms.DimmerCommand([](QObject*) {});
    EXPECT_TRUE(form.LDimmer->isVisible());
    columns->rooms.SetDimstand(12);
    EXPECT_EQ(form.LDimmer->text(), "12");
    EXPECT_EQ(columns->rooms.GetDimstand(), 12);
    columns->rooms.SetDimstand(1);
    EXPECT_EQ(columns->rooms.GetDimstand(), 1);

    columns->rooms.DimmerState(false);
    EXPECT_FALSE(form.ButDimmer->isEnabled());
    EXPECT_FALSE(form.LDimmer->isEnabled());
}

using Command = std::function<void(Columns&, const ClickHandler&)>;
struct CommandRow {
    Column column;
    const char* button;
    Command bind;
};

const std::vector<CommandRow>& commandRows()
{
    static const std::vector<CommandRow> rows = {
        {Rooms, "ButExit", [](Columns& c, const ClickHandler& h) { c.rooms.TerugCommand(h); }},
        {Rooms, "ButOK", [](Columns& c, const ClickHandler& h) { c.rooms.OkCommand(h); }},
        {Rooms, "ButExtra", [](Columns& c, const ClickHandler& h) { c.rooms.ExtraCommand(h); }},
        {Rooms, "ButScene", [](Columns& c, const ClickHandler& h) { c.rooms.SceneCommand(h); }},
        {Rooms, "ButTimer", [](Columns& c, const ClickHandler& h) { c.rooms.TimerCommand(h); }},
        {Rooms, "ButOn", [](Columns& c, const ClickHandler& h) { c.rooms.OnCommand(h); }},
        {Rooms, "ButDimmer", [](Columns& c, const ClickHandler& h) { c.rooms.DimmerCommand(h); }},
        {Rooms, "ButDimDn", [](Columns& c, const ClickHandler& h) { c.rooms.DimDnCommand(h); }},
        {Rooms, "ButDimUp", [](Columns& c, const ClickHandler& h) { c.rooms.DimUpCommand(h); }},
        {Rooms, "ButOff", [](Columns& c, const ClickHandler& h) { c.rooms.OffCommand(h); }},
        {Editor, "ButExit", [](Columns& c, const ClickHandler& h) { c.editor.TerugCommand(h); }},
        {Editor, "ButOK", [](Columns& c, const ClickHandler& h) { c.editor.OKCommand(h); }},
        {Editor, "ButWissen", [](Columns& c, const ClickHandler& h) { c.editor.WissenCommand(h); }},
        {Editor, "butLeren", [](Columns& c, const ClickHandler& h) { c.editor.LerenCommand(h); }},
        {Timer, "ButExit", [](Columns& c, const ClickHandler& h) { c.timer.TerugCommand(h); }},
        {Timer, "ButOK", [](Columns& c, const ClickHandler& h) { c.timer.OkCommand(h); }},
        {Timer, "butToevoegen", [](Columns& c, const ClickHandler& h) { c.timer.ToevoegenCommand(h); }},
        {Timer, "ButKopie", [](Columns& c, const ClickHandler& h) { c.timer.KopierenCommand(h); }},
        {Timer, "ButWissen", [](Columns& c, const ClickHandler& h) { c.timer.WissenCommand(h); }},
        {Settings, "ButExit", [](Columns& c, const ClickHandler& h) { c.extra.TerugCommand(h); }},
        {Settings, "ButOK", [](Columns& c, const ClickHandler& h) { c.extra.OKCommand(h); }},
        {Settings, "butNaarZolvo", [](Columns& c, const ClickHandler& h) { c.extra.NaarZolvoCommand(h); }},
        {Scenes, "ButTerug", [](Columns& c, const ClickHandler& h) { c.scenes.TerugCommand(h); }},
        {Scenes, "ButOK", [](Columns& c, const ClickHandler& h) { c.scenes.OKCommand(h); }},
        {Scenes, "ButTimer", [](Columns& c, const ClickHandler& h) { c.scenes.TimerCommand(h); }},
        {Scenes, "ButUitvoeren", [](Columns& c, const ClickHandler& h) { c.scenes.UitvoerenCommand(h); }},
    };
    return rows;
}

TEST_F(ButtonColumnsTest, CommandsShowTheirButtonAndTheLastBindingWins)
{
    for (const CommandRow& row : commandRows()) {
        SCOPED_TRACE(testing::Message() << columnNames[row.column] << " " << row.button);
        TGradBtn* button = columns->button(row.column, row.button);
        std::vector<std::pair<char, QObject*>> calls;
        row.bind(*columns, [&calls](QObject* sender) { calls.emplace_back('a', sender); });
        row.bind(*columns, [&calls](QObject* sender) { calls.emplace_back('b', sender); });
        EXPECT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(calls, (std::vector<std::pair<char, QObject*>> {{'b', button}}));
        row.bind(*columns, [](QObject*) {}); // calls must not outlive this loop
    }
}

TEST_F(ButtonColumnsTest, LearnButtonShowsOnlyWithAHandler)
{
    TRuimteAppSelButHandler editor;
    editor.create(columns->hosts[Editor]);
    editor.show();
    editor.LerenCommand(nullptr);
    EXPECT_FALSE(editor.userInterface()->butLeren->isVisible());
}

using StateOperation = std::function<void(Columns&, bool)>;
struct StateRow {
    Column column;
    const char* button;
    StateOperation set;
};

const std::vector<StateRow>& stateRows()
{
    static const std::vector<StateRow> rows = {
        {Rooms, "ButOK", [](Columns& c, bool e) { c.rooms.OkState(e); }},
        {Rooms, "ButDimmer", [](Columns& c, bool e) { c.rooms.DimmerState(e); }},
        {Rooms, "ButDimDn", [](Columns& c, bool e) { c.rooms.DimDnState(e); }},
        {Rooms, "ButDimUp", [](Columns& c, bool e) { c.rooms.DimUpState(e); }},
        {Rooms, "ButOn", [](Columns& c, bool e) { c.rooms.OnState(e); }},
        {Rooms, "ButOff", [](Columns& c, bool e) { c.rooms.OffState(e); }},
        {Rooms, "ButTimer", [](Columns& c, bool e) { c.rooms.TimerState(e); }},
        {Editor, "ButExit", [](Columns& c, bool e) { c.editor.TerugState(e); }},
        {Editor, "ButOK", [](Columns& c, bool e) { c.editor.OKState(e); }},
        {Editor, "ButWissen", [](Columns& c, bool e) { c.editor.WissenState(e); }},
        {Timer, "ButKopie", [](Columns& c, bool e) { c.timer.KopierenState(e); }},
        {Settings, "ButExit", [](Columns& c, bool e) { c.extra.TerugState(e); }},
        {Settings, "ButOK", [](Columns& c, bool e) { c.extra.OKState(e); }},
        {Scenes, "ButTerug", [](Columns& c, bool e) { c.scenes.TerugState(e); }},
        {Scenes, "ButTimer", [](Columns& c, bool e) { c.scenes.TimerState(e); }},
        {Scenes, "ButUitvoeren", [](Columns& c, bool e) { c.scenes.UitvoerenState(e); }},
    };
    return rows;
}

TEST_F(ButtonColumnsTest, StatesChangeOnlyShownButtons)
{
    for (const StateRow& row : stateRows()) {
        SCOPED_TRACE(testing::Message() << columnNames[row.column] << " " << row.button);
        TGradBtn* button = columns->button(row.column, row.button);
        button->setVisible(false);
        row.set(*columns, false);
        EXPECT_TRUE(button->isEnabled());

        button->setVisible(true);
        row.set(*columns, false);
        EXPECT_FALSE(button->isEnabled());
        row.set(*columns, true);
        EXPECT_TRUE(button->isEnabled());
    }
}

TEST_F(ButtonColumnsTest, LearnStatesSetEnabledColoursAndCaption)
{
    TRuimteAppSelButHandler& editor = columns->editor;
    TGradBtn* butLeren = editor.userInterface()->butLeren;
    const QString learn = gettext(txtCodeLeren, defaultLanguage);
    const QString stop = gettext(txtLerenUit, defaultLanguage);

    editor.LerenState(3); // hidden: nothing happens
    EXPECT_EQ(butLeren->beginColor(), clGray);
    EXPECT_EQ(butLeren->caption(), learn);

    bool learning = false;
    editor.LerenCommand([&learning](QObject*) { learning = true; });
    ASSERT_TRUE(butLeren->isVisible());

    struct LearnStep {
        int n;
        bool enabled;
        TColor begin;
        QString caption;
    };
    const LearnStep steps[] = {
        {3, true, 255, stop},
        {4, true, clGray, stop},
        {3, true, 255, stop},
        {1, false, clGray, learn},
        {3, false, 255, stop},
        {0, true, clGray, learn},
        {2, true, clGray, learn},
    };
    for (const LearnStep& step : steps) {
        SCOPED_TRACE(step.n);
        editor.LerenState(step.n);
        EXPECT_EQ(butLeren->isEnabled(), step.enabled);
        EXPECT_EQ(butLeren->beginColor(), step.begin);
        EXPECT_EQ(butLeren->endColor(), clWhite);
        EXPECT_EQ(butLeren->caption(), step.caption);
    }
    QTest::mouseClick(butLeren, Qt::LeftButton);
    EXPECT_TRUE(learning);
}

TEST_F(ButtonColumnsTest, LastShownColumnLiesOnTopUntilHidden)
{
    QWidget* host = columns->hosts[Settings];
    TTimerButHandler timer;
    timer.create(host);
    const QPoint exitButton(70, 20);
    const auto onTop = [&] { return host->childAt(exitButton)->parentWidget(); };

    timer.show();
    EXPECT_EQ(onTop(), timer.form()->MainBtnContainer);
    columns->extra.show();
    EXPECT_EQ(onTop(), columns->extra.form()->MainBtnContainer);

    columns->extra.hide();
    EXPECT_FALSE(columns->extra.form()->MainBtnContainer->isVisible());
    EXPECT_EQ(onTop(), timer.form()->MainBtnContainer);
}

} // namespace
