#include "ImagePicker.h"

#include "Artwork.h"
#include "CustomPicture.h"
#include "GradBtn.h"
#include "ImageFetcher.h"
#include "PictureThumbnails.h"
#include "Utilities.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSet>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <exception>

namespace {

constexpr TColor listTextColour = 66 + 256 * 85 + 65536 * 21;

constexpr int thumbnailColumns[] = {4, 141, 278};
constexpr int thumbnailRows[] = {2, 88, 174, 260, 346};

// File systems that hold no user files: never offered as a place.
bool isPseudoFileSystem(const QByteArray& type)
{
    static const QSet<QByteArray> pseudo = {"proc", "sysfs", "tmpfs", "devtmpfs", "overlay", "squashfs", "devpts",
        "mqueue", "debugfs", "tracefs", "securityfs", "pstore", "bpf", "configfs", "fusectl", "hugetlbfs", "autofs",
        "binfmt_misc", "nsfs", "ramfs", "efivarfs", "rpc_pipefs", "selinuxfs", "nfsd"};
    return pseudo.contains(type) || type.startsWith("cgroup");
}

struct Place {
    QString name;
    QString path;
};

// The home folder, the mounted volumes that have a medium, and the root.
QList<Place> currentPlaces()
{
    QList<Place> places;
    QSet<QString> seen;
    const auto add = [&](const QString& name, const QString& path) {
        const QString clean = QDir::cleanPath(path);
        if (!seen.contains(clean)) {
            seen.insert(clean);
            places.append({name, clean});
        }
    };
    add(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers also mount single files (as /etc/hosts); only folders are places.
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()) || volume.isRoot() ||
            !QFileInfo(volume.rootPath()).isDir())
            continue;
        add(volume.displayName(), volume.rootPath());
    }
    add(QStringLiteral("/"), QStringLiteral("/"));
    return places;
}

// Whether `path` is `folder` or lies below it.
bool isWithin(const QString& path, const QString& folder)
{
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(prefix);
}

QFont listFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    return font;
}

void styleAsList(QWidget* list)
{
    list->setFont(listFont());
    QPalette colours = list->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        colours.setColor(role, toQColor(listTextColour));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        colours.setColor(role, Qt::white);
    list->setPalette(colours);
}

TImage* background(QWidget* parent, const char* name)
{
    auto* image = place(new TImage(parent), 0, 0, parent->width(), parent->height());
    image->setStretch(true);
    image->setPicture(artwork(QLatin1String(name)));
    return image;
}

