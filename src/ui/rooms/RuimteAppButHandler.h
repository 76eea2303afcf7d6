#pragma once

#include "ButtonColumn.h"

class TGradBtn;
class TLabel;

// The button column of the rooms screen and the scene composer: exit,
// settings, scenes, timer, and switching the selected appliance.
class TfrmRuimteAppButInterface : public TButtonForm {
    Q_OBJECT
public:
    TfrmRuimteAppButInterface();

    TGradBtn* ButExit;
    TGradBtn* ButOK;
    TGradBtn* ButExtra;
    TGradBtn* ButScene;
    TGradBtn* ButTimer;
    TGradBtn* ButOn;
    TGradBtn* ButDimmer;
    TGradBtn* ButDimDn;
    TGradBtn* ButDimUp;
    TGradBtn* ButOff;
    // The dim level between the two dim-step buttons.
    TLabel* LDimmer;
};

class TRuimteAppButHandler : public TButtonColumnOf<TfrmRuimteAppButInterface> {
public:
    void TerugCommand(const ClickHandler& aClick);
    void OkCommand(const ClickHandler& aClick);
    void ExtraCommand(const ClickHandler& aClick);
    void SceneCommand(const ClickHandler& aClick);
    void TimerCommand(const ClickHandler& aClick);
    void OnCommand(const ClickHandler& aClick);
    // Also shows the dim level.
    void DimmerCommand(const ClickHandler& aClick);
    void DimDnCommand(const ClickHandler& aClick);
    void DimUpCommand(const ClickHandler& aClick);
    void OffCommand(const ClickHandler& aClick);

    void OkState(bool enabled);
    // Also the dim level.
    void DimmerState(bool enabled);
    void DimDnState(bool enabled);
    void DimUpState(bool enabled);
    void OnState(bool enabled);
    void OffState(bool enabled);
    void TimerState(bool enabled);

    void SetDimstand(int n);
    int GetDimstand() const;

protected:
    void init() override;
};
