#include "RuimteAppHandler.h"

#include "Controls.h"
#include "ExitSequence.h"
#include "Language.h"
#include "RuimteApparaat.h"

TRuimteUIHandler::TRuimteUIHandler(TMainForm& mainForm)
    : _mainForm(mainForm)
    , _frm(std::make_unique<TRuimteApparaat>())
{
    create(mainForm.mainPanel(), mainForm.buttonPanel());
    show();
}

TRuimteUIHandler::~TRuimteUIHandler() = default;

void TRuimteUIHandler::create(QWidget* aMainParent, QWidget*)
{
    _parent = aMainParent;
    initLanguage();
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
}

void TRuimteUIHandler::ButExitClick()
{
    runExitSequence(&_mainForm);
}
