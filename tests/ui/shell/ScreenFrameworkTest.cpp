#include "Controls.h"
#include "GradBtn.h"
#include "ImageFetcher.h"
#include "IndicatorHandler.h"
#include "ProgAktieList.h"
#include "Rounding.h"
#include "RuimteAppUI.h"
#include "UiTestApp.h"
#include "Utilities.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// What the platform delivers for a double click: a click, then the double click.
// QTest::mouseDClick alone sends only the second half.
void doubleClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
}

TColor textColourOf(const QLabel* label)
{
    return fromQColor(label->palette().color(QPalette::WindowText));
}

// A window showing four page indicators, as the screens lay them out.
struct IndicatorRow {
    IndicatorRow()
    {
        window.resize(200, 40);
        for (int i = 0; i < 4; ++i)
            images[i] = place(new TImage(&window), 15 + 35 * i, 3, 25, 25);
        window.show();
    }

    QWidget window;
    std::array<TImage*, 4> images {};
};

class IndicatorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&row.window));
        handler.create(4, [this](QObject* sender) { clicks.push_back(TUtilities::getTag(sender)); });
        for (TImage* image : row.images)
            handler.addIndicator(image);
    }

    IndicatorRow row;
    TIndicatorHandler handler;
    std::vector<int> clicks;
};

struct PageCase {
    int defined;
    int page;
    std::array<IndicatorState, 4> states;
};

TEST_F(IndicatorTest, PagesAreAvailableUpToTheFirstFreeSlot)
{
    const PageCase cases[] = {
        {0, 0, {ISSelected, ISDisabled, ISDisabled, ISDisabled}},
        {3, 0, {ISSelected, ISDisabled, ISDisabled, ISDisabled}},
        {4, 0, {ISSelected, ISEnabled, ISDisabled, ISDisabled}},
        {4, 1, {ISEnabled, ISSelected, ISDisabled, ISDisabled}},
        {9, 1, {ISEnabled, ISSelected, ISEnabled, ISDisabled}},
        {16, 3, {ISEnabled, ISEnabled, ISEnabled, ISSelected}},
        {16, 0, {ISSelected, ISEnabled, ISEnabled, ISEnabled}},
    };
    const TImageFetcher& pictures = TImageFetcher::instance();
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.defined << " defined, page " << c.page);
        handler.setIndicator(c.page, c.defined);
        EXPECT_EQ(handler.selectedIndicator(), c.page);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(handler.indicator(i).state, c.states[i]) << "indicator " << i;
            const QImage& expected = c.states[i] == ISSelected ? pictures.imgPIsel
                : c.states[i] == ISEnabled                     ? pictures.imgPINotSel
                                                               : pictures.imgPIDisabled;
            EXPECT_EQ(row.images[i]->picture(), expected) << "indicator " << i;
        }
    }
}

TEST_F(IndicatorTest, OnlyAvailableIndicatorsReportClicks)
{
    EXPECT_EQ(handler.selectedIndicator(), -1);
    EXPECT_EQ(row.images[3]->tag(), 3);
    handler.setIndicator(0, 4);
    for (TImage* image : row.images)
        QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<int> {0, 1}));

    // A page that becomes available again takes clicks again, once each.
    clicks.clear();
    handler.setIndicator(1, 16);
    handler.setIndicator(1, 16);
    QTest::mouseClick(row.images[3], Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<int> {3}));
}

TEST(IndicatorPosition, IsTheRemainderWithTheSignOfTheItem)
{
    const std::pair<int, int> cases[] = {{0, 0}, {3, 3}, {4, 0}, {5, 1}, {15, 3}, {-1, -1}, {-5, -1}};
    for (const auto& [item, position] : cases)
        EXPECT_EQ(TIndicatorHandler::getUIIndex(item), position) << item;
}

// A grid of `count` items named "item N", laid out as the rooms half of the home screen.
class TestGrid : public TRuimteAppUIHandler {
public:
    explicit TestGrid(QWidget* panel)
        : TRuimteAppUIHandler(true)
    {
        create(panel, nullptr);
        setContentPanel(panel);
        for (int i = 0; i < 4; ++i)
            addIndicator(place(new TImage(panel), 15 + 35 * i, 3, 25, 25));
        for (int p = 0; p < 4; ++p) {
            const int left = 15 + 146 * p;
            auto* bg = place(new TImage(panel), left, 42, 130, 198);
            auto* picture = place(new TImage(panel), left, 72, 130, 80);
            auto* name = place(new TLabel(panel), left, 160, 130, 36);
            addTile(bg, picture, name);
        }
    }

