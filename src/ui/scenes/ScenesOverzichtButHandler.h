#pragma once

#include "ButtonColumn.h"

class TGradBtn;

// The button column of the scenes overview: back, OK, timer, run the scene.
class TfrmScenesOverzichtBut : public TButtonForm {
    Q_OBJECT
public:
    TfrmScenesOverzichtBut();

    TGradBtn* ButTerug;
    TGradBtn* ButOK;
    TGradBtn* ButTimer;
    TGradBtn* ButUitvoeren;
};

class TScenesOverzichtButHandler : public TButtonColumnOf<TfrmScenesOverzichtBut> {
public:
    void TerugCommand(const ClickHandler& aClick);
    void OKCommand(const ClickHandler& aClick);
    void TimerCommand(const ClickHandler& aClick);
    void UitvoerenCommand(const ClickHandler& aClick);

    void TerugState(bool enabled);
    void TimerState(bool enabled);
    void UitvoerenState(bool enabled);

protected:
    void init() override;
};
