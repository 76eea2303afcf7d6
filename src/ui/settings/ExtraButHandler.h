#pragma once

#include "ButtonColumn.h"

class TGradBtn;

// The button column of the settings screen: cancel, OK, send everything to the Zolvo.
class TfrmExtraBut : public TButtonForm {
    Q_OBJECT
public:
    TfrmExtraBut();

    TGradBtn* ButExit;
    TGradBtn* ButOK;
    TGradBtn* butNaarZolvo;
};

class TExtraButHandler : public TButtonColumnOf<TfrmExtraBut> {
public:
    void TerugCommand(const ClickHandler& aClick);
    void OKCommand(const ClickHandler& aClick);
    void NaarZolvoCommand(const ClickHandler& aClick);

    void TerugState(bool enabled);
    void OKState(bool enabled);
};