TGradBtn* pageButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    TGradBtn* button = makeStandardButton(parent, left, 431, 130, 40, caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

TImagePanel::TImagePanel(const std::array<TImage*, thumbnailCount>& images, TImage* selectedImage, TLabel* selectedName,
    TGradBtn* vorige, TGradBtn* volgende)
    : _ImageList(images)
    , _SelectedImage(selectedImage)
    , _SelectedName(selectedName)
    , _Vorige(vorige)
    , _Volgende(volgende)
    , _panelAlive(images[0])
    , _thumbnails(std::make_unique<TPictureThumbnails>())
{
    connect(_thumbnails.get(), &TPictureThumbnails::loaded, this, &TImagePanel::thumbnailLoaded);
    connect(_thumbnails.get(), &TPictureThumbnails::finished, this, &TImagePanel::pageLoaded);
    // Bound once: a new folder starts the panel again without doubling the clicks.
    for (TImage* image : _ImageList)
        connect(image, &TImage::clicked, this, [this](TImage* sender) { ImageClick(sender); });
    connect(_Vorige, &TGradBtn::clicked, this, &TImagePanel::VorigeClick);
    connect(_Volgende, &TGradBtn::clicked, this, &TImagePanel::VolgendeClick);
}

TImagePanel::~TImagePanel()
{
    _thumbnails.reset();
    pageLoaded();
}

void TImagePanel::initiatePanel()
{
    _Offset = 0;
    getImageFiles();
    fillPanel();
}

void TImagePanel::getImageFiles()
{
    _FileList.clear();
    if (_Folder.isEmpty())
        return; // an empty folder name would list the working directory
    for (const char* pattern : {"*.bmp", "*.jpg", "*.gif"}) {
        const QDir folder(_Folder, QLatin1String(pattern), QDir::Unsorted,
            QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
        _FileList += folder.entryList();
    }
}

void TImagePanel::fillPanel()
{
    const int count = int(_FileList.size());
    _Vorige->setEnabled(_Offset != 0);
    _Volgende->setEnabled(_Offset + pageStep < count);
    for (TImage* image : _ImageList) {
        image->setPicture(QImage());
        image->setTag(-1);
    }
    _loaded.fill(false);
    const QDir folder(_Folder);
    QStringList paths;
    for (int i = _Offset; i <= _Offset + pageStep && i < count; ++i) {
        _ImageList[i - _Offset]->setTag(i);
        paths.append(folder.filePath(_FileList[i]));
    }
    if (!paths.isEmpty() && !_busyCursor) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        _busyCursor = true;
    }
    _thumbnails->load(paths);
}

void TImagePanel::thumbnailLoaded(int slot, const QImage& thumbnail)
{
    if (!_panelAlive)
        return;
    _ImageList[slot]->setPicture(thumbnail);
    _loaded[slot] = true;
}

void TImagePanel::pageLoaded()
{
    if (_busyCursor) {
        QGuiApplication::restoreOverrideCursor();
        _busyCursor = false;
    }
}

void TImagePanel::ImageClick(QObject* Sender)
{
    _SelectedIndex = TUtilities::getTag(Sender);
    if (_SelectedIndex < 0 || _SelectedIndex >= _FileList.size())
        return;
    const auto slot = std::find(_ImageList.begin(), _ImageList.end(), Sender) - _ImageList.begin();
    QImage preview;
    if (slot < thumbnailCount && _loaded[slot])
        preview = _ImageList[slot]->picture();
    else {
        // Not read yet: read it now rather than show nothing.
        try {
            preview = thumbnailImage(ReadCustomPicture(getSelectedFileName()));
        } catch (const std::exception&) {
            // A damaged file shows no preview; choosing it with OK says why.
        }
    }
    _SelectedImage->setPicture(preview);
    _SelectedName->setText(_FileList[_SelectedIndex]);
}

void TImagePanel::VorigeClick()
{
    if (_Offset != 0)
        _Offset -= pageStep;
    fillPanel();
}

void TImagePanel::VolgendeClick()
{
    if (_Offset + pageStep < _FileList.size())
        _Offset += pageStep;
    fillPanel();
}

QString TImagePanel::getSelectedFileName() const
{
    if (_SelectedIndex < 0 || _SelectedIndex >= _FileList.size())
        return QString();
    return QDir(_Folder).filePath(_FileList[_SelectedIndex]);
}

bool TImagePanel::waitForThumbnails(int timeoutMs)
{
    if (_thumbnails->pending() == 0)
        return true;
    QEventLoop loop;
    connect(_thumbnails.get(), &TPictureThumbnails::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return _thumbnails->pending() == 0;
}

TPickerForm::TPickerForm(const QString& firstFolder)
    : imagePickPanel(new TPanel)
{
    imagePickPanel->setObjectName(QStringLiteral("imagePickPanel"));
    imagePickPanel->resize(598, 504);
    imagePickPanel->hide();
    imgBackground = background(imagePickPanel, "shell/content-panel");

    DriveComboBox1 = place(new QComboBox(imagePickPanel), 10, 5, 167, 25);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    styleAsList(DriveComboBox1);

    folderModel = new QFileSystemModel(this);
    folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryListBox1 = place(new QTreeView(imagePickPanel), 10, 40, 167, 185);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    styleAsList(DirectoryListBox1);
    // A folder that vanishes from the disk takes its row with it, and the tree
    // moves its current row to a neighbour: that is no choice of the user's.
    // Connected before the view's own handling, so the flag is up first.
    connect(folderModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { _treeLosingRows = true; });
    DirectoryListBox1->setModel(folderModel);
    connect(folderModel, &QAbstractItemModel::rowsRemoved, this, [this] { _treeLosingRows = false; });
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < folderModel->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);

    pnlSelected = place(new TPanel(imagePickPanel), 31, 289, 130, 168);
    pnlSelected->setObjectName(QStringLiteral("pnlSelected"));
    imgSelectedFrame = place(new TImage(pnlSelected), 0, 0, 130, 168);
    imgSelectedFrame->setPicture(TImageFetcher::instance().imgSelectedValid);
    imageSelected = place(new TImage(pnlSelected), 0, 30, pictureListWidth, pictureListHeight);
    imageSelected->setObjectName(QStringLiteral("imageSelected"));
    imageSelected->setStretch(true);
    LR1 = place(new TLabel(pnlSelected), 0, 118, 130, 36);
    LR1->setObjectName(QStringLiteral("LR1"));
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(13);
    LR1->setFont(nameFont);
    LR1->setFontColor(listTextColour);
    LR1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LR1->setTextFormat(Qt::PlainText);
    LR1->setWordWrap(true);

    Panel1 = place(new TPanel(imagePickPanel), 183, 3, 412, 486);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    imgThumbnailsBackground = background(Panel1, "shell/picker-thumbnails");
    for (int i = 0; i < TImagePanel::thumbnailCount; ++i) {
        auto* image = place(
            new TImage(Panel1), thumbnailColumns[i % 3], thumbnailRows[i / 3], pictureListWidth, pictureListHeight);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setStretch(true);
        Images[i] = image;
    }
    BtnVorige = pageButton(Panel1, "BtnVorige", QStringLiteral("<"), 8);
    btnVolgende = pageButton(Panel1, "btnVolgende", QStringLiteral(">"), 279);

    _imagePanel = std::make_unique<TImagePanel>(Images, imageSelected, LR1, BtnVorige, btnVolgende);

    connect(DriveComboBox1, &QComboBox::activated, this, &TPickerForm::placeChosen);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { folderChosen(current); });
    refreshPlaces();
    setFolder(firstFolder);
}

