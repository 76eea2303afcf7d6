#include "RuimteAppHandler.h"

#include "AppUIHandler.h"
#include "Controls.h"
#include "Cp1252.h"
#include "ExitSequence.h"
#include "HouseEdits.h"
#include "ItemPictures.h"
#include "Language.h"
#include "LoadSave.h"
#include "RuimteAppButHandler.h"
#include "RuimteAppSelHandler.h"
#include "RuimteApparaat.h"
#include "StoreLock.h"
#include "StorePictureLists.h"
#include "TileFilling.h"
#include "Utilities.h"

TRuimteUIHandler::TRuimteUIHandler(TMainForm& mainForm)
    : TRuimteAppUIHandler(true)
    , _mainForm(mainForm)
    , _frm(std::make_unique<TRuimteApparaat>())
    , _btnHandler(std::make_unique<TRuimteAppButHandler>())
{
    create(mainForm.mainPanel(), mainForm.buttonPanel());
    show();
}

TRuimteUIHandler::~TRuimteUIHandler() = default;

void TRuimteUIHandler::create(QWidget* aMainParent, QWidget* aButParent)
{
    TRuimteAppUIHandler::create(aMainParent, aButParent);
    initLanguage();
    _btnHandler->create(aButParent);
    _ruimteAppSelHdlr = std::make_unique<TRuimteAppSelHandler>(true, aButParent, aMainParent);
    _apphandler = std::make_unique<TAppUIHandler>(*this, *_frm, *_btnHandler, aMainParent, aButParent);
    for (int k = 0; k < TRuimteApparaat::tileCount; ++k) {
        addTile(_frm->imgBGR[k], _frm->imgR[k], _frm->lblR[k]);
        addIndicator(_frm->imgPIR[k]);
    }
    setContentPanel(_frm->pnlRuimteApparaat);

    TAppUIHandler* apps = _apphandler.get();
    _btnHandler->TerugCommand([this](QObject*) { ButExitClick(); });
    _btnHandler->ExtraCommand([apps](QObject*) { apps->ButExtraClick(); });
    _btnHandler->SceneCommand([this](QObject*) { ButCombiClick(); });
    _btnHandler->TimerCommand([this](QObject*) { ButTimerClick(); });
    _btnHandler->OnCommand([apps](QObject*) { apps->ButOnClick(); });
    _btnHandler->OffCommand([apps](QObject*) { apps->ButOffClick(); });
    _btnHandler->DimmerCommand([apps](QObject*) { apps->ButDimmerClick(); });
    _btnHandler->DimDnCommand([apps](QObject*) { apps->ButDimDnClick(); });
    _btnHandler->DimUpCommand([apps](QObject*) { apps->ButDimUpClick(); });

    initImages();
    draw();
}

void TRuimteUIHandler::initLanguage()
{
    _frm->lblRuimtes->setText(gettext(txtRuimtes));
    _frm->lblApparaten->setText(gettext(txtApparaten));
}

void TRuimteUIHandler::show()
{
    TPanel* panel = _frm->pnlRuimteApparaat;
    panel->setParent(_parent);
    panel->move(0, 0);
    panel->show();
    panel->raise();
    setIndicator(0);
    _btnHandler->show();
}

void TRuimteUIHandler::initImages()
{
    StorePictureLists* lists = TLoadSave::instance()->pictures();
    _32Images = lists ? &lists->ruimteimages : nullptr;
    _usedImages = lists ? &lists->usedRuimteimages : nullptr;
    _apphandler->initImages();
    _indicatorHandler.clearSelection();
    // A page change: selects the first room and shows its appliances.
    setIndicator(0);
}

void TRuimteUIHandler::extracallBack(bool aReInit)
{
    if (aReInit)
        initImages();
}

int TRuimteUIHandler::definedCount() const
{
    const StoreReadLock lock(storeMutex());
    return leadingSlotsInUse(TLoadSave::instance()->Ruimtes);
}

void TRuimteUIHandler::fill(int anIndex)
{
    const StoreReadLock lock(storeMutex());
    const Ruimte* ruimtes = TLoadSave::instance()->Ruimtes;
    const int count = leadingSlotsInUse(TLoadSave::instance()->Ruimtes);
    for (int p = 0; p < tileCount(); ++p) {
        const int i = anIndex + p;
        if (i >= 0 && i < count)
            showOnTile(tile(p), ruimtes[i], _usedImages);
        else
            clearTile(tile(p));
    }
}

void TRuimteUIHandler::fillClicked(QObject* Sender)
{
    TRuimteAppUIHandler::fillClicked(Sender);
    if (_currentSelectedIndex == TUtilities::getTag(Sender))
        _apphandler->initApp(AbsSelectedIndex());
}

void TRuimteUIHandler::fillDblClicked(QObject* Sender)
{
    if (!validClick(Sender))
        return;
    const int r = AbsSelectedIndex();
    Ruimte ruimte;
    {
        const StoreReadLock lock(storeMutex());
        ruimte = TLoadSave::instance()->Ruimtes[r];
    }
    const bool withoutAppliances = leadingSlotsInUse(ruimte.Apparaten) == 0;
    _ruimteAppSelHdlr->show(toQString(ruimte.Omschrijving), ruimte.Afbeelding, false, withoutAppliances, false, -1,
        [this](const QString& name, int image, bool newSelected, bool dimbaar, bool oudModel, int code) {
            callBack(name, image, newSelected, dimbaar, oudModel, code);
        });
}

void TRuimteUIHandler::callBack(const QString& anOmschrijving, int anImageIndex, bool newSelected, bool, bool, int)
{
    const int r = AbsSelectedIndex();
    if (anImageIndex == -1) {
        deleteItem(r);
        return;
    }
    TLoadSave& store = *TLoadSave::instance();
    if (newSelected)
        giveRuimtePicture(store, r, catalogueEntry(_32Images, anImageIndex));
    {
        const StoreWriteLock lock(storeMutex());
        setShortString(store.Ruimtes[r].Omschrijving, anOmschrijving.left(30));
    }
    setIndicator(pageOrZero());
    // A room that has just got its picture takes appliances from now on.
    _apphandler->initApp(r);
}

void TRuimteUIHandler::deleteItem(int index)
{
    {
        const StoreWriteLock lock(storeMutex());
        deleteRuimte(*TLoadSave::instance(), index);
    }
    setIndicator(pageOrZero());
    _apphandler->initApp(AbsSelectedIndex());
}

void TRuimteUIHandler::ButExitClick()
{
    runExitSequence(&_mainForm);
}
