#include "TimerButHandler.h"

#include "GradBtn.h"
#include "Language.h"

TfrmTimerInterface::TfrmTimerInterface()
    : TButtonForm(timerColumnHeight)
{
    ButExit = makeButton("ButExit", gettext(txtTerug), 0);
    ButOK = makeButton("ButOK", gettext(txtOK), 47);
    butToevoegen = makeButton("butToevoegen", gettext(txtToevoegen), 103);
    ButKopie = makeButton("ButKopie", gettext(txtKopie), 151);
    ButWissen = makeButton("ButWissen", gettext(txtWissen), 199);
}

void TTimerButHandler::TerugCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButExit, aClick);
}

void TTimerButHandler::OkCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOK, aClick);
}

void TTimerButHandler::ToevoegenCommand(const ClickHandler& aClick)
{
    command(userInterface()->butToevoegen, aClick);
}

void TTimerButHandler::KopierenCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButKopie, aClick);
}

void TTimerButHandler::WissenCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButWissen, aClick);
}

void TTimerButHandler::KopierenState(bool enabled)
{
    state(userInterface()->ButKopie, enabled);
}
