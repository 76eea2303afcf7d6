#pragma once

#include "ButtonColumn.h"

class TGradBtn;

// The button column of the editors and the picture picker: cancel, OK,
// learn code, delete. Every button starts hidden; each screen shows the
// ones it binds.
class TfrmRuimteAppSelButInterface : public TButtonForm {
    Q_OBJECT
public:
    TfrmRuimteAppSelButInterface();

    TGradBtn* ButExit;
    TGradBtn* ButOK;
    TGradBtn* butLeren;
    TGradBtn* ButWissen;
};

class TRuimteAppSelButHandler : public TButtonColumnOf<TfrmRuimteAppSelButInterface> {
public:
    void TerugCommand(const ClickHandler& aClick);
    void OKCommand(const ClickHandler& aClick);
    void WissenCommand(const ClickHandler& aClick);
    // Shows the learn button only when `aClick` is given.
    void LerenCommand(const ClickHandler& aClick);

    void TerugState(bool enabled);
    void OKState(bool enabled);
    void WissenState(bool enabled);
    // The learn button's look while it is shown: 0 enabled, 1 disabled (both
    // with the normal look), 2 normal look with "learn code", 3 red with
    // "stop learning", 4 normal colours, caption kept.
    void LerenState(int n);

protected:
    void init() override;
};