    void fillDblClicked(QObject* Sender) override
    {
        if (validClick(Sender))
            opened.push_back(AbsSelectedIndex());
    }
    int definedCount() const override { return count; }
    void callBack(const QString&, int, bool, bool, bool, int) override { }
    void deleteItem(int) override { }
    void fill(int anIndex) override
    {
        for (int p = 0; p < tileCount(); ++p)
            tile(p).lbl->setText(anIndex + p < count ? QStringLiteral("item %1").arg(anIndex + p) : QString());
    }

    TImage* indicatorImage(int page) const { return indicatorHandler().indicator(page).image; }

    int count = 0;
    std::vector<int> opened;
};

class GridTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    void SetUp() override
    {
        panel.resize(598, 250);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    void start(int count)
    {
        grid.count = count;
        grid.draw();
        grid.setIndicator(0);
    }

    std::vector<int> selectedTiles() const
    {
        std::vector<int> selected;
        for (int p = 0; p < grid.tileCount(); ++p)
            if (grid.tile(p).isSelected())
                selected.push_back(p);
        return selected;
    }

    QStringList names() const
    {
        QStringList shown;
        for (int p = 0; p < grid.tileCount(); ++p)
            shown << grid.tile(p).lbl->text();
        return shown;
    }

    QWidget panel;
    TestGrid grid {&panel};
};

TEST_F(GridTest, WithoutItemsOnlyTheFirstTileCanBeSelected)
{
    start(0);
    QTest::mouseClick(grid.tile(1).bgImage, Qt::LeftButton);
    QTest::mouseClick(grid.tile(2).image, Qt::LeftButton);
    QTest::mouseClick(grid.tile(3).lbl, Qt::LeftButton);
    QTest::mouseClick(grid.indicatorImage(1), Qt::LeftButton);
    EXPECT_EQ(selectedTiles(), std::vector<int> {0});
    EXPECT_EQ(grid.selectedPage(), 0);
    EXPECT_EQ(grid.AbsSelectedIndex(), 0);
    EXPECT_EQ(names(), QStringList({"", "", "", ""}));
}

TEST_F(GridTest, TilesShowSelectionWithBackgroundAndNameColour)
{
    start(16);
    QTest::mouseClick(grid.tile(2).lbl, Qt::LeftButton);
    const TImageFetcher& pictures = TImageFetcher::instance();
    for (int p = 0; p < 4; ++p) {
        const bool selected = p == 2;
        EXPECT_EQ(grid.tile(p).isSelected(), selected) << p;
        EXPECT_EQ(grid.tile(p).bgImage->picture(), selected ? pictures.imgSelected : pictures.imgNotSelected) << p;
        EXPECT_EQ(textColourOf(grid.tile(p).lbl), selected ? clWhite : clBlack) << p;
        EXPECT_EQ(grid.tile(p).image->tag(), p);
    }
}

TEST_F(GridTest, ChangingPageSelectsItsFirstTileAndReselectingKeepsTheSelection)
{
    start(16);
    QTest::mouseClick(grid.indicatorImage(3), Qt::LeftButton);
    EXPECT_EQ(grid.selectedPage(), 3);
    EXPECT_EQ(names(), QStringList({"item 12", "item 13", "item 14", "item 15"}));
    EXPECT_EQ(selectedTiles(), std::vector<int> {0});

    QTest::mouseClick(grid.tile(3).image, Qt::LeftButton);
    EXPECT_EQ(grid.AbsSelectedIndex(), 15);
    QTest::mouseClick(grid.indicatorImage(3), Qt::LeftButton);
    EXPECT_EQ(selectedTiles(), std::vector<int> {3});
    EXPECT_EQ(grid.AbsSelectedIndex(), 15);

    QTest::mouseClick(grid.indicatorImage(1), Qt::LeftButton);
    EXPECT_EQ(selectedTiles(), std::vector<int> {0});
    EXPECT_EQ(grid.AbsSelectedIndex(), 4);
    EXPECT_EQ(names(), QStringList({"item 4", "item 5", "item 6", "item 7"}));
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(GridTest, ClicksBeyondTheFirstFreeSlotAreIgnored)
{
    start(5);
    QTest::mouseClick(grid.indicatorImage(1), Qt::LeftButton);
    EXPECT_EQ(names(), QStringList({"item 4", "", "", ""}));
    QTest::mouseClick(grid.tile(2).bgImage, Qt::LeftButton);
    QTest::mouseClick(grid.tile(3).lbl, Qt::LeftButton);
    EXPECT_EQ(selectedTiles(), std::vector<int> {0});
    EXPECT_EQ(grid.AbsSelectedIndex(), 4);

    QTest::mouseClick(grid.tile(1).lbl, Qt::LeftButton); // item 5: the first free slot
    EXPECT_EQ(selectedTiles(), std::vector<int> {1});
    EXPECT_EQ(grid.AbsSelectedIndex(), 5);
}

TEST_F(GridTest, DoubleClickReachesTheGridsEditor)
{
    start(16);
    QTest::mouseClick(grid.indicatorImage(2), Qt::LeftButton);
    doubleClick(grid.tile(2).image);
    doubleClick(grid.tile(1).lbl);
    doubleClick(grid.tile(3).bgImage);
    EXPECT_EQ(grid.opened, (std::vector<int> {10, 9, 11}));
    EXPECT_EQ(selectedTiles(), std::vector<int> {3});
}

class UtilitiesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }
};

