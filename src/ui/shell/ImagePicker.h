#pragma once

#include "Controls.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QComboBox;
class QFileSystemModel;
class QModelIndex;
class QTreeView;
class TGradBtn;
class TPictureThumbnails;

// The thumbnails of the picture files of one folder, 15 to a page, and the
// file chosen among them. File names are kept without their folder.
class TImagePanel : public QObject {
    Q_OBJECT
public:
    static constexpr int thumbnailCount = 15;
    // One less than a page: the last thumbnail of a page comes again first on the next.
    static constexpr int pageStep = 14;

    TImagePanel(const std::array<TImage*, thumbnailCount>& images, TImage* selectedImage, TLabel* selectedName,
        TGradBtn* vorige, TGradBtn* volgende);
    ~TImagePanel() override;

    QString folder() const { return _Folder; }
    // Takes effect with the next initiatePanel.
    void setFolder(const QString& folder) { _Folder = folder; }

    // A fresh list of the folder, shown from its first page.
    void initiatePanel();
    // Lists the folder: every "*.bmp" file, then "*.jpg", then "*.gif", each
    // group as the file system lists it.
    void getImageFiles();
    // Shows the page at the offset; thumbnails fill in as they are read.
    void fillPanel();
    // Selects the file of the clicked thumbnail and shows it in the preview.
    void ImageClick(QObject* Sender);
    void VorigeClick();
    void VolgendeClick();
    // The selected file with its folder; empty when the selection is no file of the list.
    QString getSelectedFileName() const;

    const QStringList& fileList() const { return _FileList; }
    int offset() const { return _Offset; }
    int selectedIndex() const { return _SelectedIndex; }
    // Processes events until every thumbnail of the page is in; false when the time ran out.
    bool waitForThumbnails(int timeoutMs);

private:
    void thumbnailLoaded(int slot, const QImage& thumbnail);
    void pageLoaded();

    std::array<TImage*, thumbnailCount> _ImageList;
    QStringList _FileList;
    int _SelectedIndex = 0;
    TImage* _SelectedImage;
    TLabel* _SelectedName;
    TGradBtn* _Vorige;
    TGradBtn* _Volgende;
    int _Offset = 0;
    QString _Folder;

    // The thumbnails die with the picker's panel, which a host may free first.
    QPointer<TImage> _panelAlive;
    std::unique_ptr<TPictureThumbnails> _thumbnails;
    // Thumbnails of the page whose file has been read (successfully or not).
    std::array<bool, thumbnailCount> _loaded {};
    bool _busyCursor = false;
};

// The layout of the picture picker: the places and folder tree on the left
// with the preview below, the thumbnails of the folder on the right.
// The picker keeps its own current folder; the process's working directory
// is left alone, as other threads resolve paths against it.
class TPickerForm : public QObject {
    Q_OBJECT
public:
    explicit TPickerForm(const QString& firstFolder);
    ~TPickerForm() override;

    // Owned by the form until it is first shown; then by the host, which may free it first.
    QPointer<TPanel> imagePickPanel;
    TImage* imgBackground;
    QComboBox* DriveComboBox1;
    QTreeView* DirectoryListBox1;
    QFileSystemModel* folderModel;
    TPanel* pnlSelected;
    TImage* imgSelectedFrame;
    TImage* imageSelected;
    TLabel* LR1;
    TPanel* Panel1;
    TImage* imgThumbnailsBackground;
    std::array<TImage*, TImagePanel::thumbnailCount> Images; // Image1 .. Image15
    TGradBtn* BtnVorige;
    TGradBtn* btnVolgende;

    TImagePanel& imagePanel() { return *_imagePanel; }

    QString folder() const { return _imagePanel->folder(); }
    // Makes `path` the current folder, its place the chosen one, and reloads.
    void setFolder(const QString& path);
    // Reloads the thumbnails of the current folder.
    void LoadImages();
    QString fileName() const { return _imagePanel->getSelectedFileName(); }

    // Lists the places again; a place that is gone takes the picker home.
    void refreshPlaces();
    // The root folders of the places, as listed.
    QStringList places() const;

private:
    void placeChosen(int index);
    void folderChosen(const QModelIndex& index);
    void showPlace(const QString& place);
    void showFolderInTree(const QString& path);

    std::unique_ptr<TImagePanel> _imagePanel;
    // Set while the form itself moves the tree's current folder.
    bool _followingFolder = false;
    bool _treeLosingRows = false; // the folder model is taking rows away
};