TPickerForm::~TPickerForm()
{
    _imagePanel.reset();
    delete imagePickPanel.data(); // when it was never placed in a host
}

QStringList TPickerForm::places() const
{
    QStringList paths;
    for (int i = 0; i < DriveComboBox1->count(); ++i)
        paths.append(DriveComboBox1->itemData(i).toString());
    return paths;
}

void TPickerForm::refreshPlaces()
{
    const QString current = DriveComboBox1->currentData().toString();
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->clear();
    for (const Place& p : currentPlaces()) {
        DriveComboBox1->addItem(p.name, p.path);
        DriveComboBox1->setItemData(DriveComboBox1->count() - 1, p.path, Qt::ToolTipRole);
    }
    const int index = DriveComboBox1->findData(current);
    if (index >= 0)
        DriveComboBox1->setCurrentIndex(index);
    else if (!current.isEmpty())
        setFolder(QDir::homePath()); // its volume was taken away
}

void TPickerForm::setFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    int best = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString candidate = DriveComboBox1->itemData(i).toString();
        if (isWithin(folder, candidate) &&
            (best < 0 || candidate.size() > DriveComboBox1->itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0) {
        DriveComboBox1->setCurrentIndex(best);
        showPlace(DriveComboBox1->itemData(best).toString());
    }
    _imagePanel->setFolder(folder);
    showFolderInTree(folder);
    LoadImages();
}

void TPickerForm::LoadImages()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    _imagePanel->initiatePanel();
    QGuiApplication::restoreOverrideCursor();
}

void TPickerForm::placeChosen(int index)
{
    setFolder(DriveComboBox1->itemData(index).toString());
}

void TPickerForm::folderChosen(const QModelIndex& index)
{
    if (_followingFolder || _treeLosingRows || !index.isValid())
        return;
    const QString path = folderModel->filePath(index);
    if (path != folder()) {
        _imagePanel->setFolder(path);
        LoadImages();
    }
}

void TPickerForm::showPlace(const QString& place)
{
    if (folderModel->rootPath() == place)
        return;
    folderModel->setRootPath(place);
    DirectoryListBox1->setRootIndex(folderModel->index(place));
}

void TPickerForm::showFolderInTree(const QString& path)
{
    _followingFolder = true;
    const QModelIndex root = DirectoryListBox1->rootIndex();
    const QModelIndex folder = folderModel->index(path);
    if (!folder.isValid() || folder == root)
        DirectoryListBox1->setCurrentIndex(QModelIndex());
    else {
        for (QModelIndex above = folder.parent(); above.isValid() && above != root; above = above.parent())
            DirectoryListBox1->expand(above);
        DirectoryListBox1->setCurrentIndex(folder);
        DirectoryListBox1->scrollTo(folder);
    }
    _followingFolder = false;
}
