#include "RuimteAppSelButHandler.h"

#include "Controls.h"
#include "GradBtn.h"
#include "Language.h"

namespace {
constexpr TColor learningColour = 255; // red
}

TfrmRuimteAppSelButInterface::TfrmRuimteAppSelButInterface()
{
    ButExit = makeButton("ButExit", gettext(txtAnnuleren), 0);
    ButOK = makeButton("ButOK", gettext(txtOK), 45);
    butLeren = makeButton("butLeren", gettext(txtCodeLeren), 381);
    ButWissen = makeButton("ButWissen", gettext(txtWissen), 431);
}

void TRuimteAppSelButHandler::init()
{
    // Several screens share this column; each shows only what it binds.
    for (QWidget* control : userInterface()->MainBtnContainer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<TImage*>(control))
            control->setVisible(false);
}

void TRuimteAppSelButHandler::TerugCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButExit, aClick);
}

void TRuimteAppSelButHandler::OKCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOK, aClick);
}

void TRuimteAppSelButHandler::WissenCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButWissen, aClick);
}

void TRuimteAppSelButHandler::LerenCommand(const ClickHandler& aClick)
{
    bind(userInterface()->butLeren, aClick);
    if (aClick)
        userInterface()->butLeren->setVisible(true);
}

void TRuimteAppSelButHandler::TerugState(bool enabled)
{
    state(userInterface()->ButExit, enabled);
}

void TRuimteAppSelButHandler::OKState(bool enabled)
{
    state(userInterface()->ButOK, enabled);
}

void TRuimteAppSelButHandler::WissenState(bool enabled)
{
    state(userInterface()->ButWissen, enabled);
}

void TRuimteAppSelButHandler::LerenState(int n)
{
    TGradBtn* button = userInterface()->butLeren;
    if (!isShown(button))
        return;
    switch (n) {
    case 0:
        button->setEnabled(true);
        LerenState(2);
        break;
    case 1:
        button->setEnabled(false);
        LerenState(2);
        break;
    case 2:
        button->setBeginColor(clGray);
        button->setEndColor(clWhite);
        button->setCaption(gettext(txtCodeLeren));
        break;
    case 3:
        button->setBeginColor(learningColour);
        button->setEndColor(clWhite);
        button->setCaption(gettext(txtLerenUit));
        break;
    case 4:
        button->setBeginColor(clGray);
        button->setEndColor(clWhite);
        break;
    default: break;
    }
}
