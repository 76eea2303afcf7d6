#include "ImagePicker.h"
#include "Artwork.h"
#include "ButtonColumn.h"
#include "CustomPicture.h"
#include "ErrorBox.h"
#include "GradBtn.h"
#include "ImagePickerHandler.h"
#include "PictureThumbnails.h"
#include "TestPictures.h"
#include "UiTestApp.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <set>
#include <vector>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int waitMs = 10000;

// The column of the screen that opens the picker: just its two buttons.
class PickerColumnForm : public TButtonForm {
public:
    PickerColumnForm()
    {
        ButTerug = makeButton("ButTerug", QStringLiteral("Cancel"), 12);
        ButOK = makeButton("ButOK", QStringLiteral("OK"), 58);
    }

    TGradBtn* ButTerug;
    TGradBtn* ButOK;
};

class PickerColumn : public TButtonColumnOf<PickerColumnForm> {
public:
    void bindBoth(const ClickHandler& cancel, const ClickHandler& ok)
    {
        command(userInterface()->ButTerug, cancel);
        command(userInterface()->ButOK, ok);
    }
};

// A flat picture of a colour of its own per number, so every file shows differently.
Picture numbered(int n)
{
    return Picture(12, 9, 24, rgb(20 + 7 * n, 200 - 5 * n, 3 * n));
}

class PickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        answerErrorBoxesAtOnce(true);
        clearShownErrorBoxes();
        window.resize(748, 504);
        host = place(new QWidget(&window), 0, 0, 598, 504);
        buttonHost = place(new QWidget(&window), 598, 0, 150, 500);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        auto owned = std::make_unique<PickerColumn>();
        owned->create(buttonHost);
        column = owned.get();
        picker.create(host, {std::move(owned), [this](const ClickHandler& cancel, const ClickHandler& ok) {
                                 column->bindBoth(cancel, ok);
                             }});
        picker.setFolder(folder.path());
        ASSERT_TRUE(panel().waitForThumbnails(waitMs));
    }

    void TearDown() override
    {
        answerErrorBoxesAtOnce(false);
        clearShownErrorBoxes();
    }

    TPickerForm& form() { return picker.form(); }
    TImagePanel& panel() { return picker.form().imagePanel(); }
    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    void write(const QString& name, const QByteArray& bytes) { writeFile(path(name), bytes); }
    // `count` bitmaps "pic00.bmp", "pic01.bmp", ...
    void writeBitmaps(int count)
    {
        for (int i = 0; i < count; ++i)
            write(QStringLiteral("pic%1.bmp").arg(i, 2, 10, QLatin1Char('0')), bmpFile(numbered(i), 24));
    }

    // Shows the picker (re-reading the folder first when asked) and waits for its thumbnails.
    void open(bool reread = false)
    {
        if (reread)
            picker.setFolder(folder.path());
        picker.show(QImage(), [this](const Picture& picture) { returned.push_back(picture); });
        ASSERT_TRUE(panel().waitForThumbnails(waitMs));
    }

    void click(QWidget* control)
    {
        QTest::mouseClick(control, Qt::LeftButton);
        ASSERT_TRUE(panel().waitForThumbnails(waitMs));
    }

    std::vector<int> tags()
    {
        std::vector<int> shown;
        for (TImage* image : form().Images)
            shown.push_back(image->tag());
        return shown;
    }

    QString shownFile(int index) { return QDir(form().folder()).filePath(panel().fileList().at(index)); }

    // Every thumbnail shows the file of its tag; empty ones show nothing.
    void expectThumbnailsMatchTags()
    {
        for (TImage* image : form().Images) {
            SCOPED_TRACE(image->objectName().toStdString());
            if (image->tag() < 0)
                EXPECT_TRUE(image->picture().isNull());
            else
                EXPECT_EQ(image->picture(), thumbnailImage(ReadCustomPicture(shownFile(image->tag()))));
        }
    }

    QTemporaryDir folder;
    QWidget window;
    QWidget* host = nullptr;
    QWidget* buttonHost = nullptr;
    PickerColumn* column = nullptr;
    TImagePickerHandler picker;
    std::vector<Picture> returned;
};

