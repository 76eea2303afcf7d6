#include "ScenesOverzichtButHandler.h"

#include "GradBtn.h"
#include "Language.h"

TfrmScenesOverzichtBut::TfrmScenesOverzichtBut()
{
    ButTerug = makeButton("ButTerug", gettext(txtTerug), 0);
    ButOK = makeButton("ButOK", gettext(txtOK), 48);
    ButTimer = makeButton("ButTimer", gettext(txtTimer), 215);
    ButUitvoeren = makeButton("ButUitvoeren", gettext(txtUitvoeren), 293);
    // Hidden in the layout: only the overview that offers timer programs binds it.
    ButTimer->setVisible(false);
}

void TScenesOverzichtButHandler::init()
{
    userInterface()->ButOK->setVisible(false);
}

void TScenesOverzichtButHandler::TerugCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButTerug, aClick);
}

void TScenesOverzichtButHandler::OKCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOK, aClick);
}

void TScenesOverzichtButHandler::TimerCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButTimer, aClick);
}

void TScenesOverzichtButHandler::UitvoerenCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButUitvoeren, aClick);
}

void TScenesOverzichtButHandler::TerugState(bool enabled)
{
    state(userInterface()->ButTerug, enabled);
}

void TScenesOverzichtButHandler::TimerState(bool enabled)
{
    state(userInterface()->ButTimer, enabled);
}

void TScenesOverzichtButHandler::UitvoerenState(bool enabled)
{
    state(userInterface()->ButUitvoeren, enabled);
}
