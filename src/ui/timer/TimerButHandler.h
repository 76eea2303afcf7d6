#pragma once

#include "ButtonColumn.h"

class TGradBtn;

// The button column of the timer program screen: back, OK, add, copy, delete.
class TfrmTimerInterface : public TButtonForm {
    Q_OBJECT
public:
    static constexpr int timerColumnHeight = 501;

    TfrmTimerInterface();

    TGradBtn* ButExit;
    TGradBtn* ButOK;
    TGradBtn* butToevoegen;
    TGradBtn* ButKopie;
    TGradBtn* ButWissen;
};

class TTimerButHandler : public TButtonColumnOf<TfrmTimerInterface> {
public:
    void TerugCommand(const ClickHandler& aClick);
    void OkCommand(const ClickHandler& aClick);
    void ToevoegenCommand(const ClickHandler& aClick);
    void KopierenCommand(const ClickHandler& aClick);
    void WissenCommand(const ClickHandler& aClick);

    void KopierenState(bool enabled);
};