TEST_F(PickerTest, ShowsOverTheScreenWithTheGivenPictureAndLeavesOnCancel)
{
    writeBitmaps(1);
    picker.setFolder(folder.path());
    QImage current(130, 80, QImage::Format_RGB32);
    current.fill(Qt::red);
    picker.show(current, [this](const Picture& picture) { returned.push_back(picture); });
    ASSERT_TRUE(panel().waitForThumbnails(waitMs));

    EXPECT_EQ(form().imagePickPanel->parentWidget(), host);
    EXPECT_EQ(form().imagePickPanel->pos(), QPoint(0, 0));
    EXPECT_TRUE(form().imagePickPanel->isVisible());
    EXPECT_TRUE(column->userInterface()->ButOK->isVisible());
    EXPECT_EQ(form().imageSelected->picture(), current);
    EXPECT_EQ(form().imgThumbnailsBackground->picture().size(), QSize(412, 486));

    click(form().Images[0]);
    QTest::mouseClick(column->userInterface()->ButTerug, Qt::LeftButton);
    EXPECT_FALSE(form().imagePickPanel->isVisible());
    EXPECT_FALSE(column->userInterface()->ButOK->isVisible());
    EXPECT_TRUE(returned.empty());
}

TEST_F(PickerTest, AnEmptyFolderShowsNoThumbnailsAndOkReturnsNothing)
{
    open();
    EXPECT_EQ(tags(), std::vector<int>(15, -1));
    expectThumbnailsMatchTags();
    EXPECT_FALSE(form().BtnVorige->isEnabled());
    EXPECT_FALSE(form().btnVolgende->isEnabled());

    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    EXPECT_TRUE(returned.empty());
    EXPECT_TRUE(shownErrorBoxes().isEmpty());
}

struct PageView {
    int offset;
    int shown;
    bool previous;
    bool next;
};

struct PagingCase {
    int files;
    std::vector<PageView> pages; // as reached with ">" from the first
};

TEST_F(PickerTest, PagesStepByFourteenSoTheLastThumbnailComesAgainFirst)
{
    const PagingCase cases[] = {
        {15, {{0, 15, false, true}, {14, 1, true, false}}},
        {30, {{0, 15, false, true}, {14, 15, true, true}, {28, 2, true, false}}},
    };
    for (const PagingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.files << " files");
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        writeBitmaps(c.files);
        open(true);
        ASSERT_EQ(panel().fileList().size(), c.files);

        const auto expectPage = [&](const PageView& page) {
            SCOPED_TRACE(testing::Message() << "offset " << page.offset);
            EXPECT_EQ(panel().offset(), page.offset);
            for (int slot = 0; slot < 15; ++slot)
                EXPECT_EQ(tags()[slot], slot < page.shown ? page.offset + slot : -1) << "slot " << slot;
            expectThumbnailsMatchTags();
            EXPECT_EQ(form().BtnVorige->isEnabled(), page.previous);
            EXPECT_EQ(form().btnVolgende->isEnabled(), page.next);
        };
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            if (p > 0)
                click(form().btnVolgende);
            expectPage(c.pages[p]);
        }
        click(form().btnVolgende); // disabled on the last page
        expectPage(c.pages.back());

        // Paging on before the thumbnails are in: only the page reached shows.
        QTest::mouseClick(form().BtnVorige, Qt::LeftButton);
        QTest::mouseClick(form().btnVolgende, Qt::LeftButton);
        QTest::mouseClick(form().BtnVorige, Qt::LeftButton);
        ASSERT_TRUE(panel().waitForThumbnails(waitMs));
        expectPage(c.pages[c.pages.size() - 2]);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "still busy";
    }
}

