#include "ExtraButHandler.h"

#include "GradBtn.h"
#include "Language.h"

TfrmExtraBut::TfrmExtraBut()
{
    ButExit = makeButton("ButExit", gettext(txtAnnuleren), 0);
    ButOK = makeButton("ButOK", gettext(txtOK), 45);
    butNaarZolvo = makeButton("butNaarZolvo", gettext(txtNaarZolvo), 445, 4);
}

void TExtraButHandler::TerugCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButExit, aClick);
}

void TExtraButHandler::OKCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOK, aClick);
}

void TExtraButHandler::NaarZolvoCommand(const ClickHandler& aClick)
{
    command(userInterface()->butNaarZolvo, aClick);
}

void TExtraButHandler::TerugState(bool enabled)
{
    state(userInterface()->ButExit, enabled);
}

void TExtraButHandler::OKState(bool enabled)
{
    state(userInterface()->ButOK, enabled);
}
