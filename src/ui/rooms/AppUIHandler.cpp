#include "AppUIHandler.h"

#include "Cp1252.h"
#include "HouseEdits.h"
#include "ItemPictures.h"
#include "LoadSave.h"
#include "RuimteAppButHandler.h"
#include "RuimteAppHandler.h"
#include "RuimteAppSelHandler.h"
#include "RuimteApparaat.h"
#include "StoreLock.h"
#include "StorePictureLists.h"
#include "Switching.h"
#include "TileFilling.h"
#include "Utilities.h"

#include <algorithm>

namespace {

TLoadSave& store()
{
    return *TLoadSave::instance();
}

std::uint8_t onValue(const Apparaat& apparaat)
{
    return SwitchValue::on(apparaat.OudModel);
}

std::uint8_t offValue(const Apparaat& apparaat)
{
    return SwitchValue::off(apparaat.OudModel);
}

std::uint8_t dimValue(const Apparaat& apparaat)
{
    return SwitchValue::dim(apparaat.Dimstand);
}

} // namespace

TAppUIHandler::TAppUIHandler(TRuimteUIHandler& aRuimteHandler, TRuimteApparaat& aForm, TRuimteAppButHandler& aButtons,
    QWidget* aMainParent, QWidget* aButParent)
    : TRuimteAppUIHandler(false)
    , _RuimteHandler(aRuimteHandler)
    , _frm(aForm)
    , _btnHandler(aButtons)
{
    create(aMainParent, aButParent);
    _ruimteAppSelHdlr = std::make_unique<TRuimteAppSelHandler>(false, aButParent, aMainParent);
    for (int k = 0; k < TRuimteApparaat::tileCount; ++k) {
        addTile(_frm.imgBGA[k], _frm.imgA[k], _frm.lblA[k]);
        addIndicator(_frm.imgPIA[k]);
    }
    setContentPanel(_frm.pnlRuimteApparaat);
}

TAppUIHandler::~TAppUIHandler() = default;

void TAppUIHandler::initImages()
{
    StorePictureLists* lists = store().pictures();
    _32Images = lists ? &lists->appimages : nullptr;
    _usedImages = lists ? &lists->usedAppimages : nullptr;
    initApp(0);
}

void TAppUIHandler::initApp(int aRuimteIndex)
{
    TPanel* panel = _frm.pnlRuimteApparaat;
    const bool wasShown = panel && !panel->isHidden();
    if (wasShown)
        panel->hide();
    _ruimteIndex = std::clamp(aRuimteIndex, 0, nrofRuimtes - 1);
    _indicatorHandler.clearSelection();
    // A page change: selects the first appliance when the room is defined.
    setIndicator(0);
    if (!roomDefined())
        for (int p = 0; p < tileCount(); ++p)
            tile(p).deselect();
    updateButtons();
    if (wasShown)
        panel->show();
}

bool TAppUIHandler::roomDefined() const
{
    const StoreReadLock lock(storeMutex());
    return store().Ruimtes[_ruimteIndex].Afbeelding != -1;
}

bool TAppUIHandler::validClick(QObject* Sender)
{
    return roomDefined() && TRuimteAppUIHandler::validClick(Sender);
}

void TAppUIHandler::fillClicked(QObject* Sender)
{
    TRuimteAppUIHandler::fillClicked(Sender);
    updateButtons();
}

int TAppUIHandler::definedCount() const
{
    const StoreReadLock lock(storeMutex());
    return leadingSlotsInUse(store().Ruimtes[_ruimteIndex].Apparaten);
}

void TAppUIHandler::fill(int anIndex)
{
    const StoreReadLock lock(storeMutex());
    const Ruimte& ruimte = store().Ruimtes[_ruimteIndex];
    const int count = leadingSlotsInUse(ruimte.Apparaten);
    for (int p = 0; p < tileCount(); ++p) {
        const int i = anIndex + p;
        if (i >= 0 && i < count)
            showOnTile(tile(p), ruimte.Apparaten[i], _usedImages);
        else
            clearTile(tile(p));
    }
}

