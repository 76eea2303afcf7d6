#include "RuimteAppSelHandler.h"

#include "BuiltInPictures.h"
#include "Controls.h"
#include "ErrorBox.h"
#include "ImageFetcher.h"
#include "ImagePickerHandler.h"
#include "ItemPictures.h"
#include "Language.h"
#include "LoadSave.h"
#include "PictureError.h"
#include "PictureImage.h"
#include "RuimteAppSel.h"
#include "RuimteAppSelButHandler.h"
#include "StoreLock.h"
#include "StorePictureLists.h"
#include "Switching.h"
#include "Utilities.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace {

TLoadSave& store()
{
    return *TLoadSave::instance();
}

int firstFreeCode()
{
    const StoreReadLock lock(storeMutex());
    return store().getfirstfreecode();
}

// The picker's cancel and OK: a column of its own on the same host.
PickerButtons pickerButtons(QWidget* aButParent)
{
    auto column = std::make_unique<TRuimteAppSelButHandler>();
    column->create(aButParent);
    TRuimteAppSelButHandler* buttons = column.get();
    return {std::move(column), [buttons](const ClickHandler& cancel, const ClickHandler& ok) {
                buttons->TerugCommand(cancel);
                buttons->OKCommand(ok);
            }};
}

void setBaseColour(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

} // namespace

TRuimteAppSelHandler::TRuimteAppSelHandler(bool anIsRuimte, QWidget* aButParent, QWidget* aMainParent)
    : _IsRuimte(anIsRuimte)
    , _parent(aMainParent)
    , btnHandler(std::make_unique<TRuimteAppSelButHandler>())
    , imageHandler(std::make_unique<TImagePickerHandler>())
{
    btnHandler->create(aButParent);
    btnHandler->TerugCommand([this](QObject*) { ButTerugClick(); });
    btnHandler->OKCommand([this](QObject*) { ButExitClick(); });
    btnHandler->WissenCommand([this](QObject*) { ButWissenClick(); });
    btnHandler->hide();
    indicatorHandler.create(picturesPerPage, [this](QObject* sender) { clickPageIndicator(sender); });
    imageHandler->create(aMainParent, pickerButtons(aButParent));
    fillEmptyCatalogues(store());
}

TfrmRuimteAppSel& TRuimteAppSelHandler::form()
{
    if (!_frm)
        buildForm();
    return *_frm;
}

// The form is made when the editor is first opened: its fields and lists are
// the costliest widgets of the program to make, and most starts never edit.
void TRuimteAppSelHandler::buildForm()
{
    _frm = std::make_unique<TfrmRuimteAppSel>();
    TfrmRuimteAppSel& f = *_frm;
    TUtilities::SetPanelCaption(f.pnlAfbeeldingen, gettext(_IsRuimte ? txtAfbRuimte : txtAfbApparaat));
    TUtilities::SetPanelCaption(f.pnlHeeftCodeSchijf, gettext(txtHeeftCodeSch));
    TUtilities::SetPanelCaption(f.pnlCode, gettext(txtCode));
    TUtilities::SetPanelCaption(f.pnlDimBaar, gettext(txtDimbaar));
    TUtilities::SetPanelCaption(f.pnlOmschrijving, gettext(_IsRuimte ? txtOmsRuimte : txtOmsApparaat));
    for (TLabel* yes : {f.lblCodeSchijfJa, f.lblDimJa})
        yes->setText(gettext(txtJa));
    for (TLabel* no : {f.lblCodeSchijfNee, f.lblDimNee})
        no->setText(gettext(txtNee));
    _orgOmschrijvingColor = f.edtOmschrijving->palette().color(QPalette::Base);
    f.imgSelBackGr->setPicture(TImageFetcher::instance().imgSelectedValid);
    for (TImage* indicator : f.imgPIR)
        indicatorHandler.addIndicator(indicator);
    if (_IsRuimte)
        f.pnlDimBaar->hide();

    for (TImage* picture : f.Image) {
        QObject::connect(picture, &TImage::clicked, picture, [this](TImage* sender) { clicked(sender); });
        QObject::connect(picture, &TImage::doubleClicked, picture, [this](TImage* sender) { doubleClicked(sender); });
    }
    QObject::connect(f.edtOmschrijving, &QLineEdit::textChanged, f.edtOmschrijving, [this] { omschrijvingChange(); });
    for (TImage* choice : {f.imgDimJa, f.imgDimNee})
        QObject::connect(choice, &TImage::clicked, choice, [this](TImage* sender) { ButDimmerClick(sender); });
    for (TImage* choice : {f.imgCodeSchijfJa, f.imgCodeSchijfNee})
        QObject::connect(choice, &TImage::clicked, choice, [this](TImage* sender) { ButCodeSchijfClick(sender); });
    // Only the user's choices recompute the code, not the lists preset by show.
    for (QComboBox* list : {f.kanaalBox, f.nummerBox})
        QObject::connect(list, &QComboBox::activated, list, [this] { codeChanged(); });
    QObject::connect(f.timerLeren, &QTimer::timeout, f.timerLeren, [this] { timerAction(); });
}

