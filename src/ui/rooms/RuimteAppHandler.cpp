#include "RuimteAppHandler.h"

#include "Controls.h"
#include "ExitSequence.h"
#include "Language.h"
#include "RuimteAppButHandler.h"
#include "RuimteApparaat.h"

TRuimteUIHandler::TRuimteUIHandler(TMainForm& mainForm)
    : _mainForm(mainForm)
    , _frm(std::make_unique<TRuimteApparaat>())
    , _btnHandler(std::make_unique<TRuimteAppButHandler>())
{
    create(mainForm.mainPanel(), mainForm.buttonPanel());
    show();
}

TRuimteUIHandler::~TRuimteUIHandler() = default;

void TRuimteUIHandler::create(QWidget* aMainParent, QWidget* aButParent)
{
    _parent = aMainParent;
    initLanguage();
    _btnHandler->create(aButParent);
    _btnHandler->TerugCommand([this](QObject*) { ButExitClick(); });
    // Switching needs a selected appliance; the grids that select one come next.
    for (auto setState : {&TRuimteAppButHandler::OnState, &TRuimteAppButHandler::OffState,
             &TRuimteAppButHandler::DimmerState, &TRuimteAppButHandler::DimDnState, &TRuimteAppButHandler::DimUpState})
        (*_btnHandler.*setState)(false);
}

void TRuimteUIHandler::initLanguage()
{
    _frm->lblRuimtes->setText(gettext(txtRuimtes));
    _frm->lblApparaten->setText(gettext(txtApparaten));
}

void TRuimteUIHandler::show()
{
    TPanel* panel = _frm->pnlRuimteApparaat;
    panel->setParent(_parent);
    panel->move(0, 0);
    panel->show();
    panel->raise();
    _btnHandler->show();
}

void TRuimteUIHandler::ButExitClick()
{
    runExitSequence(&_mainForm);
}
