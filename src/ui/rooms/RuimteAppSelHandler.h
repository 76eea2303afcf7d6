#pragma once

#include "IndicatorHandler.h"
#include "Picture.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class PictureList;
class QObject;
class QWidget;
class TfrmRuimteAppSel;
class TImagePickerHandler;
class TRuimteAppSelButHandler;

// What the editor hands back when the user confirms: the name, the picture
// (the chosen catalogue position when newSelected, else the item's own
// picture number; -1 when the item was cleared), and the receiver settings.
using RuimteAppSelCallBack = std::function<void(
    const QString& anOmschrijving, int anImageIndex, bool newSelected, bool aDimbaar, bool anOudModel, int aCode)>;

// The editor of one room or one appliance: name, picture from the catalogue
// (any of which the user may replace by a picture file of his own), and for
// appliances the receiver: dimmable, code wheels with letter and number, the
// transmitter code, and teaching a receiver its code (learning). One editor
// exists per kind of item and is reused for every visit.
class TRuimteAppSelHandler {
public:
    static constexpr int picturesPerPage = 8;
    static constexpr int maxLearnTicks = 400;

    TRuimteAppSelHandler(bool anIsRuimte, QWidget* aButParent, QWidget* aMainParent);
    ~TRuimteAppSelHandler();
    TRuimteAppSelHandler(const TRuimteAppSelHandler&) = delete;
    TRuimteAppSelHandler& operator=(const TRuimteAppSelHandler&) = delete;

    // Opens the editor on an item; `aVerwijderbaar` enables the delete button.
    void show(const QString& anOmschrijving, int anImageIndex, bool aDimbaar, bool aVerwijderbaar, bool anOudModel,
        int aCode, RuimteAppSelCallBack aCallBack);
    // The picture picker's result: replaces the selected catalogue picture.
    void HandleSelectedImage(const Picture& aBitmap);

    void clicked(QObject* Sender);
    void doubleClicked(QObject* Sender);
    void clickPageIndicator(QObject* Sender);
    void omschrijvingChange();
    void ButDimmerClick(QObject* Sender);
    void ButCodeSchijfClick(QObject* Sender);
    void codeChanged();
    void ButLerenClick();
    void timerAction();
    void ButWissenClick();
    void ButExitClick();
    void ButTerugClick();

    // The editor's form, made on first use.
    TfrmRuimteAppSel& form();
    TRuimteAppSelButHandler& buttons() const { return *btnHandler; }
    TImagePickerHandler& imagePicker() const { return *imageHandler; }
    const TIndicatorHandler& indicators() const { return indicatorHandler; }
    bool IsRuimte() const { return _IsRuimte; }
    int selectedImage() const { return _selectedImage; }
    bool newSelected() const { return _newSelected; }
    bool Dimbaar() const { return _Dimbaar; }
    bool OudModel() const { return _OudModel; }
    int Code() const { return _Code; }
    int learningCount() const { return _learningCount; }
    bool isLearning() const;

private:
    void buildForm();
    void takePictureLists();
    void setPics(int page);
    void showChoice(bool yes, QObject* yesPicture, QObject* noPicture);
    void applyCodeSchijf(bool yes);
    void presetCodeLists();
    int codeFromLists() const;
    void zettimeruit();
    bool validInput();
    QImage cataloguePicture(int position) const;

    const bool _IsRuimte;
    RuimteAppSelCallBack _callBack;
    std::unique_ptr<TfrmRuimteAppSel> _frm;
    QWidget* _parent;
    std::unique_ptr<TRuimteAppSelButHandler> btnHandler;
    std::unique_ptr<TImagePickerHandler> imageHandler;
    TIndicatorHandler indicatorHandler;
    PictureList* _32Images = nullptr;
    PictureList* usedImages = nullptr;
    int _selectedImage = -1;
    bool _newSelected = false;
    bool _Dimbaar = false;
    bool _OudModel = false;
    int _Code = -1;
    int _learningCount = 0;
    bool _colorTimerChanged = false;
    QColor _orgOmschrijvingColor;
};
