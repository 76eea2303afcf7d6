#pragma once

#include "BaseForm.h"
#include "RuimteAppUI.h"

#include <memory>

class PictureList;
class QWidget;
class TAppUIHandler;
class TRuimteAppButHandler;
class TRuimteAppSelHandler;
class TRuimteApparaat;

// The rooms and appliances screen, the program's home screen: built once on
// the main window's hosts and never hidden. This is its rooms grid; it owns
// the appliances grid below it, the shared layout and the button column.
class TRuimteUIHandler : public THomeScreen, public TRuimteAppUIHandler {
public:
    explicit TRuimteUIHandler(TMainForm& mainForm);
    ~TRuimteUIHandler() override;

    void create(QWidget* aMainParent, QWidget* aButParent);
    void show();
    // Does nothing: the screen stays underneath every other screen.
    void hide() { }
    void initLanguage();
    // Takes the store's (possibly new) picture lists for both grids and
    // returns to page 0 with the first room selected.
    void initImages();
    // The settings screen closed; after loading a backup it asks to start over.
    void extracallBack(bool aReInit);

    int definedCount() const override;
    void fill(int anIndex) override;
    void fillClicked(QObject* Sender) override;
    void fillDblClicked(QObject* Sender) override;
    void callBack(const QString& anOmschrijving, int anImageIndex, bool newSelected, bool aDimbaar, bool anOudModel,
        int aCode) override;
    void deleteItem(int index) override;

    void ButExitClick();
    // The scenes overview and the timer program arrive with their screens.
    void ButCombiClick() { }
    void ButTimerClick() { }

    TRuimteApparaat& form() const { return *_frm; }
    TRuimteAppButHandler& buttons() const { return *_btnHandler; }
    TAppUIHandler& appliances() const { return *_apphandler; }
    TRuimteAppSelHandler& editor() const { return *_ruimteAppSelHdlr; }

private:
    TMainForm& _mainForm;
    std::unique_ptr<TRuimteApparaat> _frm;
    std::unique_ptr<TRuimteAppButHandler> _btnHandler;
    std::unique_ptr<TRuimteAppSelHandler> _ruimteAppSelHdlr;
    std::unique_ptr<TAppUIHandler> _apphandler;
    PictureList* _32Images = nullptr;
    PictureList* _usedImages = nullptr;
};