TRuimteAppSelHandler::~TRuimteAppSelHandler() = default;

void TRuimteAppSelHandler::takePictureLists()
{
    StorePictureLists* lists = store().pictures();
    if (!lists) {
        _32Images = usedImages = nullptr;
        return;
    }
    _32Images = _IsRuimte ? &lists->ruimteimages : &lists->appimages;
    usedImages = _IsRuimte ? &lists->usedRuimteimages : &lists->usedAppimages;
}

QImage TRuimteAppSelHandler::cataloguePicture(int position) const
{
    const StoreReadLock lock(storeMutex());
    if (!_32Images || position < 0 || position >= _32Images->count())
        return {};
    return toQImage(_32Images->at(position));
}

void TRuimteAppSelHandler::setPics(int page)
{
    for (int i = 0; i < picturesPerPage; ++i)
        form().Image[i]->setPicture(cataloguePicture(page * picturesPerPage + i));
}

void TRuimteAppSelHandler::show(const QString& anOmschrijving, int anImageIndex, bool aDimbaar, bool aVerwijderbaar,
    bool anOudModel, int aCode, RuimteAppSelCallBack aCallBack)
{
    TfrmRuimteAppSel& f = form();
    const EnvironmentRecord environment = [] {
        const StoreReadLock lock(storeMutex());
        return store().Environment;
    }();
    f.pnlAfbeeldingen->setToolTip(environment.showHints ? gettext(txtRAselHint) : QString());

    takePictureLists();
    const int catalogueCount = [this] {
        const StoreReadLock lock(storeMutex());
        return _32Images ? _32Images->count() : 0;
    }();
    indicatorHandler.setIndicator(0, catalogueCount);
    setPics(0);

    _callBack = std::move(aCallBack);
    _newSelected = false;
    _selectedImage = anImageIndex;
    f.imgSelBackGr->setPicture(TImageFetcher::instance().imgSelectedValid);
    setBaseColour(f.edtOmschrijving, _orgOmschrijvingColor);

    f.pnlPanel1->setParent(_parent);
    f.pnlPanel1->move(0, 0);

    QImage preview;
    if (anImageIndex != -1) {
        const StoreReadLock lock(storeMutex());
        if (usedImages && anImageIndex < usedImages->count())
            preview = toQImage(usedImages->at(anImageIndex));
    }
    f.imageSelected->setPicture(preview);
    f.edtOmschrijving->setText(anOmschrijving);
    f.LR1->setText(anOmschrijving);

    _Dimbaar = aDimbaar;
    _OudModel = anOudModel;
    _Code = aCode;
    showChoice(_Dimbaar, f.imgDimJa, f.imgDimNee);
    f.pnlPanel1->show();
    f.pnlPanel1->raise();

    btnHandler->WissenState(aVerwijderbaar);

    if (_IsRuimte) {
        f.pnlCode->hide();
        f.pnlHeeftCodeSchijf->hide();
    } else {
        btnHandler->LerenCommand([this](QObject*) { ButLerenClick(); });
        btnHandler->LerenState(2);
        if (environment.hasCodeWheels || _OudModel) {
            f.pnlHeeftCodeSchijf->show();
            presetCodeLists();
            applyCodeSchijf(_OudModel);
        } else {
            f.pnlHeeftCodeSchijf->hide();
            f.pnlCode->hide();
            applyCodeSchijf(false);
        }
    }

    f.edtOmschrijving->setFocus();
    btnHandler->show();
    TUtilities::RoundButtons(f.pnlPanel1);
}

