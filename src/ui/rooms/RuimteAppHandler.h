#pragma once

#include "BaseForm.h"

#include <memory>

class QWidget;
class TRuimteApparaat;
class TRuimteAppButHandler;

// The rooms and appliances screen, the program's home screen: built once on
// the main window's hosts and never hidden.
class TRuimteUIHandler : public THomeScreen {
public:
    explicit TRuimteUIHandler(TMainForm& mainForm);
    ~TRuimteUIHandler() override;

    void create(QWidget* aMainParent, QWidget* aButParent);
    void show();
    // Does nothing: the screen stays underneath every other screen.
    void hide() { }
    void initLanguage();

    TRuimteApparaat& form() { return *_frm; }
    TRuimteAppButHandler& buttons() { return *_btnHandler; }

    // The exit button: the program's exit sequence.
    void ButExitClick();

private:
    TMainForm& _mainForm;
    QWidget* _parent = nullptr;
    std::unique_ptr<TRuimteApparaat> _frm;
    std::unique_ptr<TRuimteAppButHandler> _btnHandler;
};