int TAppUIHandler::selectedSlot() const
{
    return std::clamp(AbsSelectedIndex(), 0, nrofApparaten - 1);
}

Apparaat TAppUIHandler::selected() const
{
    const StoreReadLock lock(storeMutex());
    return store().Ruimtes[_ruimteIndex].Apparaten[selectedSlot()];
}

void TAppUIHandler::updateButtons()
{
    const Apparaat apparaat = selected();
    const bool defined = roomDefined();
    const bool dimmable = defined && apparaat.Dimmer;
    const bool switchable = defined && apparaat.Afbeelding != -1;
    _btnHandler.DimmerState(dimmable);
    _btnHandler.DimDnState(dimmable);
    _btnHandler.DimUpState(dimmable);
    _btnHandler.SetDimstand(apparaat.Dimstand);
    _btnHandler.OnState(switchable);
    _btnHandler.OffState(switchable);
    _btnHandler.TimerState(switchable);
}

void TAppUIHandler::fillDblClicked(QObject* Sender)
{
    if (!validClick(Sender))
        return;
    const Apparaat apparaat = selected();
    _ruimteAppSelHdlr->show(toQString(apparaat.Omschrijving), apparaat.Afbeelding, apparaat.Dimmer, true,
        apparaat.OudModel, apparaat.Code,
        [this](const QString& name, int image, bool newSelected, bool dimbaar, bool oudModel, int code) {
            callBack(name, image, newSelected, dimbaar, oudModel, code);
        });
}

void TAppUIHandler::callBack(
    const QString& anOmschrijving, int anImageIndex, bool newSelected, bool aDimbaar, bool anOudModel, int aCode)
{
    const int a = selectedSlot();
    if (anImageIndex == -1) {
        deleteItem(a);
    } else {
        if (newSelected)
            giveApparaatPicture(store(), _ruimteIndex, a, catalogueEntry(_32Images, anImageIndex));
        {
            const StoreWriteLock lock(storeMutex());
            Apparaat& apparaat = store().Ruimtes[_ruimteIndex].Apparaten[a];
            setShortString(apparaat.Omschrijving, anOmschrijving.left(30));
            apparaat.Dimmer = aDimbaar;
            apparaat.OudModel = anOudModel;
            apparaat.Code = aCode;
        }
        setIndicator(pageOrZero());
    }
    updateButtons();
}

void TAppUIHandler::deleteItem(int index)
{
    {
        const StoreWriteLock lock(storeMutex());
        deleteApparaat(store(), _ruimteIndex, index);
    }
    setIndicator(pageOrZero());
}

void TAppUIHandler::switchSelected(std::uint8_t (*value)(const Apparaat&))
{
    if (!TUtilities::IsZolvoConnected(false))
        return;
    const Apparaat apparaat = selected();
    if (!TUtilities::IsValidCode(apparaat.Code, false))
        return;
    SwitchAppliance(apparaat.Code, value(apparaat));
}

void TAppUIHandler::ButOnClick()
{
    switchSelected(onValue);
}

void TAppUIHandler::ButOffClick()
{
    switchSelected(offValue);
}

void TAppUIHandler::ButDimmerClick()
{
    switchSelected(dimValue);
}

void TAppUIHandler::stepDimstand(int step)
{
    if (!TUtilities::IsZolvoConnected(false))
        return;
    int level = 0;
    {
        const StoreWriteLock lock(storeMutex());
        Apparaat& apparaat = store().Ruimtes[_ruimteIndex].Apparaten[selectedSlot()];
        // A level outside 1..16 from a damaged file is brought back into range first.
        apparaat.Dimstand = std::clamp(std::clamp(apparaat.Dimstand, 1, 16) + step, 1, 16);
        level = apparaat.Dimstand;
    }
    _btnHandler.SetDimstand(level);
    ButDimmerClick();
}

void TAppUIHandler::ButDimDnClick()
{
    stepDimstand(-1);
}

void TAppUIHandler::ButDimUpClick()
{
    stepDimstand(+1);
}