void TRuimteAppSelHandler::presetCodeLists()
{
    const QSignalBlocker blockNumbers(form().nummerBox);
    const QSignalBlocker blockLetters(form().kanaalBox);
    // Integer division truncates, so code -1 presets number 1 and letter A.
    const int number = _Code / 16;
    const int letter = _Code - 16 * number;
    form().nummerBox->setCurrentIndex(number >= 0 && number < 16 ? number : 0);
    form().kanaalBox->setCurrentIndex(letter >= 0 && letter < 16 ? letter : 0);
}

int TRuimteAppSelHandler::codeFromLists() const
{
    // (number - 1) x 16 + letter: A/1 is 0, B/1 is 1, A/2 is 16, P/16 is 255.
    return _frm->nummerBox->currentIndex() * 16 + _frm->kanaalBox->currentIndex();
}

void TRuimteAppSelHandler::showChoice(bool yes, QObject* yesPicture, QObject* noPicture)
{
    const TImageFetcher& pictures = TImageFetcher::instance();
    static_cast<TImage*>(yesPicture)->setPicture(yes ? pictures.imgPIsel : pictures.imgPIDisabled);
    static_cast<TImage*>(noPicture)->setPicture(yes ? pictures.imgPIDisabled : pictures.imgPIsel);
}

void TRuimteAppSelHandler::clicked(QObject* Sender)
{
    const int position = indicatorHandler.selectedIndicator() * picturesPerPage + TUtilities::getTag(Sender);
    const QImage picture = cataloguePicture(position);
    if (picture.isNull())
        return;
    _selectedImage = position;
    form().imageSelected->setPicture(picture);
    form().imgSelBackGr->setPicture(TImageFetcher::instance().imgSelectedValid);
    _newSelected = true;
}

void TRuimteAppSelHandler::doubleClicked(QObject* Sender)
{
    // The first click of the double click selected the picture already.
    if (_selectedImage != indicatorHandler.selectedIndicator() * picturesPerPage + TUtilities::getTag(Sender))
        clicked(Sender);
    if (!_newSelected)
        return;
    imageHandler->show(
        form().imageSelected->picture(), [this](const Picture& picture) { HandleSelectedImage(picture); });
}

void TRuimteAppSelHandler::HandleSelectedImage(const Picture& aBitmap)
{
    try {
        setCatalogueCustomPicture(
            store(), _IsRuimte ? Catalogue::Ruimte : Catalogue::Apparaat, _selectedImage, aBitmap);
    } catch (const PictureError& error) {
        showErrorBox(nullptr, QString::fromStdString(error.what()));
        return;
    }
    setPics(std::max(indicatorHandler.selectedIndicator(), 0));
    form().imageSelected->setPicture(cataloguePicture(_selectedImage));
    form().pnlPanel1->update();
}

void TRuimteAppSelHandler::clickPageIndicator(QObject* Sender)
{
    const int page = TUtilities::getTag(Sender);
    const int catalogueCount = [this] {
        const StoreReadLock lock(storeMutex());
        return _32Images ? _32Images->count() : 0;
    }();
    indicatorHandler.setIndicator(page, catalogueCount);
    setPics(page);
}