TEST_F(PickerTest, ListsBitmapsThenJpegsThenGifsWhateverTheirNames)
{
    write(QStringLiteral("a.gif"), gifFile(numbered(1)));
    write(QStringLiteral("b.jpg"), jpegFile(numbered(2)));
    write(QStringLiteral("c.bmp"), bmpFile(numbered(3), 24));
    write(QStringLiteral("0.jpg"), jpegFile(numbered(4)));
    write(QStringLiteral("z.bmp"), bmpFile(numbered(5), 8));
    // Not picture files of the picker: other kinds, and extensions in another case.
    write(QStringLiteral("d.BMP"), bmpFile(numbered(6), 24));
    write(QStringLiteral("e.png"), QByteArray("png"));
    write(QStringLiteral("notes.txt"), QByteArray("text"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.bmp")));
    open(true);

    const QStringList& files = panel().fileList();
    ASSERT_EQ(files.size(), 5);
    EXPECT_EQ((std::set<QString>(files.begin(), files.begin() + 2)),
        (std::set<QString> {QStringLiteral("c.bmp"), QStringLiteral("z.bmp")}));
    EXPECT_EQ((std::set<QString>(files.begin() + 2, files.begin() + 4)),
        (std::set<QString> {QStringLiteral("b.jpg"), QStringLiteral("0.jpg")}));
    EXPECT_EQ(files[4], QStringLiteral("a.gif"));
    EXPECT_EQ(tags(), (std::vector<int> {0, 1, 2, 3, 4, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    expectThumbnailsMatchTags();
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_FALSE(form().Images[slot]->picture().isNull()) << slot;
}

TEST_F(PickerTest, OkWithoutAClickReturnsTheFirstFile)
{
    writeBitmaps(3);
    open(true);
    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    EXPECT_FALSE(form().imagePickPanel->isVisible());
    EXPECT_FALSE(column->userInterface()->ButOK->isVisible());
    ASSERT_EQ(returned.size(), 1u);
    EXPECT_EQ(returned[0], ReadCustomPicture(path(panel().fileList().at(0))));
}

TEST_F(PickerTest, AClickPreviewsTheFileAndOkReturnsIt)
{
    writeBitmaps(4);
    open(true);
    click(form().Images[2]);
    EXPECT_EQ(panel().selectedIndex(), 2);
    EXPECT_EQ(form().imageSelected->picture(), form().Images[2]->picture());
    EXPECT_EQ(form().LR1->text(), panel().fileList().at(2));

    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    ASSERT_EQ(returned.size(), 1u);
    EXPECT_EQ(returned[0], ReadCustomPicture(path(panel().fileList().at(2))));
}

TEST_F(PickerTest, AClickOnAnEmptyThumbnailSelectsNothing)
{
    writeBitmaps(2);
    open(true);
    click(form().Images[14]);
    EXPECT_EQ(panel().selectedIndex(), -1);
    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    EXPECT_TRUE(returned.empty());
    EXPECT_TRUE(shownErrorBoxes().isEmpty());
}

TEST_F(PickerTest, ADamagedFileHasNoThumbnailAndOkOnItReportsItAndReturnsNothing)
{
    write(QStringLiteral("good.bmp"), bmpFile(numbered(1), 24));
    QByteArray damaged = jpegFile(numbered(2));
    damaged.truncate(20);
    write(QStringLiteral("damaged.jpg"), damaged);
    open(true);
    ASSERT_EQ(panel().fileList(), (QStringList {QStringLiteral("good.bmp"), QStringLiteral("damaged.jpg")}));
    EXPECT_FALSE(form().Images[0]->picture().isNull());
    EXPECT_TRUE(form().Images[1]->picture().isNull());
    EXPECT_EQ(form().Images[1]->tag(), 1);

    click(form().Images[1]);
    EXPECT_TRUE(shownErrorBoxes().isEmpty());
    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    EXPECT_TRUE(returned.empty());
    ASSERT_EQ(shownErrorBoxes().size(), 1);
    EXPECT_TRUE(shownErrorBoxes()[0].contains(QStringLiteral("damaged.jpg"))) << shownErrorBoxes()[0].toStdString();
}

TEST_F(PickerTest, FolderPageAndSelectionStayBetweenVisits)
{
    writeBitmaps(20);
    open(true);
    click(form().btnVolgende);
    click(form().Images[2]);
    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    ASSERT_EQ(returned.size(), 1u);

    // A file added meanwhile waits for the folder to be chosen again.
    write(QStringLiteral("new.bmp"), bmpFile(numbered(30), 24));
    open();
    EXPECT_EQ(panel().fileList().size(), 20);
    EXPECT_EQ(panel().offset(), 14);
    EXPECT_EQ(tags()[0], 14);
    expectThumbnailsMatchTags();
    EXPECT_EQ(panel().selectedIndex(), 16);
    QTest::mouseClick(column->userInterface()->ButOK, Qt::LeftButton);
    ASSERT_EQ(returned.size(), 2u);
    EXPECT_EQ(returned[1], ReadCustomPicture(path(panel().fileList().at(16))));

    open(true);
    EXPECT_EQ(panel().fileList().size(), 21);
    EXPECT_EQ(panel().offset(), 0);
}

TEST_F(PickerTest, ChoosingAFolderInTheTreeShowsItsPictures)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    writeFile(path(QStringLiteral("sub/inside.gif")), gifFile(numbered(1)));
    writeBitmaps(2);
    open(true);
    ASSERT_EQ(panel().fileList().size(), 2);

    QTreeView* tree = form().DirectoryListBox1;
    const QModelIndex sub = form().folderModel->index(path(QStringLiteral("sub")));
    ASSERT_TRUE(sub.isValid());
    tree->expand(sub.parent());
    tree->scrollTo(sub);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tree->visualRect(sub).isEmpty(); }, waitMs));
    const QString workingDirectory = QDir::currentPath();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(sub).center());
    ASSERT_TRUE(panel().waitForThumbnails(waitMs));

    EXPECT_EQ(form().folder(), path(QStringLiteral("sub")));
    EXPECT_EQ(panel().fileList(), QStringList {QStringLiteral("inside.gif")});
    expectThumbnailsMatchTags();
    EXPECT_FALSE(form().Images[0]->picture().isNull());
    EXPECT_EQ(QDir::currentPath(), workingDirectory);
}

