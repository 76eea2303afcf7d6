#include "RuimteAppButHandler.h"

#include "Controls.h"
#include "GradBtn.h"
#include "Language.h"

#include <QFont>

TfrmRuimteAppButInterface::TfrmRuimteAppButInterface()
{
    ButExit = makeButton("ButExit", gettext(txtAfsluiten), 0);
    ButOK = makeButton("ButOK", gettext(txtOK), 45);
    ButExtra = makeButton("ButExtra", gettext(txtExtra), 123);
    ButScene = makeButton("ButScene", gettext(txtScenes), 169);
    ButTimer = makeButton("ButTimer", gettext(txtTimer), 215);
    ButOn = makeButton("ButOn", gettext(txtAan), 293);
    ButDimmer = makeButton("ButDimmer", gettext(txtDimstand), 339, buttonLeft, 129);
    ButDimDn = makeButton("ButDimDn", QStringLiteral("--"), 385, 11, 50);
    ButDimUp = makeButton("ButDimUp", QStringLiteral("+"), 385, 92, 50);
    ButOff = makeButton("ButOff", gettext(txtUit), 431);

    LDimmer = place(new TLabel(MainBtnContainer), 63, 396, 23, 24);
    LDimmer->setObjectName(QStringLiteral("LDimmer"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    font.setBold(true);
    LDimmer->setFont(font);
    LDimmer->setFontColor(clBlack);
    LDimmer->setAlignment(Qt::AlignCenter);
    LDimmer->setTextFormat(Qt::PlainText);
}

void TRuimteAppButHandler::init()
{
    userInterface()->ButOK->setVisible(false);
    userInterface()->LDimmer->setVisible(false);
}

void TRuimteAppButHandler::TerugCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButExit, aClick);
}

void TRuimteAppButHandler::OkCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOK, aClick);
}

void TRuimteAppButHandler::ExtraCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButExtra, aClick);
}

void TRuimteAppButHandler::SceneCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButScene, aClick);
}

void TRuimteAppButHandler::TimerCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButTimer, aClick);
}

void TRuimteAppButHandler::OnCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOn, aClick);
}

void TRuimteAppButHandler::DimmerCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButDimmer, aClick);
    userInterface()->LDimmer->setVisible(true);
}

void TRuimteAppButHandler::DimDnCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButDimDn, aClick);
}

void TRuimteAppButHandler::DimUpCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButDimUp, aClick);
}

void TRuimteAppButHandler::OffCommand(const ClickHandler& aClick)
{
    command(userInterface()->ButOff, aClick);
}

void TRuimteAppButHandler::OkState(bool enabled)
{
    state(userInterface()->ButOK, enabled);
}

void TRuimteAppButHandler::DimmerState(bool enabled)
{
    state(userInterface()->ButDimmer, enabled);
    state(userInterface()->LDimmer, enabled);
}

void TRuimteAppButHandler::DimDnState(bool enabled)
{
    state(userInterface()->ButDimDn, enabled);
}

void TRuimteAppButHandler::DimUpState(bool enabled)
{
    state(userInterface()->ButDimUp, enabled);
}

void TRuimteAppButHandler::OnState(bool enabled)
{
    state(userInterface()->ButOn, enabled);
}

void TRuimteAppButHandler::OffState(bool enabled)
{
    state(userInterface()->ButOff, enabled);
}

void TRuimteAppButHandler::TimerState(bool enabled)
{
    state(userInterface()->ButTimer, enabled);
}

void TRuimteAppButHandler::SetDimstand(int n)
{
    userInterface()->LDimmer->setText(QString::number(n));
}

int TRuimteAppButHandler::GetDimstand() const
{
    return userInterface()->LDimmer->text().toInt();
}