void TRuimteAppSelHandler::omschrijvingChange()
{
    form().LR1->setText(form().edtOmschrijving->text());
    setBaseColour(form().edtOmschrijving, _orgOmschrijvingColor);
}

void TRuimteAppSelHandler::ButDimmerClick(QObject* Sender)
{
    _Dimbaar = Sender == form().imgDimJa;
    showChoice(_Dimbaar, form().imgDimJa, form().imgDimNee);
}

void TRuimteAppSelHandler::ButCodeSchijfClick(QObject* Sender)
{
    applyCodeSchijf(Sender == form().imgCodeSchijfJa);
}

void TRuimteAppSelHandler::applyCodeSchijf(bool yes)
{
    showChoice(yes, form().imgCodeSchijfJa, form().imgCodeSchijfNee);
    if (yes) {
        form().pnlCode->show();
        form().pnlCode->raise();
        btnHandler->LerenState(1);
        _Dimbaar = false;
        _OudModel = true;
        _Code = codeFromLists();
    } else {
        form().pnlCode->hide();
        btnHandler->LerenState(0);
        _OudModel = false;
    }
    showChoice(_Dimbaar, form().imgDimJa, form().imgDimNee);
}

void TRuimteAppSelHandler::codeChanged()
{
    _Code = codeFromLists();
}

bool TRuimteAppSelHandler::isLearning() const
{
    return _frm && _frm->timerLeren->isActive();
}

void TRuimteAppSelHandler::ButLerenClick()
{
    if (!TUtilities::IsZolvoConnected(false))
        return;
    btnHandler->LerenState(3);
    _learningCount = 0;
    // A second press stops the run.
    if (isLearning())
        form().timerLeren->stop();
    else
        form().timerLeren->start();
    if (_Code == -1)
        _Code = firstFreeCode();
    if (!isLearning())
        btnHandler->LerenState(2);
}

void TRuimteAppSelHandler::timerAction()
{
    ++_learningCount;
    if (_learningCount > maxLearnTicks) {
        zettimeruit();
        return;
    }
    if (_colorTimerChanged) {
        btnHandler->LerenState(3);
        SwitchAppliance(_Code, SwitchValue::learn(_Dimbaar));
    } else {
        btnHandler->LerenState(4);
    }
    _colorTimerChanged = !_colorTimerChanged;
}

void TRuimteAppSelHandler::zettimeruit()
{
    form().timerLeren->stop();
    btnHandler->LerenState(2);
}

void TRuimteAppSelHandler::ButWissenClick()
{
    zettimeruit();
    form().imgSelBackGr->setPicture(TImageFetcher::instance().imgSelectedValid);
    form().edtOmschrijving->clear();
    form().LR1->clear();
    form().imageSelected->setPicture(QImage());
    _selectedImage = -1;
    _Code = -1;
}

bool TRuimteAppSelHandler::validInput()
{
    if (form().edtOmschrijving->text().isEmpty())
        return _selectedImage == -1;
    return _selectedImage != -1 && (_IsRuimte || TUtilities::IsValidCode(_Code, false));
}

void TRuimteAppSelHandler::ButExitClick()
{
    if (_Code == -1)
        _Code = firstFreeCode();
    if (!validInput()) {
        if (form().edtOmschrijving->text().isEmpty()) {
            setBaseColour(form().edtOmschrijving, QColor(255, 0, 0));
            form().edtOmschrijving->setFocus();
        } else if (_selectedImage == -1) {
            form().imgSelBackGr->setPicture(TImageFetcher::instance().imgSelectedInvalid);
        }
        return;
    }
    form().pnlPanel1->hide();
    btnHandler->hide();
    zettimeruit();
    if (_callBack)
        _callBack(form().edtOmschrijving->text(), _selectedImage, _newSelected, _Dimbaar, _OudModel, _Code);
}

void TRuimteAppSelHandler::ButTerugClick()
{
    form().pnlPanel1->hide();
    btnHandler->hide();
    zettimeruit();
}