TEST_F(UtilitiesTest, TagsComeFromPicturesAndLabelsOnly)
{
    TImage picture;
    picture.setTag(3);
    TLabel label;
    label.setTag(2);
    TGradBtn button;
    EXPECT_EQ(TUtilities::getTag(&picture), 3);
    EXPECT_EQ(TUtilities::getTag(&label), 2);
    EXPECT_EQ(TUtilities::getTag(&button), -1);
    EXPECT_EQ(TUtilities::getTag(nullptr), -1);
}

TEST_F(UtilitiesTest, PanelCaptionIsOneCentredLabel)
{
    TPanel panel;
    panel.resize(598, 504);
    TUtilities::SetPanelCaption(&panel, QStringLiteral("rooms"));
    TUtilities::SetPanelCaption(&panel, QStringLiteral("scenes overview"));

    const auto labels = panel.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    const QLabel* caption = labels.first();
    EXPECT_EQ(caption->text(), "scenes overview");
    EXPECT_EQ(caption->y(), 4);
    EXPECT_EQ(caption->height(), 25);
    EXPECT_EQ(caption->width(), caption->sizeHint().width());
    EXPECT_GT(caption->width(), QLabel("rooms").sizeHint().width()); // grew with the longer text
    EXPECT_EQ(caption->x(), roundHalfEven((598 - caption->width()) / 2.0));
    EXPECT_EQ(caption->font().family(), "Arial");
    EXPECT_EQ(caption->font().pointSize(), 15);
    EXPECT_EQ(caption->alignment(), Qt::AlignCenter);
    EXPECT_EQ(textColourOf(caption), clWhite);
    EXPECT_FALSE(caption->autoFillBackground());
}

TEST_F(UtilitiesTest, SelectedButtonColours)
{
    TGradBtn button;
    TUtilities::setButtonSelected(&button);
    EXPECT_EQ(button.fontColor(), clWhite);
    EXPECT_EQ(button.beginColor(), 729114u);
    EXPECT_EQ(button.endColor(), 729114u);
    TUtilities::setButtonNotSelected(&button);
    EXPECT_EQ(button.fontColor(), clBlack);
    EXPECT_EQ(button.beginColor(), clGray);
    EXPECT_EQ(button.endColor(), clWhite);
}

ProgAktiePtr aktie(std::uint8_t onOffDim)
{
    auto action = std::make_shared<ProgAktie>();
    action->Ruimte = 0;
    action->Apparaat = 0;
    action->OnOffDim = onOffDim;
    return action;
}

TEST(EntriesUsedInProgTable, AWakeUpTakesTenEntries)
{
    EXPECT_EQ(TUtilities::EntriesUsedInProgTable(ProgAktieList(0, 0, {})), 0);

    const ProgAktieList three(0, 0, {{"a", aktie(17)}, {"b", aktie(20)}, {"c", aktie(ProgAktie::notChosen)}});
    EXPECT_EQ(TUtilities::EntriesUsedInProgTable(three), 12);

    const KeyedAktieList wakeUps {{"a", aktie(19)}, {"b", aktie(21)}, {"c", aktie(0)}, {"d", aktie(16)}};
    EXPECT_EQ(TUtilities::EntriesUsedInProgTable(wakeUps), 22);
}

} // namespace
