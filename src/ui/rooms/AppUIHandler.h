#pragma once

#include "Records.h"
#include "RuimteAppUI.h"

#include <cstdint>

#include <memory>

class PictureList;
class QWidget;
class TRuimteAppButHandler;
class TRuimteAppSelHandler;
class TRuimteApparaat;
class TRuimteUIHandler;

// The appliances grid of the rooms screen: the appliances of the room
// selected above, four to a page, and switching the selected one through
// the Zolvo.
class TAppUIHandler : public TRuimteAppUIHandler {
public:
    TAppUIHandler(TRuimteUIHandler& aRuimteHandler, TRuimteApparaat& aForm, TRuimteAppButHandler& aButtons,
        QWidget* aMainParent, QWidget* aButParent);
    ~TAppUIHandler() override;

    // Shows the appliances of room `aRuimteIndex` from page 0.
    void initApp(int aRuimteIndex);
    void initImages();
    // Enables the buttons that fit the selected appliance.
    void updateButtons();

    bool validClick(QObject* Sender) override;
    void fillClicked(QObject* Sender) override;
    int definedCount() const override;
    void fill(int anIndex) override;
    void fillDblClicked(QObject* Sender) override;
    void callBack(const QString& anOmschrijving, int anImageIndex, bool newSelected, bool aDimbaar, bool anOudModel,
        int aCode) override;
    void deleteItem(int index) override;

    void ButOnClick();
    void ButOffClick();
    void ButDimmerClick();
    void ButDimDnClick();
    void ButDimUpClick();
    // The settings screen arrives with its issue.
    void ButExtraClick() { }

    int ruimteIndex() const { return _ruimteIndex; }
    TRuimteAppSelHandler& editor() const { return *_ruimteAppSelHdlr; }

private:
    bool roomDefined() const;
    // The selected appliance's slot, 0..15.
    int selectedSlot() const;
    // The selected appliance, read under the store lock.
    Apparaat selected() const;
    // The connection and code checks with their messages, then one Switch.
    void switchSelected(std::uint8_t (*value)(const Apparaat&));
    void stepDimstand(int step);

    TRuimteUIHandler& _RuimteHandler;
    TRuimteApparaat& _frm;
    TRuimteAppButHandler& _btnHandler;
    std::unique_ptr<TRuimteAppSelHandler> _ruimteAppSelHdlr;
    PictureList* _32Images = nullptr;
    PictureList* _usedImages = nullptr;
    int _ruimteIndex = 0;
};