TEST_F(PickerTest, AShownFolderThatVanishesFromTheDiskKeepsThePickerOnIt)
{
    const QDir top(folder.path());
    ASSERT_TRUE(top.mkdir(QStringLiteral("a")) && top.mkdir(QStringLiteral("b")));
    writeFile(path(QStringLiteral("b/other.bmp")), bmpFile(numbered(1), 24));
    const QString shown = path(QStringLiteral("a"));
    picker.setFolder(shown);
    open();
    const QModelIndex row = form().folderModel->index(shown);
    ASSERT_TRUE(row.isValid());
    ASSERT_EQ(form().DirectoryListBox1->currentIndex(), row);

    ASSERT_TRUE(QDir(shown).removeRecursively());
    // The tree hears of it from the file system and drops the row.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form().folderModel->index(shown).isValid(); }, waitMs));
    ASSERT_TRUE(panel().waitForThumbnails(waitMs));
    EXPECT_EQ(form().folder(), shown) << "not moved to a neighbour the user never chose";
    EXPECT_TRUE(panel().fileList().isEmpty());
}

TEST_F(PickerTest, PlacesAreHomeTheVolumesAndTheRoot)
{
    open();
    const QStringList places = form().places();
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places.front(), QDir::cleanPath(QDir::homePath()));
    EXPECT_EQ(places.back(), QStringLiteral("/"));
    for (const QString& place : places)
        EXPECT_TRUE(QFileInfo(place).isDir()) << place.toStdString();

    // Choosing a place roots the tree there and makes it the current folder.
    // From wherever the temporary folder lies: to the home place, the root, and home again.
    QComboBox* placesBox = form().DriveComboBox1;
    QTest::keyClick(placesBox, Qt::Key_Home);
    QTest::keyClick(placesBox, Qt::Key_End);
    EXPECT_EQ(form().folder(), QStringLiteral("/"));
    EXPECT_EQ(form().folderModel->filePath(form().DirectoryListBox1->rootIndex()), QStringLiteral("/"));
    QTest::keyClick(placesBox, Qt::Key_Home);
    EXPECT_EQ(form().folder(), places.front());
    EXPECT_EQ(form().folderModel->filePath(form().DirectoryListBox1->rootIndex()), places.front());
}

} // namespace
